#include "device/ButtonTable.h"
#include "device/MacroUpload.h"
#include "macro/MacroDialog.h"
#include "macro/QuorTreeItem.h"
#include "macro/QuorTreeWidget.h"
#include "storage/FunctionCodes.h"
#include "tests/app/ModalScript.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"
#include "tests/macro/MacroFixture.h"
#include "widgets/ModalGate.h"

#include <QCheckBox>
#include <QFile>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>

namespace {
constexpr int KeyA = 30;
const QString FiveKeysTyped = "132/0/4 4/0/4 132/0/5 4/0/5 132/0/6 4/0/6 132/0/7 4/0/7 132/0/8 4/0/8";

void chooseDelayType(MacroDialog &page, int type, const QString &defaultDelay = QString())
{
    if (type == DelayRecorded)
        click(page.recordDelayBox());
    if (type == DelayDefault)
        click(page.defaultDelayBox());
    if (!defaultDelay.isEmpty()) {
        page.defaultDelayEdit()->clear();
        QTest::keyClicks(page.defaultDelayEdit(), defaultDelay);
    }
}

QString taps(int n)
{
    QString script;
    for (int i = 0; i < n; ++i)
        script += QStringLiteral(" @20 %1+ @20 %1-").arg(KeyA);
    return script;
}

// Brings a box, or a popup menu, over the page, plays the keys at it and answers it:
// Return at the box, Down and Return at the menu. True when it was answered.
bool answerOver(QWidget *page, bool menu, const QString &keys)
{
    bool picked = false;
    QuorMessageBox box(2, QString(), "Warning", "Dongle Disconnect!", page, false, Qt::FramelessWindowHint);
    QMenu popup(page);
    QObject::connect(popup.addAction("entry"), &QAction::triggered, [&] { picked = true; });
    const bool ran = runModal([&] { menu ? void(popup.exec(page->mapToGlobal(QPoint()))) : void(ModalGate::exec(box)); },
                              [&](QWidget *over) {
                                  play(over, keys);
                                  if (menu)
                                      sendNativeKey(over, QEvent::KeyPress, 108, Qt::Key_Down);
                                  sendNativeKey(over, QEvent::KeyPress, 28, Qt::Key_Return);
                              });
    sendNativeKey(page, QEvent::KeyRelease, 28, Qt::Key_Return);
    return ran && (menu ? picked : box.result() == QDialog::Accepted);
}
}

class TestMacroRecording : public QObject
{
    Q_OBJECT
private slots:
    // Keys typed at the page, with the time between them, end up in the file after STOP.
    void recordedKeysAreSavedAtStop_data()
    {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<QString>("defaultDelay");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("rows");
        QTest::newRow("A with 250 ms between") << 1 << "" << "30+ @250 30-" << "132/0/4 6/0/25 4/0/4";
        QTest::newRow("short gaps give 10 ms")
            << 1 << "" << "30+ @7 30- @19 48+ @0 48-" << "132/0/4 6/0/1 4/0/4 6/0/1 132/0/5 6/0/1 4/0/5";
        QTest::newRow("default delay") << 2 << "55" << "30+ @250 30- @3 48+ 48-"
                                      << "132/0/4 6/0/5 4/0/4 6/0/5 132/0/5 6/0/5 4/0/5";
        QTest::newRow("held key once") << 0 << "" << "30+ 30* 30* @900 30* 30-" << "132/0/4 4/0/4";
        QTest::newRow("twin keys stay apart")
            << 0 << "" << "105+ 105- 75+ 75- 97+ 97- 29+ 29- 96+ 96- 28+ 28- 100+ 100-"
            << "132/0/80 4/0/80 132/0/92 4/0/92 132/0/228 4/0/228 132/0/224 4/0/224 132/0/88 4/0/88 "
               "132/0/40 4/0/40 132/0/230 4/0/230";
        QTest::newRow("with Alt held") << 0 << "" << "56+ 105+ 105- 105+ 105- 75+ 75- 56-"
                                       << "132/0/226 132/0/80 4/0/80 132/0/80 4/0/80 132/0/92 4/0/92 4/0/226";
        QTest::newRow("key without usage records nothing")
            << 1 << "" << "30+ @100 86+ @100 86- @100 30-" << "132/0/4 6/0/30 4/0/4";
        QTest::newRow("long gap is clamped") << 1 << "" << "30+ @1000000 30-" << "132/0/4 6/255/255 4/0/4";
    }
    void recordedKeysAreSavedAtStop()
    {
        QFETCH(int, delayType);
        QFETCH(QString, defaultDelay);
        QFETCH(QString, keys);
        QFETCH(QString, rows);
        MacroFixture fx;
        MacroFixture::writeMacro("m", "129/0/1 1/0/1", DelayNone);
        auto page = shownPage();
        chooseDelayType(*page, delayType, defaultDelay);
        click(page->button(MacroDialog::StartButton));
        QVERIFY(page->isRecording());
        QCOMPARE(page->actionModel()->rowCount(), 0);
        play(page.get(), keys);
        click(page->button(MacroDialog::StopButton));
        QVERIFY(!page->hasHook());

        const MacroFile file = readMacroFile("m");
        QCOMPARE(rowsText(file.rows), rows);
        QCOMPARE(file.delayType, delayType);
        QCOMPARE(file.defaultDelay, defaultDelay.isEmpty() ? 10 : defaultDelay.toInt());
        QCOMPARE(file.loopTime, 1);
        QVERIFY(file.writeSign);
        QCOMPARE(rowsText(page->actionRows()), rows);
    }

