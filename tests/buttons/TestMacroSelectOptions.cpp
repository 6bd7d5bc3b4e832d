#include "buttons/QuorMacroSelect.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/PointerInput.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QLineEdit>

// The loop option a user picks in the macro dialog is the one the mouse receives: a
// press that ends away from an option picks nothing; Space picks the focused one.
class TestMacroSelectOptions : public QObject
{
    Q_OBJECT
private slots:
    void loopOptionReachesTheMouse_data()
    {
        // c<n> clicks option n, o<n> presses it and releases outside, s<n> gives it
        // the focus and taps Space.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("click") << "c1" << QByteArray("91 80 ff ff");
        QTest::newRow("press released outside") << "c1 o0" << QByteArray("91 80 ff ff");
        QTest::newRow("Space") << "c1 s2" << QByteArray("91 40 ff ff");
        QTest::newRow("back to the count") << "c2 c0" << QByteArray("91 00 64 00");
    }
    void loopOptionReachesTheMouse()
    {
        QFETCH(QString, steps);
        QFETCH(QByteArray, entry);
        DeviceFixture fx(3389, 6);
        fx.writeMacro("burst", {{MacroKeyPress, 0, 0x04}, {MacroKeyRelease, 0, 0x04}});
        QVERIFY(setMacroListSlot(0, "burst"));
        initSettingsBlock(workingSettings);
        lastWrittenSettings = workingSettings;
        QuorBtnWindow page(&currentRecord(workingSettings), nullptr, 1.0);
        page.setFixedSize(332, 440);
        page.applyFonts(1.0);
        page.show();
        QVERIFY(chooseEntry(page, 3, {"Macro Manager"}, [&](QWidget *window) {
            auto *dialog = static_cast<QuorMacroSelect *>(window);
            menuEntry(dialog->macroMenu(), "burst")->trigger();
            dialog->countEdit()->setText("100");
            for (const QString &step : steps.split(' ')) {
                QuorPushButton *option = dialog->loopOption(step.mid(1).toInt());
                if (step[0] == 'c') {
                    QTest::mouseClick(option, Qt::LeftButton);
                } else if (step[0] == 'o') {
                    slideRelease(option, QPoint(5, 5), QPoint(option->width() + 30, 5));
                } else {
                    option->setFocus();
                    tapNativeKey(dialog, 57, Qt::Key_Space);
                }
            }
            clickButton(dialog, "msgBoxYesBtn");
        }));
        QCOMPARE(uploadSettings(workingSettings, ChangeButtons), quint8(0));
        QCOMPARE(fx.mouse().state().buttonEntry(3).toHex(' '), entry);
        workingSettings = SettingsBlock();
        lastWrittenSettings = SettingsBlock();
    }
};

MOUSECFG_TEST(TestMacroSelectOptions)
#include "TestMacroSelectOptions.moc"
