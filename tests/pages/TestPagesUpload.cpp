#include "device/SettingsCommands.h"
#include "device/UploadDriver.h"
#include "pages/DefaultColorArea.h"
#include "pages/QuorColorArea.h"
#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorReportRate.h"
#include "pages/QuorSingleDPI.h"
#include "pages/StoreUi.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"
#include "tests/pages/PageFixture.h"
#include "widgets/QuorTwoBarSlider.h"

#include <QSlider>
#include <QToolButton>

// Apply's road from the pages to the mouse: what the pages show is copied into the
// record, the change mask names the parts, and the emulated mouse holds the values.
class TestPagesUpload : public QObject
{
    Q_OBJECT
private slots:
    void stageAndColourSetOnThePagesReachTheMouse()
    {
        DeviceFixture fx(3389, 6, 4);
        fillSampleBlock(workingSettings);
        workingSettings.profiles[0].LedMode = 1;
        lastWrittenSettings = workingSettings;
        ProfileRecord &current = currentRecord(workingSettings);

        QuorDPIWindow dpiPage(current);
        QuorReportRate ratePanel(current);
        QuorColorWindow lighting(nullptr, 1.0);
        dpiPage.setProfileData(&current, readMouseSensor());
        ratePanel.setProfileData(&current, workingSettings.LiftHigh);
        lighting.setProfileData(&lightingRecord(workingSettings));
        QCOMPARE(detectSettingsChanges(workingSettings, lastWrittenSettings), 0);

        QTest::keyClick(dpiPage.row(1)->slider()->upperBar(), Qt::Key_Right);
        QVERIFY(runModal([&] { QTest::mouseClick(lighting.colorSwatch(), Qt::LeftButton); },
            [](QWidget *window) {
                auto *dialog = qobject_cast<QuorColorArea *>(window);
                QVERIFY(dialog);
                QTest::mouseClick(dialog->preset(3), Qt::LeftButton);
                QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            }));
        QCOMPARE(current.stages[1].x, 40u);
        storeUiIntoRecord(current, dpiPage, ratePanel);
        QCOMPARE(current.stages[1].x, 41u);
        QCOMPARE(current.ledModes[1].color, QColor(0, 255, 255));

        const int mask = detectSettingsChanges(workingSettings, lastWrittenSettings);
        QCOMPARE(mask, ChangeDpi | ChangeLighting);
        QCOMPARE(uploadSettings(workingSettings, mask), quint8(0));
        const FakeMouseState s = fx.mouse().state();
        QCOMPARE(s.dpiFirstValue(1), quint16(41));
        quint8 lightingTable[80];
        buildLightingTable(current, lightingTable);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.lighting.data()), 80),
                 QByteArray(reinterpret_cast<const char *>(lightingTable), 80));
        workingSettings = SettingsBlock();
        lastWrittenSettings = SettingsBlock();
    }
};

MOUSECFG_TEST(TestPagesUpload)
#include "TestPagesUpload.moc"