    // The mouse holds 63 rows, or 40 without delay rows: recording and inserts stop
    // there, and a refused insert says why.
    void rowLimits_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("message");
        const QString at40 = "A macro without a delay holds at most 40 rows.", at63 = "A macro holds at most 63 rows.";
        const QString keys38 = rowsText(QVector<MacroAction>(38, MacroAction{MacroKeyPress, 0, 4}));
        const QString keys39 = keys38 + " 132/0/4";
        QString delays59 = "6/0/1";
        for (int i = 1; i < 59; ++i)
            delays59 += " 132/0/4";
        QTest::newRow("recording without delays") << "" << 0 << "record" << 40 << "";
        QTest::newRow("recording with delays") << "" << 1 << "record" << 63 << "";
        QTest::newRow("click fits without delays") << keys38 << 0 << "tree" << 40 << "";
        QTest::newRow("click past 40 inserts nothing") << keys39 << 0 << "tree" << 39 << at40;
        QTest::newRow("click fits with delays") << delays59 << 1 << "tree" << 63 << "";
        QTest::newRow("click past 63 inserts nothing") << delays59 + " 132/0/4" << 1 << "tree" << 60 << at63;
        QTest::newRow("move entry past 40") << keys39 + " 132/0/4" << 0 << "move" << 40 << at40;
        QTest::newRow("move entry past 63") << delays59 + " 132/0/4 132/0/4 132/0/4" << 2 << "move" << 62 << at63;
        QTest::newRow("a delay lifts the limit") << keys38 + " 132/0/4 132/0/4" << 0 << "delay" << 41 << "";
        QTest::newRow("delay past 63") << delays59 + " 132/0/4 132/0/4 132/0/4 132/0/4" << 0 << "delay" << 63 << at63;
    }
    void rowLimits()
    {
        QFETCH(QString, start);
        QFETCH(int, delayType);
        QFETCH(QString, action);
        QFETCH(int, count);
        QFETCH(QString, message);
        MacroFixture fx;
        MacroFixture::writeMacro("m", start, delayType);
        auto page = shownPage();
        QCOMPARE(page->delayType(), delayType);
        if (action == "record") {
            click(page->button(MacroDialog::StartButton));
            play(page.get(), taps(40));
            click(page->button(MacroDialog::StopButton));
            QCOMPARE(readMacroFile("m").rows.size(), count);
            return;
        }
        click(page->button(MacroDialog::MouseActionButton));
        QuorTreeWidget *tree = page->commandTree();
        const QPoint left = tree->visualItemRect(tree->topLevelItem(0)).center();
        QVERIFY(answerMessage([&] {
            if (action == "tree") {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, left); // opens the entry
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, left);
            } else if (action == "move") {
                click(page->moveEntry(0));
            } else {
                click(page->button(MacroDialog::InsertDelayButton));
            }
        }, message));
        QCOMPARE(page->actionModel()->rowCount(), count);
        QVERIFY(!fx.watchdog.fired());
    }

    // A key captured into the macro goes nowhere else: Tab, Tab, Space neither move
    // the focus nor press SAVE, CANCEL or STOP, in the key editor and in a recording
    // that has reached the row limit.
    void capturedKeysGoNowhereElse_data()
    {
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QString>("rows");  // the table after the keys
        QTest::addColumn<QString>("saved"); // and once saved: Space let go at the end
        QTest::newRow("key editor") << false << "132/0/44 4/0/4" << "132/0/44 4/0/4 4/0/44";
        const QString limit = QString("132/0/4 4/0/4 ").repeated(20).trimmed();
        QTest::newRow("recording at the limit") << true << limit << limit;
    }
    void capturedKeysGoNowhereElse()
    {
        QFETCH(bool, recording);
        QFETCH(QString, rows);
        QFETCH(QString, saved);
        MacroFixture fx;
        MacroFixture::writeMacro("m", "132/0/4 4/0/4", DelayNone);
        auto page = shownPage();
        QVERIFY(QTest::qWaitForWindowActive(page.get()));
        if (recording) {
            click(page->button(MacroDialog::StartButton));
            play(page.get(), taps(20));
        } else {
            clickRow(*page, 0);
            click(page->button(MacroDialog::EditButton));
        }
        QVERIFY(page->hasHook());
        QWidget *focus = QApplication::focusWidget();
        for (const auto &key : {std::pair{15, Qt::Key_Tab}, {15, Qt::Key_Tab}, {57, Qt::Key_Space}})
            tapNativeKey(page.get(), key.first, key.second);
        QCOMPARE(QApplication::focusWidget(), focus);
        QCOMPARE(QVector<int>({page->isRecording(), page->isKeyEditing(), page->delayType()}),
                 QVector<int>({recording, !recording, DelayNone}));
        QCOMPARE(rowsText(page->actionRows()), rows);
        QCOMPARE(rowsText(readMacroFile("m").rows), QString("132/0/4 4/0/4"));
        QVERIFY(answerMessage([&] { click(page->button(recording ? MacroDialog::StopButton : MacroDialog::SaveButton)); },
                              saved == rows ? QString() : QString("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")));
        QCOMPARE(rowsText(readMacroFile("m").rows), saved);
    }

    // While recording, STOP and the two delay boxes are the only controls left, and
    // STOP saves into the macro that was current at START.
    void recordingLocksThePage()
    {
        MacroFixture fx({"first", "second"});
        MacroFixture::writeMacro("first", "129/0/1 1/0/1");
        MacroFixture::writeMacro("second", "", DelayNone);
        auto page = shownPage();
        QSignalSpy enabled(page.get(), &MacroDialog::EnableButtonsSignal);
        clickListRow(*page, 1);
        QCOMPARE(page->nameEdit()->text(), QString("second"));
        click(page->button(MacroDialog::StartButton));
        QVERIFY(page->hasHook());
        QCOMPARE(enabled.takeFirst().at(0).toBool(), false);
        for (int b = 0; b < MacroDialog::KeyEditorButton; ++b) {
            if (b != MacroDialog::StopButton && b != MacroDialog::StartButton)
                QVERIFY2(!page->button(MacroDialog::PageButton(b))->isEnabled(), qPrintable(QString::number(b)));
        }
        QVERIFY(page->button(MacroDialog::StopButton)->isEnabled());
        for (QWidget *w : std::initializer_list<QWidget *>{page->batchBox(), page->macroList(), page->nameEdit(),
                                                          page->defaultDelayEdit(), page->commandTree()})
            QVERIFY(!w->isEnabled());
        QVERIFY(page->recordDelayBox()->isEnabled() && page->defaultDelayBox()->isEnabled());

        click(page->recordDelayBox()); // delays on for the next event
        play(page.get(), "30+ @40 30-");
        clickListRow(*page, 0);
        click(page->button(MacroDialog::StopButton));
        QCOMPARE(enabled.takeFirst().at(0).toBool(), true);
        QVERIFY(!page->hasHook());
        QCOMPARE(rowsText(readMacroFile("second").rows), QString("132/0/4 6/0/4 4/0/4"));
        QCOMPARE(rowsText(readMacroFile("first").rows), QString("129/0/1 1/0/1"));
        QVERIFY(page->button(MacroDialog::NewButton)->isEnabled());
    }

    // STOP with a key still down warns, and saves the rows with that key let go last.
    void unreleasedKeyWarnsAndSavesItsRelease()
    {
        MacroFixture fx;
        auto page = shownPage();
        click(page->button(MacroDialog::StartButton));
        play(page.get(), QStringLiteral("%1+").arg(KeyA));
        QVERIFY(answerMessage([&] { click(page->button(MacroDialog::StopButton)); },
                              "ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
        QCOMPARE(rowsText(readMacroFile("m").rows), QString("132/0/4 4/0/4"));
        QCOMPARE(rowsText(page->actionRows()), QString("132/0/4 4/0/4"));
    }

    // STOP without a recorded row changes no file; with no macro START locks nothing.
    void stopWithoutRowsKeepsTheFiles_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("listed macro") << QStringList{"m"};
        QTest::newRow("no macro") << QStringList{};
    }
    void stopWithoutRowsKeepsTheFiles()
    {
        QFETCH(QStringList, listed);
        MacroFixture fx(listed);
        if (!listed.isEmpty())
            MacroFixture::writeMacro("m", "129/0/1 1/0/1");
        auto page = shownPage();
        QSignalSpy enabled(page.get(), &MacroDialog::EnableButtonsSignal);
        click(page->button(MacroDialog::StartButton));
        QVERIFY(page->button(MacroDialog::StartButton)->isHidden());
        QCOMPARE(page->actionModel()->rowCount(), 0);
        QCOMPARE(page->hasHook(), !listed.isEmpty());
        QCOMPARE(page->button(MacroDialog::NewButton)->isEnabled(), listed.isEmpty());
        if (listed.isEmpty())
            QVERIFY(enabled.isEmpty());
        play(page.get(), "86+ 86-");
        click(page->button(MacroDialog::StopButton));
        QVERIFY(!page->button(MacroDialog::StartButton)->isHidden());
        if (listed.isEmpty()) {
            QVERIFY(QDir(fx.folder.configDir() + "/MacroDB").isEmpty());
        } else {
            QCOMPARE(rowsText(readMacroFile("m").rows), QString("129/0/1 1/0/1"));
            QCOMPARE(rowsText(page->actionRows()), QString("129/0/1 1/0/1"));
            QVERIFY(!readMacroFile("m").writeSign);
        }
    }

    // A box over the page while a key row is edited (SAVE refused) or keys are recorded
    // (a box from elsewhere) gets its keys: Return answers it as Ok, Escape closes it.
    // Neither that key nor its release, once the box has gone, reaches the macro; the
    // next key typed does.
    void boxOverThePageTakesItsKeys_data()
    {
        QTest::addColumn<bool>("recording");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("rows"); // the first two rows in the end
        QTest::newRow("edited row, Return") << false << 28 << 1 << "132/0/5 4/0/4";
        QTest::newRow("edited row, Escape") << false << 1 << 0 << "132/0/5 4/0/4";
        QTest::newRow("recording, Return") << true << 28 << 1 << "132/0/4 4/0/4 132/0/5 4/0/5";
        QTest::newRow("recording, Escape") << true << 1 << 0 << "132/0/4 4/0/4 132/0/5 4/0/5";
    }
    void boxOverThePageTakesItsKeys()
    {
        QFETCH(bool, recording);
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(QString, rows);
        MacroFixture fx;
        MacroFixture::writeMacro("m", QString(" 132/0/4 4/0/4").repeated(22), DelayNone);
        auto page = shownPage();
        int result = -1;
        const Qt::Key qtKey = key == 28 ? Qt::Key_Return : Qt::Key_Escape;
        const auto answerBox = [&](QWidget *box) {
            sendNativeKey(box, QEvent::KeyPress, key, qtKey);
            result = box->isVisible() ? -1 : qobject_cast<QDialog *>(box)->result();
        };
        if (recording) {
            click(page->button(MacroDialog::StartButton));
            play(page.get(), "30+ 30-");
            QuorMessageBox box(2, QString(), "Warning", "Dongle Disconnect!", page.get(), false,
                               Qt::FramelessWindowHint);
            QVERIFY(runModal([&] { ModalGate::exec(box); }, answerBox));
        } else {
            clickRow(*page, 0);
            click(page->button(MacroDialog::EditButton));
            QVERIFY(runModal([&] { click(page->button(MacroDialog::SaveButton)); }, answerBox));
            QVERIFY(page->isKeyEditing());
        }
        QCOMPARE(result, answer);
        sendNativeKey(page.get(), QEvent::KeyRelease, key, qtKey);
        QCOMPARE(rowsText(page->actionRows().mid(0, 3)), recording ? "132/0/4 4/0/4" : "132/0/4 4/0/4 132/0/4");
        play(page.get(), "48+ 48-");
        if (recording)
            click(page->button(MacroDialog::StopButton));
        QCOMPARE(rowsText(page->actionRows().mid(0, rows.count(' ') + 1)), rows);
    }

    // A recorded macro reaches the mouse's slot as the upload packs it. A key held when
    // a box or a popup menu comes over the recording and let go there is let go in the
    // macro: the box still gets its keys, nothing stays down in the macro that reaches
    // the mouse, and the next press of that key is recorded.
    void recordingPacksIntoTheMouseSlot_data()
    {
        QTest::addColumn<QString>("over"); // "box", "menu" or nothing coming over "25+ @100"
        QTest::addColumn<QString>("atBox"); // keys played at it before its answer
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("slot");
        const QString pq = "841300 060f00 041300 060300 841400 060200 041400 000000";
        QTest::newRow("no box") << "" << "" << "@150 25- @1234 48+ @30 48-"
                                << "841300 061900 041300 067b00 840500 060300 040500 000000";
        QTest::newRow("box, then q") << "box" << "@50 25-" << "@30 16+ @20 16-" << pq;
        QTest::newRow("box, then p again") << "box" << "@50 25-" << "@30 25+ @20 25-"
                                           << "841300 060f00 041300 060300 841300 060200 041300 000000";
        QTest::newRow("let go after the box") << "box" << "@50" << "25- @30 16+ @20 16-" << pq;
        QTest::newRow("popup menu") << "menu" << "@50 25-" << "@30 16+ @20 16-" << pq;
    }
    void recordingPacksIntoTheMouseSlot()
    {
        QFETCH(QString, over);
        QFETCH(QString, atBox);
        QFETCH(QString, after);
        QFETCH(QString, slot);
        DeviceFixture fx;
        fx.writeMacro("m", {});
        IniFile ini(configIniPath());
        ini.setValue("MACRO_LIST/0", "m");
        ini.setValue("FONT_LIST/FONT_0", "DejaVu Sans");
        QVERIFY(ini.commit());
        ModalWatchdog watchdog(10000);
        MacroFixture::s_now = 5000;
        setClockFunctionForTests(&MacroFixture::clock);
        const auto realClock = qScopeGuard([] { setClockFunctionForTests(nullptr); });
        auto page = shownPage();
        click(page->recordDelayBox());
        click(page->button(MacroDialog::StartButton));
        play(page.get(), "25+ @100");
        if (!over.isEmpty())
            QVERIFY(answerOver(page.get(), over == "menu", atBox));
        play(page.get(), after);
        click(page->button(MacroDialog::StopButton));
        QVERIFY(!watchdog.fired()); // no warning of a key left down
        QVERIFY(takeMacroWriteSign("m"));

        ButtonSlot &button = deviceSettings.profiles[0].buttons[1];
        button.Fun = FunMacro;
        button.macroname = "m";
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(uploadMacros(), quint8(0));
        const QByteArray expected = QByteArray::fromHex(slot.toLatin1());
        QCOMPARE(fx.mouse().state().macroSlot(0).left(expected.size()), expected);
    }

    // A damaged macro opened says so once and shows its whole rows only; SAVE lets go
    // what those leave pressed, so the mouse runs the saved macro with nothing held.
    void damagedMacroOpensWholeAndSavesReleased_data()
    {
        QTest::addColumn<int>("cut");       // bytes cut off the end
        QTest::addColumn<QString>("edit");  // "pattern>replacement"
        QTest::addColumn<QString>("shown"); // the rows kept of FiveKeysTyped
        QTest::addColumn<QString>("added"); // the releases SAVE adds
        const QString all = FiveKeysTyped;
        QTest::newRow("whole") << 0 << "" << all << "";
        QTest::newRow("cut inside the change mark") << 2 << "" << all << "";
        QTest::newRow("cut by 14 bytes, inside the last row") << 14 << "" << all.chopped(6) << "4/0/8";
        QTest::newRow("a row's type not a number") << 0 << "Map_3=4\n>Map_3=x\n"
                                                   << QString(all).remove("4/0/5 ") << "4/0/5";
    }
    void damagedMacroOpensWholeAndSavesReleased()
    {
        QFETCH(int, cut);
        QFETCH(QString, edit);
        QFETCH(QString, shown);
        QFETCH(QString, added);
        DeviceFixture fx;
        IniFile ini(configIniPath());
        ini.setValue("MACRO_LIST/0", "m");
        ini.setValue("FONT_LIST/FONT_0", "DejaVu Sans");
        QVERIFY(ini.commit());
        MacroFile macro;
        macro.rows = rowsFrom(FiveKeysTyped);
        QVERIFY(writeMacroFile("m", macro, WriteSign::Mark));
        QFile file(macroFilePath("m"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QString text = QString::fromLatin1(file.readAll().chopped(cut));
        file.close();
        if (!edit.isEmpty())
            text.replace(QRegularExpression(edit.section('>', 0, 0)), edit.section('>', 1));
        fx.folder.writeFile("Configs/MacroDB/m.MSMACRO", text.toLatin1());

        const bool damaged = cut != 0 || !edit.isEmpty();
        QStringList told;
        if (damaged)
            told << "The macro file m is damaged. Only its whole rows are kept.";
        ModalScript script;
        auto page = shownPage();
        QTRY_COMPARE(script.messages, told);
        QCOMPARE(rowsText(page->actionRows()), shown);
        clickListRow(*page, 0); // the same macro again: nothing more is told
        click(page->button(MacroDialog::SaveButton));
        if (!added.isEmpty())
            told << "ONE OR MORE KEYS HAS NOT BEEN RELEASED.";
        QCOMPARE(script.messages, told);
        const QString saved = added.isEmpty() ? shown : shown + ' ' + added;
        QCOMPARE(rowsText(page->actionRows()), saved);
        QCOMPARE(rowsText(readMacroFile("m").rows), saved);
        QVERIFY(!readMacroFile("m").damaged);

        ButtonSlot &button = deviceSettings.profiles[0].buttons[1];
        button.Fun = FunMacro;
        button.macroname = "m";
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(uploadMacros(), quint8(0));
        QCOMPARE(fx.mouse().state().keysHeldAfterMacro(0).toHex(' '), QByteArray());
        QVERIFY(macroSlotInUse(0));
    }

    // A page destroyed while it records leaves no hook behind to call into it.
    void destroyedWhileRecording()
    {
        MacroFixture fx;
        auto page = shownPage();
        click(page->button(MacroDialog::StartButton));
        QVERIFY(keyboardHookInstalled());
        page.reset();
        QVERIFY(!keyboardHookInstalled());
        QWidget other;
        other.show();
        tapNativeKey(&other, KeyA);
    }
};

MOUSECFG_TEST(TestMacroRecording)
#include "TestMacroRecording.moc"
