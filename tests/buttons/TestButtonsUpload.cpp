#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/buttons/UploadPageFixture.h"
#include "tests/common/PointerInput.h"
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

    // Tab to a button, Space opens its menu, arrows and Return pick the entry: the
    // button with the focus gets it, also after an earlier pick.
    void keyboardPicksGoToTheFocusedButton_data()
    {
        QTest::addColumn<QStringList>("picks"); // "tabs from button 1:entry"
        QTest::addColumn<QStringList>("sent");  // buttons 1 to 4
        QTest::addColumn<bool>("warned");
        const QString left = "81 00 00 00", right = "82 00 00 00", middle = "83 00 00 00", forward = "85 00 00 00";
        QTest::newRow("button 4") << QStringList{"3:Right"} << QStringList{left, right, middle, right} << false;
        QTest::newRow("after a pick") << QStringList{"1:Middle", "3:Right"} << QStringList{left, middle, middle, right}
                                      << false;
        QTest::newRow("last left click") << QStringList{"0:Right"} << QStringList{left, right, middle, forward} << true;
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
            sendKeys(&page, QString("+15 -15 ").repeated(tabs));
            QVERIFY(page.slotButton(tabs)->hasFocus());
            QVERIFY(runModal([&] { sendKeys(&page, "+57"); }, [&](QWidget *popup) {
                auto *menu = qobject_cast<QMenu *>(popup);
                const int index = menu->actions().indexOf(menuEntry(menu, pick.section(':', 1)));
                sendKeys(menu, QString("+108 -108 ").repeated(index + 1) + "+28");
            }));
            sendKeys(&page, "-28 -57");
        }
        QCOMPARE(box.count(), warned ? 1 : 0);
        QCOMPARE(up.entries({0, 1, 2, 3}), sent);
        for (int slot = 4; slot < int(before.buttons.size()); ++slot)
            QCOMPARE(up.record().buttons[size_t(slot)].Fun, before.buttons[size_t(slot)].Fun);
    }

    // What a user confirms in the dialog a menu entry opens by Return reaches the mouse.
    // The release of that Return, a key held since or a Shift never pressed is no key
    // typed. Return confirms as OK does where the buttons take no focus (refused while
    // OK is), but not where keys are being captured; a loop option counts on a click or
    // on Space, not on a press that ends away from it.
    void dialogsConfirmWhatTheUserChose_data()
    {
        // shows:<key>: button 2 holds that key first and the dialog shows it (_ for a
        // space); keyboard: the fire key's keyboard mode; keyfield: the focus to its key
        // field; tab, backtab: Tab, Shift+Tab; pick: the macro; count:n typed
        // into the loop count or the fire key's Times; c<n> clicks loop option n, o<n> presses it and releases
        // outside, s<n> gives it the focus and taps Space; ok: OK; return: Return.
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("keys"); // reaching the dialog after the pick
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("sent"); // button 2's entry in the mouse, right click before
        const char *stored[][3] = {{"SINGLE KEY", "A", "90 00 04 00"}, {"COMBO KEY", "LCtr_+_C", "8f 01 06 00"},
                                   {"FIRE KEY", "F5", "99 3e 05 0c"}};
        for (const auto &d : stored) {
            for (const char *keys : {"-28", "r28 r28 -28", "-42"})
                QTest::addRow("%s: %s", d[0], keys) << d[0] << keys << QString("shows:%1 ok").arg(d[1]) << true << d[2];
        }
        // Tab and Shift+Tab that leave the counts are no keys typed into the key field;
        // a Tab typed there is.
        QTest::newRow("fire key: Tab through Times and Delay") << "FIRE KEY" << "-28" << "shows:F5 count:7 tab tab ok"
                                                              << true << "99 3e 07 0c";
        QTest::newRow("fire key: Shift+Tab out of Times") << "FIRE KEY" << "-28" << "shows:F5 count:7 backtab ok"
                                                         << true << "99 3e 07 0c";
        QTest::newRow("fire key: Tab at the key field") << "FIRE KEY" << "-28" << "shows:F5 keyfield tab ok" << true
                                                       << "99 2b 05 0c";
        const QString right = "82 00 00 00", macro = "Macro Manager";
        QTest::newRow("sniper, Return") << "SNIPER" << "-28" << "return" << true << "9a 01 06 06";
        QTest::newRow("fire key, Return") << "FIRE KEY" << "-28" << "return" << true << "99 81 03 0a";
        QTest::newRow("fire key, keyboard, Return") << "FIRE KEY" << "-28" << "keyboard return" << false << right;
        QTest::newRow("single key, Return") << "SINGLE KEY" << "-28" << "return" << false << right;
        QTest::newRow("macro, Return in the count") << macro << "-28" << "pick count:9 return" << true << "91 00 09 00";
        QTest::newRow("macro, count emptied") << macro << "-28" << "pick count: return" << false << right;
        QTest::newRow("fire key, times emptied") << "FIRE KEY" << "-28" << "count: return" << false << right;
        QTest::newRow("fire key, times 0") << "FIRE KEY" << "-28" << "count:0 return" << false << right;
        QTest::newRow("macro not chosen, Return") << macro << "-28" << "count:9 return" << false << right;
        QTest::newRow("loop option clicked") << macro << "-28" << "pick count:100 c1 ok" << true << "91 80 ff ff";
        QTest::newRow("loop option slid off") << macro << "-28" << "pick count:100 c1 o0 ok" << true << "91 80 ff ff";
        QTest::newRow("loop option by Space") << macro << "-28" << "pick count:100 c1 s2 ok" << true << "91 40 ff ff";
        QTest::newRow("back to the count") << macro << "-28" << "pick count:100 c2 c0 ok" << true << "91 00 64 00";
    }
    void dialogsConfirmWhatTheUserChose()
    {
        QFETCH(QString, entry);
        QFETCH(QString, keys);
        QFETCH(QString, steps);
        QFETCH(bool, closes);
        QFETCH(QString, sent);
        UploadPageFixture up;
        up.fx.writeMacro("burst", {{MacroKeyPress, 0, 0x04}, {MacroKeyRelease, 0, 0x04}});
        QVERIFY(setMacroListSlot(0, "burst"));
        ButtonSlot &slot = up.record().buttons[1];
        slot.Fun = FunRight;
        const bool stored = steps.startsWith("shows:");
        if (stored) {
            slot.Fun = entry == "SINGLE KEY" ? FunSingleKey : entry == "COMBO KEY" ? FunComboKey : FunFireKey;
            slot.Res1 = entry == "SINGLE KEY" ? 30 : 0x3E; // A, or F5's usage
            slot.LoopNumber = 5;
            slot.KeyNumber = 120;
            const quint8 usages[] = {0xE0, 0x06, 0x06, 0xE0}; // LCtr + C
            for (int i = 0; entry == "COMBO KEY" && i < 4; ++i)
                slot.KeyInfo[size_t(i)] = KeyStep{usages[i], 0x05, quint8(i < 2 ? 0x80 : 0x00)};
        }
        const QString before = slotText(slot);
        const QStringList path = entry == "Macro Manager" ? QStringList{entry} : QStringList{"Advance", entry};
        QString shown, caption;
        bool stayed = false;
        QVERIFY(chooseEntry(*up.page, 1, path, [&](QWidget *dialog) {
            auto *select = qobject_cast<QuorMacroSelect *>(dialog);
            auto *fire = qobject_cast<QuorFireKeyWindow *>(dialog);
            for (const QString &step : steps.split(' ')) {
                QuorPushButton *option = select ? select->loopOption(step.mid(1).toInt()) : nullptr;
                if (step.startsWith("shows:")) {
                    shown = step.mid(6).replace('_', ' ');
                    caption = dialog->findChild<QuorPushButton *>()->caption();
                } else if (step == "keyfield") {
                    fire->keyField()->setFocus();
                } else if (step == "tab") {
                    tapNativeKey(dialog, 15, Qt::Key_Tab);
                } else if (step == "backtab") {
                    sendKeys(dialog, "+42");
                    tapNativeKey(dialog, 15, Qt::Key_Backtab, Qt::ShiftModifier);
                    sendKeys(dialog, "-42");
                } else if (step == "keyboard") {
                    QTest::mouseClick(fire->modeBox(QuorFireKeyWindow::KeyboardMode), Qt::LeftButton);
                } else if (step == "pick") {
                    menuEntry(select->macroMenu(), "burst")->trigger();
                } else if (step.startsWith("count:")) {
                    QLineEdit *count = select ? select->countEdit() : fire->timesEdit();
                    count->setFocus();
                    count->selectAll();
                    QTest::keyClick(count, Qt::Key_Backspace);
                    QTest::keyClicks(count, step.mid(6));
                } else if (step == "ok" || step == "return") {
                    step == "ok" ? clickButton(dialog, "msgBoxYesBtn") : sendKeys(dialog, "+28 -28");
                } else if (step[0] == 'c') {
                    QTest::mouseClick(option, Qt::LeftButton);
                } else if (step[0] == 'o') {
                    slideRelease(option, QPoint(5, 5), QPoint(option->width() + 30, 5));
                } else {
                    option->setFocus();
                    tapNativeKey(dialog, 57, Qt::Key_Space);
                }
            }
            stayed = dialog->isVisible();
            if (stayed)
                clickButton(dialog, "msgBoxNoBtn");
        }, keys));
        QCOMPARE(stayed, !closes);
        QCOMPARE(caption, shown);
        const bool edited = steps.contains("count:") || steps.contains("tab");
        if ((stored && !edited) || !closes)
            QCOMPARE(slotText(slot), before);
        QCOMPARE(up.entries({1}), QStringList{sent});
    }
};

MOUSECFG_TEST(TestButtonsUpload)
#include "TestButtonsUpload.moc"
