#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/buttons/UploadPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalSpy>

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

    // A key dialog opened by Return on its menu entry over a stored key, then OK: the
    // release of that Return (or of a key held since, or a Shift never pressed) is no
    // key typed, and the mouse keeps what it held.
    void keyDialogsKeepTheStoredKey_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("keys"); // reaching the dialog after the pick
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sent");
        const QString release = "-28", held = "r28 r28 -28", shift = "-42";
        const struct
        {
            const char *entry, *shown, *sent;
        } dialogs[] = {{"SINGLE KEY", "A", "90 00 04 00"}, {"COMBO KEY", "LCtr + C", "8f 01 06 00"},
                       {"FIRE KEY", "F5", "99 3e 05 0c"}};
        for (const auto &d : dialogs) {
            for (const QString &keys : {release, held, shift})
                QTest::addRow("%s: %s", d.entry, qPrintable(keys)) << d.entry << keys << d.shown << d.sent;
        }
    }
    void keyDialogsKeepTheStoredKey()
    {
        QFETCH(QString, entry);
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QFETCH(QString, sent);
        UploadPageFixture up;
        ButtonSlot &slot = up.record().buttons[1];
        slot.Fun = entry == "SINGLE KEY" ? FunSingleKey : entry == "COMBO KEY" ? FunComboKey : FunFireKey;
        slot.Res1 = entry == "SINGLE KEY" ? 30 : 0x3E; // A, or F5's usage
        slot.LoopNumber = 5;
        slot.KeyNumber = 120;
        if (entry == "COMBO KEY") {
            const quint8 usages[] = {0xE0, 0x06, 0x06, 0xE0};
            for (int i = 0; i < 4; ++i)
                slot.KeyInfo[size_t(i)] = KeyStep{usages[i], 0x05, quint8(i < 2 ? 0x80 : 0x00)};
        }
        QCOMPARE(up.entries({1}), QStringList{sent});
        const QString before = slotText(slot);
        QString caption;
        QVERIFY(chooseEntry(*up.page, 1, {"Advance", entry}, [&](QWidget *dialog) {
            caption = dialog->findChild<QuorPushButton *>()->caption();
            clickButton(dialog, "msgBoxYesBtn");
        }, keys));
        QCOMPARE(caption, shown);
        QCOMPARE(slotText(slot), before);
        QCOMPARE(up.entries({1}), QStringList{sent});
    }

    // Tab to a button, Space opens its menu, arrows and Return pick the entry: the
    // button with the focus gets it, also after an earlier pick.
    void keyboardPicksGoToTheFocusedButton_data()
    {
        QTest::addColumn<QStringList>("picks"); // "tabs from button 1:entry"
        QTest::addColumn<QStringList>("sent");  // buttons 1 to 4
        QTest::addColumn<bool>("warned");
        const QString left = "81 00 00 00", right = "82 00 00 00", middle = "83 00 00 00", forward = "85 00 00 00";
        QTest::newRow("button 4 right") << QStringList{"3:Right"} << QStringList{left, right, middle, right}
                                        << false;
        QTest::newRow("after an earlier pick") << QStringList{"1:Middle", "3:Right"}
                                               << QStringList{left, middle, middle, right} << false;
        QTest::newRow("button 1, last left click") << QStringList{"0:Right"}
                                                   << QStringList{left, right, middle, forward} << true;
    }
    void keyboardPicksGoToTheFocusedButton()
    {
        QFETCH(QStringList, picks);
        QFETCH(QStringList, sent);
        QFETCH(bool, warned);
        UploadPageFixture up;
        QuorBtnWindow &page = *up.page;
        const int funs[] = {FunLeft, FunRight, FunMiddle, FunForward};
        for (int slot = 0; slot < 4; ++slot)
            up.record().buttons[size_t(slot)].Fun = funs[slot];
        const ProfileRecord before = up.record();
        QSignalSpy box(&page, &QuorBtnWindow::PopOneClickBox);
        for (const QString &pick : picks) {
            const int tabs = pick.section(':', 0, 0).toInt();
            // The closed menu may still stand as the active window here.
            QApplication::setActiveWindow(&page);
            QVERIFY(QTest::qWaitForWindowActive(&page));
            page.slotButton(0)->setFocus(Qt::OtherFocusReason);
            for (int i = 0; i < tabs; ++i)
                sendKeys(&page, "+15 -15");
            QVERIFY(page.slotButton(tabs)->hasFocus());
            QVERIFY(runModal([&] { sendKeys(&page, "+57"); }, [&](QWidget *popup) {
                auto *menu = qobject_cast<QMenu *>(popup);
                const int index = menu->actions().indexOf(menuEntry(menu, pick.section(':', 1)));
                for (int i = 0; i <= index; ++i)
                    sendKeys(menu, "+108 -108");
                sendKeys(menu, "+28");
            }));
            sendKeys(&page, "-28 -57");
        }
        QCOMPARE(box.count(), warned ? 1 : 0);
        QCOMPARE(up.entries({0, 1, 2, 3}), sent);
        for (int slot = 4; slot < int(before.buttons.size()); ++slot)
            QCOMPARE(up.record().buttons[size_t(slot)].Fun, before.buttons[size_t(slot)].Fun);
    }
};

MOUSECFG_TEST(TestButtonsUpload)
#include "TestButtonsUpload.moc"
