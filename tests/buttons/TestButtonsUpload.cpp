#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QCheckBox>
#include <QLineEdit>

// Functions chosen through the page's dialogs reach the mouse's button table.
class TestButtonsUpload : public QObject
{
    Q_OBJECT
private slots:
    void comboFireKeyAndMacroReachTheMouse()
    {
        DeviceFixture fx(3389, 6);
        fx.writeMacro("burst", {{MacroKeyPress, 0, 0x04}, {MacroDelay, 0, 5}, {MacroKeyRelease, 0, 0x04}});
        QVERIFY(setMacroListSlot(0, "burst"));
        initSettingsBlock(workingSettings);
        ProfileRecord &record = currentRecord(workingSettings);
        record.buttons[0].Fun = FunLeft;
        lastWrittenSettings = workingSettings;
        QuorBtnWindow page(&record, nullptr, 1.0);
        page.setFixedSize(332, 440);
        page.applyFonts(1.0);
        page.show();

        QVERIFY(chooseEntry(page, 1, {"Advance", "COMBO KEY"}, [](QWidget *dialog) {
            sendKeys(dialog, "+29 +30 -30 -29");
            clickButton(dialog, "msgBoxYesBtn");
        }));
        QVERIFY(chooseEntry(page, 2, {"Advance", "FIRE KEY"}, [](QWidget *window) {
            auto *dialog = static_cast<QuorFireKeyWindow *>(window);
            QTest::mouseClick(dialog->modeBox(QuorFireKeyWindow::KeyboardMode), Qt::LeftButton);
            sendKeys(dialog, "+63 -63");
            for (QLineEdit *edit : {dialog->timesEdit(), dialog->delayEdit()})
                edit->clear();
            QTest::keyClicks(dialog->timesEdit(), "5");
            QTest::keyClicks(dialog->delayEdit(), "120");
            clickButton(dialog, "msgBoxYesBtn");
        }));
        QVERIFY(chooseEntry(page, 3, {"Macro Manager"}, [](QWidget *window) {
            auto *dialog = static_cast<QuorMacroSelect *>(window);
            menuEntry(dialog->macroMenu(), "burst")->trigger();
            dialog->countEdit()->setText("2");
            clickButton(dialog, "msgBoxYesBtn");
        }));

        QCOMPARE(detectSettingsChanges(workingSettings, lastWrittenSettings) & ChangeButtons, int(ChangeButtons));
        QCOMPARE(uploadSettings(workingSettings, ChangeButtons), quint8(0));
        const FakeMouseState s = fx.mouse().state();
        QCOMPARE(s.buttonEntry(0).toHex(' '), QByteArray("81 00 00 00"));
        QCOMPARE(s.buttonEntry(1).toHex(' '), QByteArray("8f 01 04 00"));
        QCOMPARE(s.buttonEntry(2).toHex(' '), QByteArray("99 3e 05 0c"));
        QCOMPARE(s.buttonEntry(3).toHex(' '), QByteArray("91 00 02 00"));
        QCOMPARE(s.macroSlot(0).left(9).toHex(' '), QByteArray("84 04 00 06 05 00 04 04 00"));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
        workingSettings = SettingsBlock();
        lastWrittenSettings = SettingsBlock();
    }
};

MOUSECFG_TEST(TestButtonsUpload)
#include "TestButtonsUpload.moc"
