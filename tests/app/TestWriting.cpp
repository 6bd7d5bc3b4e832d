#include "tests/app/ModalScript.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/TestMain.h"

#include "device/ButtonTable.h"
#include "device/SettingsCommands.h"
#include "pages/QuorSingleDPI.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigExport.h"
#include "storage/FileCopy.h"
#include "storage/IniFile.h"
#include "storage/MacroFile.h"
#include "storage/ModelDescriptor.h"
#include "storage/MouseMacroSlots.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorTwoBarSlider.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QRegularExpression>
#include <QSlider>
#include <QTimer>

namespace {
enum Button { Export = 4, Import = 5, Reset = 6, Add = 7, ResetAll = 10, Ok = 11, Apply = 13, Load = 14, Save = 15 };

QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below the folder with its content.
QMap<QString, QByteArray> filesBelow(const QString &dir)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next();
        files[path] = readFileBytes(path);
    }
    return files;
}

// "N%" keeps that share of the text, "+N" N bytes of its last section, "-N" all but
// the last N bytes, "after <line>" up to that line; "no <key>" drops that key's line
// from the last section.
QByteArray cutShort(const QByteArray &text, const QString &how)
{
    const int lastSection = text.lastIndexOf("\n[") + 1;
    if (how.startsWith("after "))
        return text.left(text.indexOf(how.mid(6).toLatin1() + '\n') + how.size() - 5);
    if (how.endsWith('%'))
        return text.left(int(qint64(text.size()) * how.chopped(1).toInt() / 100));
    if (how.startsWith('+'))
        return text.left(lastSection + how.toInt());
    if (how.startsWith('-'))
        return text.left(text.size() + how.toInt());
    const int line = text.indexOf("\n" + how.mid(3).toLatin1() + "=", lastSection) + 1;
    return text.left(line) + text.mid(text.indexOf('\n', line) + 1);
}

// The settled window shown on its DPI page, the first stage moved one step there: its X.
quint32 editFirstStage(WindowFixture &fixture)
{
    fixture.openSettled().show();
    fixture.window->switchPage(MousecfgWidget::DpiTab);
    QuorDPIWindow *page = MousecfgWidgetProbe(*fixture.window).dpiPage();
    QTest::keyClick(page->row(0)->slider()->middleBar(), Qt::Key_Right);
    return page->profileData().stages[0].x;
}

// A macro that presses and lets go the key of HID usage `usage`.
bool writeKeyMacro(const QString &name, int usage, WriteSign sign = WriteSign::Leave)
{
    MacroFile m;
    m.rows = {{MacroKeyPress, 0, quint8(usage)}, {MacroKeyRelease, 0, quint8(usage)}};
    return writeMacroFile(name, m, sign) && (findMacroSlot(name) >= 0 || addToMacroList(name) >= 0);
}

void bindMacro(int slot, int button, const QString &name)
{
    workingSettings.profiles[size_t(slot)].buttons[size_t(button)] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, name};
}

// The rows the button of the profile runs on the mouse: "84kk00 04kk00" for a key macro,
// empty when the button runs no macro.
QByteArray macroRunBy(const FakeMouseState &state, int profile, int button)
{
    const QByteArray entry = state.buttonEntryOf(profile, buttonMatrix[size_t(button)]);
    if (quint8(entry.at(0)) != findButtonFunction(FunMacro)->code)
        return QByteArray();
    return state.macroSlotOf(profile, quint8(entry.at(1)) & 0x3F).left(6).toHex();
}

QByteArray keyMacroRows(int usage)
{
    QByteArray rows = QByteArray::fromHex("840000040000");
    rows[1] = rows[4] = char(usage);
    return rows.toHex();
}
}

class TestWriting : public QObject
{
    Q_OBJECT
private slots:
    // A stage, a button and a lighting effect of slot 3 reach the mouse in one bracket,
    // through Apply and through OK alike.
    void applyWritesTheCurrentSlot_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("Apply") << int(Apply);
        QTest::newRow("OK") << int(Ok);
    }
    void applyWritesTheCurrentSlot()
    {
        QFETCH(int, button);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        window.show();
        probe.slotMenuEntry(2)->trigger();
        window.switchPage(MousecfgWidget::DpiTab);
        QTest::keyClick(probe.dpiPage()->row(0)->slider()->middleBar(), Qt::Key_Right);
        ButtonSlot &slot = workingSettings.profiles[2].buttons[0];
        slot.Fun = FunSingleKey;
        slot.Res1 = 30; // A
        window.switchPage(MousecfgWidget::LightingTab);
        probe.lightingPage()->effectMenu()->actions().at(2)->trigger();
        ModalScript script;
        click(probe.button(button));

        QCOMPARE(script.busyDialogs, 1);
        QCOMPARE(script.messages, QStringList());
        const FakeMouseState state = FakeMouse::instance().state();
        QCOMPARE(state.sessionBegins, 1);
        QCOMPARE(state.sessionEnds, 1);
        const ProfileRecord &written = workingSettings.profiles[2];
        QVERIFY(written.stages[0].x != workingSettings.profiles[0].stages[0].x);
        std::array<quint8, DpiStageRecordSize> stage{};
        buildDpiStageRecord(2, 0, dpiStageCountToSend(), stage.data());
        QVERIFY(std::equal(stage.begin(), stage.end(), state.dpi.begin() + 1));
        QCOMPARE(state.buttonEntry(buttonMatrix[0]).toHex(), QByteArray("90000400"));
        decltype(state.lighting) lighting{};
        buildLightingTable(written, lighting.data());
        QVERIFY(state.lighting == lighting);
        QCOMPARE(FakeMouse::instance().protocolErrors().total(), 0);
        QCOMPARE(window.isVisible() && !window.isMinimized(), button == Apply);
    }

    // A file saved without a suffix takes the one of its filter, as the open dialogs
    // look for it; a name with a dot is kept as typed.
    void savedFilesTakeTheFilterSuffix_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("profile export") << int(Export) << "myprofile" << "myprofile.prof";
        QTest::newRow("SAVE") << int(Save) << "mysetup" << "mysetup.conf";
        QTest::newRow("SAVE, a dot in the name") << int(Save) << "my.setup" << "my.setup";
    }
    void savedFilesTakeTheFilterSuffix()
    {
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        ModalScript script({fixture.folder.path() + "/" + typed});
        click(probe.button(button));
        QCOMPARE(script.messages, QStringList());
        QCOMPARE(QDir(fixture.folder.path()).entryList({typed + "*"}, QDir::Files), QStringList{saved});
        QCOMPARE(readMouseName(fixture.folder.path() + "/" + saved), QStringLiteral("QM700"));
    }

    // SAVE writes what the pages show, a rate and a stage not applied too; the working
    // block, the slot's file and the mouse keep what was applied.
    void saveWritesWhatThePagesShow()
    {
        WindowFixture fixture;
        const quint32 shownX = editFirstStage(fixture);
        MousecfgWidgetProbe probe(*fixture.window);
        QVERIFY(pickMenuEntry(probe.ratePanel()->rateButton(), "125 HZ"));
        const int current = workingSettings.currentProfile;
        QVERIFY(shownX != workingSettings.profiles[current].stages[0].x);
        const SettingsBlock before = workingSettings;
        const QString slotPath = profileFilePath(workingSettings.names[current]), conf = fixture.folder.path() + "/setup.conf";
        const QByteArray slotFile = readFileBytes(slotPath);
        const int sessions = FakeMouse::instance().state().sessionBegins;
        ModalScript script({conf});
        click(probe.button(Save));
        QCOMPARE(script.messages, QStringList());
        SettingsBlock saved;
        importProfiles(saved, conf);
        QCOMPARE(int(saved.profiles[current].pollrate), 8);
        QCOMPARE(saved.profiles[current].stages[0].x, shownX);
        QVERIFY(detectSettingsChanges(workingSettings, before) == 0 && readFileBytes(slotPath) == slotFile);
        QCOMPARE(FakeMouse::instance().state().sessionBegins, sessions);
    }

    // LOAD1 writes every slot's file: a stored profile that no slot holds is replaced
    // only on the user's yes; a no loads nothing.
    void loadAsksBeforeReplacingAStoredProfile_data()
    {
        QTest::addColumn<bool>("slotsOwn");
        QTest::addColumn<bool>("yes");
        QTest::newRow("listed profile, no") << false << false;
        QTest::newRow("listed profile, yes") << false << true;
        QTest::newRow("a slot's own name") << true << false;
    }
    void loadAsksBeforeReplacingAStoredProfile()
    {
        QFETCH(bool, slotsOwn);
        QFETCH(bool, yes);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        SettingsBlock conf = workingSettings;
        conf.names[1] = "Local";
        conf.profiles[1].mousespeed = 17;
        QVERIFY(saveProfile(0, conf.profiles[1], modelProfileFilePath("QM700", "Local")));
        conf.profiles[1].mousespeed = 13;
        if (slotsOwn)
            workingSettings.names[1] = "Local";
        const QString confPath = fixture.folder.path() + "/local.conf";
        QVERIFY(writeMouseName("QM700", confPath) && exportProfiles(conf, confPath));

        const QString question = "Are you sure you want replace the stored profiles of the same name?";
        ModalScript script({confPath});
        if (!yes)
            script.refused << question;
        click(probe.button(Load));
        QCOMPARE(script.messages, slotsOwn ? QStringList() : QStringList{question});
        const bool loaded = yes || slotsOwn;
        QCOMPARE(workingSettings.names[1] == "Local", loaded);
        QCOMPARE(IniFile(existingProfileFile("Local")).number("PROFILE/mousespeed"), loaded ? 13 : 17);
    }

    // Reset All and a loaded configuration send all four parts although nothing differs.
    void fullWrites_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("questions");
        QTest::newRow("Reset All") << int(ResetAll) << QStringList{"Are you sure you want reset all profiles?"};
        // Slot 1 is named "Mine" meanwhile: the stored "Profile 1" would be replaced.
        QTest::newRow("LOAD1") << int(Load)
                               << QStringList{"Are you sure you want replace the stored profiles of the same name?"};
    }
    void fullWrites()
    {
        QFETCH(int, button);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        const QString conf = fixture.folder.path() + "/saved.conf";
        ModalScript script({conf, conf});
        click(probe.button(Save));
        // The mouse holds another button 2 on profile 2 than the factory one.
        for (SettingsBlock *block : {&workingSettings, &lastWrittenSettings})
            block->profiles[1].buttons[1].Fun = FunMiddle;
        workingSettings.names[0] = QStringLiteral("Mine");
        probe.nameEdit()->setText("Mine");
        FakeMouse::instance().clearLog();
        click(probe.button(button));
        QCOMPARE(script.busyDialogs, 1);
        QTEST(script.messages, "questions");
        for (int command = 1; command <= 4; ++command)
            QCOMPARE(FakeMouse::instance().state().transfersApplied[size_t(command)], 1);
        // The name edit shows the current slot's name again.
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("Profile 1"));
        // Profile 2 goes out once the mouse has switched to it.
        window.slotRefreshStatus(1, workingSettings.profiles[1].dpi, workingSettings.profiles[1].pollrate, 0);
        FakeMouse::instance().clearLog();
        click(probe.button(Apply));
        QVERIFY(FakeMouse::instance().commandSequence().contains(char(0x03)));
    }

    // Slots of one name in a loaded configuration would share one file: the later one
    // takes the copy name no file or slot holds, and every slot keeps its own values
    // across a restart.
    void repeatedSlotNamesKeepTheirValues_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("storedFile");
        QTest::addColumn<QStringList>("loaded");
        const QStringList two{"Profile 1", "Profile 2", "Local", "Local", "Profile 5"};
        QTest::newRow("two slots") << two << "" << QStringList{"Profile 1", "Profile 2", "Local", "Local copy", "Profile 5"};
        QTest::newRow("a file holds the copy name")
            << two << "Local copy" << QStringList{"Profile 1", "Profile 2", "Local", "Local copy 2", "Profile 5"};
        QTest::newRow("a slot holds the copy name")
            << QStringList{"Local copy", "Profile 2", "Local", "Local", "Local"}
            << "" << QStringList{"Local copy", "Profile 2", "Local", "Local copy 2", "Local copy 3"};
    }
    void repeatedSlotNamesKeepTheirValues()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, storedFile);
        QFETCH(QStringList, loaded);
        WindowFixture fixture;
        fixture.openSettled();
        SettingsBlock file = workingSettings;
        for (int i = 0; i < ProfileCount; ++i) {
            file.names[size_t(i)] = names[i];
            file.profiles[size_t(i)].scrollspeed = quint8(11 + i);
        }
        const QString conf = fixture.folder.path() + "/repeated.conf";
        QVERIFY(writeMouseName(readCurrentProductName(), conf) && exportProfiles(file, conf));
        if (!storedFile.isEmpty())
            QVERIFY(saveProfile(0, workingSettings.profiles[0], modelProfileFilePath(readCurrentProductName(), storedFile)));
        ModalScript script({conf});
        click(MousecfgWidgetProbe(*fixture.window).button(Load));
        QCOMPARE(script.busyDialogs, 1);
        fixture.reopen();
        for (int i = 0; i < ProfileCount; ++i) {
            QCOMPARE(workingSettings.names[size_t(i)], loaded[i]);
            QCOMPARE(int(workingSettings.profiles[size_t(i)].scrollspeed), 11 + i);
        }
    }

    // What a write leaves for slot 3 while slot 1 is current reaches the mouse once slot 3
    // is taken, also after a restart: its stages after Reset All or a loaded
    // configuration, a macro only slot 3 uses after it was edited and saved.
    void waitingSlotGoesOutOnItsTurn_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("restart");
        QTest::newRow("Reset All, restart") << "reset" << true;
        QTest::newRow("LOAD1, restart") << "load" << true;
        QTest::newRow("macro, same window") << "macro" << false;
        QTest::newRow("macro, restart") << "macro" << true;
    }
    void waitingSlotGoesOutOnItsTurn()
    {
        QFETCH(QString, change);
        QFETCH(bool, restart);
        WindowFixture fixture;
        fixture.openSettled();
        const auto probe = [&] { return MousecfgWidgetProbe(*fixture.window); };
        FakeMouse &mouse = FakeMouse::instance();
        // Slot 3 as the mouse and its file hold it.
        ProfileRecord held = workingSettings.profiles[2];
        for (int i = 0; i < DpiStageCount; ++i)
            held.stages[size_t(i)].x = held.stages[size_t(i)].y = quint32(20 + 10 * i);
        held.buttons[0].Fun = FunMacro;
        held.buttons[0].macroname = "M";
        MacroFile m;
        m.rows = {{MacroKeyPress, 0, 5}, {MacroKeyRelease, 0, 5}};
        QVERIFY(writeMacroFile("M", m, WriteSign::Leave));
        const QString conf = fixture.folder.path() + "/stages.conf";
        if (change == "load") {
            SettingsBlock file = workingSettings;
            file.profiles[2].stages = held.stages;
            QVERIFY(writeMouseName(readCurrentProductName(), conf) && exportProfiles(file, conf));
        } else {
            QVERIFY(saveProfileFile(held, "Profile 3"));
            workingSettings.profiles[2] = lastWrittenSettings.profiles[2] = held;
        }
        m.rows[0].dataL = m.rows[1].dataL = 4;
        QVERIFY(change != "macro" || writeMacroFile("M", m, WriteSign::Mark));
        ModalScript script({conf});
        mouse.clearLog();
        click(probe().button(change == "reset" ? ResetAll : change == "load" ? Load : Apply));
        QCOMPARE(script.busyDialogs, 1);
        QVERIFY(!mouse.commandSequence().contains(char(0x05)));
        QCOMPARE(readWaitingProfiles(), 1 << 2);
        QCOMPARE(readMacroFile("M").writeSign, change == "macro");
        const auto stages = workingSettings.profiles[2].stages;
        if (restart)
            fixture.reopen();
        probe().slotMenuEntry(2)->trigger();
        mouse.clearLog();
        click(probe().button(Apply));
        const FakeMouseState state = mouse.state();
        QVERIFY(mouse.commandSequence().contains(char(change == "macro" ? 0x05 : 0x02)));
        if (change == "macro") {
            QCOMPARE(state.macroSlot(0).left(12), QByteArray::fromHex("840400 040400 060100 000000"));
            QVERIFY(!readMacroFile("M").writeSign);
        } else {
            QVERIFY(stages[0].x != held.stages[0].x || change == "load");
            for (int i = 0; i < DpiStageCount; ++i)
                QCOMPARE(state.dpiFirstValue(i), quint16(stages[size_t(i)].x));
        }
        QCOMPARE(readWaitingProfiles(), 0);
        QCOMPARE(readConfigDiff(), 0);
        mouse.clearLog();
        click(probe().button(Apply));
        QVERIFY(!mouse.commandSequence().contains(char(0x46)));
    }

    // A macro that buttons of slots 1 and 3 run, deleted with Yes: each button shows its
    // factory function and sends it with the next Apply of its slot, also after a
    // restart; the mouse is left with no button that runs a macro.
    void deletedMacroLeavesNoButton_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("same window") << false;
        QTest::newRow("restart") << true;
    }
    void deletedMacroLeavesNoButton()
    {
        QFETCH(bool, restart);
        WindowFixture fixture;
        fixture.seedProfiles();
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        QVERIFY(writeMacroFile("M", MacroFile{}, WriteSign::Leave) && addToMacroList("M") >= 0);
        const std::array<std::pair<int, int>, 2> uses{{{0, 3}, {2, 4}}}; // slot, button
        for (const auto &[slot, n] : uses) {
            ProfileRecord held = factory;
            held.buttons[size_t(n)] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, "M"};
            QVERIFY(saveProfileFile(held, QStringLiteral("Profile %1").arg(slot + 1)));
        }
        writeConfigDiff(1);
        fixture.open();
        const auto probe = [&] { return MousecfgWidgetProbe(*fixture.window); };
        ModalScript script;
        const auto apply = [&] { click(probe().button(Apply)); return FakeMouse::instance().state(); };
        const char macroCode = char(findButtonFunction(FunMacro)->code);
        QCOMPARE(apply().buttonEntry(buttonMatrix[3]).at(0), macroCode);
        fixture.window->switchPage(MousecfgWidget::MacroTab);
        click(probe().macroPage()->button(MacroDialog::DeleteMacroButton));
        const QStringList asked{"A button uses this macro. Delete it all the same?"};
        QCOMPARE(script.messages, asked);
        if (restart)
            fixture.reopen();
        for (const auto &[slot, n] : uses) {
            probe().slotMenuEntry(slot)->trigger();
            const ButtonFunction *row = findButtonFunction(factory.buttons[size_t(n)].Fun);
            QuorBtnWindow *page = probe().buttonPage();
            QCOMPARE(page->slotButton(n)->caption(), page->functionAction(row->fun)->text());
            const FakeMouseState state = apply();
            const char entry[] = {char(row->code), char(row->b1), char(row->b2), char(row->b3)};
            QCOMPARE(state.buttonEntry(buttonMatrix[size_t(n)]), QByteArray(entry, 4));
            for (int e = 0; e < ButtonTableEntries; ++e)
                QVERIFY(state.buttonEntry(e).at(0) != macroCode);
        }
        QCOMPARE(script.messages, asked);
    }

    // The effect chosen on the lighting page goes out in the LED mode byte and the
    // lighting table of the record the page edits (profile 0 for "X642"), once.
    void lightingEffectReachesTheMouseOnce_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("lit");
        QTest::newRow("slot 1") << "QM700" << 0 << 0;
        QTest::newRow("slot 2") << "QM700" << 1 << 1;
        QTest::newRow("X642, slot 2") << "X642" << 1 << 0;
    }
    void lightingEffectReachesTheMouseOnce()
    {
        QFETCH(QString, product);
        QFETCH(int, slot);
        QFETCH(int, lit);
        WindowFixture fixture;
        IniFile ini(configIniPath());
        ini.setValue("Mouse_List/0", product);
        QVERIFY(ini.commit() && writeCurrentProductName(product));
        MousecfgWidgetProbe probe(fixture.openSettled());
        ModalScript script;
        // The slot switch written first: the effect alone must set off the settings.
        probe.slotMenuEntry(slot)->trigger();
        click(probe.button(Apply));
        // BREATHING, effect 2: device LED mode 3.
        probe.lightingPage()->effectMenu()->actions().at(1)->trigger();
        const ProfileRecord &record = workingSettings.profiles[size_t(lit)];
        QCOMPARE(int(record.LedMode), 2);
        FakeMouse &mouse = FakeMouse::instance();
        click(probe.button(Apply));
        QCOMPARE(script.messages, QStringList());
        const FakeMouseState state = mouse.state();
        QCOMPARE(int(state.ledMode()), 3);
        decltype(state.lighting) lighting{};
        buildLightingTable(record, lighting.data());
        QVERIFY(state.lighting == lighting);
        mouse.clearLog();
        click(probe.button(Apply));
        QVERIFY(!mouse.commandSequence().contains(char(0x46)));
    }

    void failuresAreShown_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("bracket");
        QTest::newRow("mouse off") << "off" << int(Apply) << "Mouse is sleeping or not connected." << false;
        QTest::newRow("write failure, OK") << "write" << int(Ok) << "Send data failed, please try again." << false;
        QTest::newRow("settings file") << "file" << int(Apply) << "The settings could not be saved." << false;
        QTest::newRow("another model's file") << "model" << int(Load) << "The file is not match current mouse!" << false;
        // Files of this mouse that hold the other kind: their missing keys would load as zeros.
        QTest::newRow("profile file loaded") << "prof" << int(Load) << "The file is not a complete configuration file."
                                             << false;
        QTest::newRow("configuration imported") << "conf" << int(Import) << "The file is not a profile file." << false;
        QTest::newRow("configuration cut short") << "cut" << int(Load) << "The file is not a complete configuration file."
                                                 << false;
        // Cut anywhere (into slot 5's section, inside the last number "scrollspeed=17",
        // before the last line break), or lacking only the last key written: as a file of
        // another kind.
        for (const char *how : {"2%", "99%", "-2", "-1", "no LedMode\\LED_MODE_13_breath"})
            QTest::addRow("profile cut %s", how) << QString("prof cut ") + how << int(Import)
                                                 << "The file is not a profile file." << false;
        for (const char *how : {"50%", "+200", "-2", "-1", "no LedMode\\LED_MODE_13_breath"})
            QTest::addRow("configuration cut %s", how) << QString("conf cut ") + how << int(Load)
                                                       << "The file is not a complete configuration file." << false;
    }
    void failuresAreShown()
    {
        QFETCH(QString, fault);
        QFETCH(int, button);
        QFETCH(QString, message);
        QFETCH(bool, bracket);
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        mouse.setMouseOff(fault == "off");
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        window.show();
        if (fault == "off")
            QTRY_COMPARE(probe.batteryBar()->drawnText(), QStringLiteral("MOUSE OFF"));
        const QString conf = fixture.folder.path() + "/other.conf";
        writeMouseName(fault == "model" ? QStringLiteral("Another Mouse") : readCurrentProductName(), conf);
        SettingsBlock exported = workingSettings;
        exported.profiles[4].scrollspeed = 17;
        if (fault.startsWith("prof")) {
            QVERIFY(copyFileReplacing(profileFilePath("Profile 2"), conf) == CopyResult::Copied
                    && writeMouseName(readCurrentProductName(), conf));
            IniFile ini(conf);
            ini.setValue("PROFILE/scrollspeed", 17);
            QVERIFY(ini.commit());
        }
        if (fault.startsWith("conf") || fault == "cut")
            QVERIFY(exportProfiles(exported, conf));
        if (fault == "cut") {
            QFile file(conf);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(file.readAll().indexOf("[PROFILE_4]")));
        }
        if (fault.contains(" cut "))
            fixture.folder.writeFile("other.conf", cutShort(readFileBytes(conf), fault.section(' ', 2)));
        const SettingsBlock before = workingSettings;
        writeConfigDiff(1);
        mouse.clearLog();
        if (fault == "write")
            mouse.armFault(FakeFault::WriteFailure);
        // The current slot's file cannot be written.
        if (fault == "file")
            QVERIFY(QFile::remove(profileFilePath("Profile 1")) && QDir().mkpath(profileFilePath("Profile 1")));
        // The factory profile file the first paint writes is in before the files are read.
        QTRY_VERIFY(QFile::exists(modelProfileFilePath(readCurrentProductName(), "DefaultProfile")));
        const QMap<QString, QByteArray> files = filesBelow(fixture.folder.configDir());
        ModalScript script({conf});
        click(probe.button(button));
        QCOMPARE(script.messages, QStringList{message});
        QCOMPARE(mouse.state().sessionEnds == 1, bracket);
        if (button == Import || button == Load)
            QCOMPARE(filesBelow(fixture.folder.configDir()), files);
        QVERIFY(fault != "off" || !mouse.commandSequence().contains(char(0x46)));
        // OK hides the window whatever the outcome.
        QCOMPARE(window.isMinimized() || window.isHidden(), button == Ok);
        if (button != Apply && button != Ok)
            QVERIFY(workingSettings.names == before.names && detectSettingsChanges(workingSettings, before) == 0);
    }

    // Buttons of three slots run macros, one shared by two slots, written in turn; then
    // one is renamed, one deleted, one edited: every slot's buttons run their own macro's
    // rows, whether the mouse keeps one macro memory or one a profile.
    void macrosOfEverySlotKeepTheirRows_data()
    {
        QTest::addColumn<bool>("perProfile");
        QTest::newRow("one macro memory") << false;
        QTest::newRow("a macro memory a profile") << true;
    }
    void macrosOfEverySlotKeepTheirRows()
    {
        QFETCH(bool, perProfile);
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        mouse.setMacroMemoryPerProfile(perProfile);
        QVERIFY(writeKeyMacro("A", 4) && writeKeyMacro("B", 5) && writeKeyMacro("C", 6));
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        ModalScript script;
        const auto applyOn = [&](int slot) {
            probe.slotMenuEntry(slot)->trigger();
            click(probe.button(Apply));
        };
        const auto runs = [&](int slot, int button) { return macroRunBy(mouse.state(), slot, button); };
        probe.slotMenuEntry(0)->trigger();
        bindMacro(0, 3, "A");
        applyOn(0);
        bindMacro(2, 3, "B");
        bindMacro(2, 4, "A");
        applyOn(2);
        bindMacro(3, 3, "C");
        applyOn(3);
        QCOMPARE(runs(0, 3), keyMacroRows(4));
        QCOMPARE(runs(2, 3), keyMacroRows(5));
        QCOMPARE(runs(2, 4), keyMacroRows(4));
        QCOMPARE(runs(3, 3), keyMacroRows(6));

        window.switchPage(MousecfgWidget::MacroTab);
        MacroDialog *page = probe.macroPage();
        page->macroList()->setCurrentRow(findMacroSlot("C"));
        page->nameEdit()->clear();
        QTest::keyClicks(page->nameEdit(), "C2");
        page->button(MacroDialog::ChangeNameButton)->click();
        page->macroList()->setCurrentRow(findMacroSlot("B"));
        page->button(MacroDialog::DeleteMacroButton)->click();
        QVERIFY(writeKeyMacro("A", 7, WriteSign::Mark));
        for (int slot : {3, 0, 2, 3})
            applyOn(slot);
        QCOMPARE(script.messages, QStringList{"A button uses this macro. Delete it all the same?"});
        QCOMPARE(runs(0, 3), keyMacroRows(7));
        QCOMPARE(runs(2, 3), QByteArray());
        QCOMPARE(runs(2, 4), keyMacroRows(7));
        QCOMPARE(runs(3, 3), keyMacroRows(6));
        QCOMPARE(workingSettings.profiles[3].buttons[3].macroname, QStringLiteral("C2"));
        QCOMPARE(mouse.protocolErrors().total(), 0);
    }

    // Fourteen macros over two slots go out; 21 over three are refused with
    // a box before any report, and the files keep it for a later write.
    void moreMacrosThanTheMouseHoldsAreRefused()
    {
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        MousecfgWidgetProbe probe(fixture.openSettled());
        const std::vector<int> buttons = tableButtonSlots();
        QVERIFY(buttons.size() >= 7);
        ModalScript script;
        for (int slot = 0; slot < 3; ++slot) {
            probe.slotMenuEntry(slot)->trigger();
            for (int i = 0; i < 7; ++i) {
                const QString name = QStringLiteral("M%1").arg(10 * slot + i);
                QVERIFY(writeKeyMacro(name, 4 + i));
                bindMacro(slot, buttons[size_t(i)], name);
            }
            mouse.clearLog();
            click(probe.button(Apply));
            QCOMPARE(mouse.commandSequence().contains(char(0x46)), slot < 2);
        }
        QCOMPARE(script.messages,
                 QStringList{"The profiles use more than 20 macros; the mouse holds 20. Nothing was written."});
        QCOMPARE(readConfigDiff(), 1);
        ProfileRecord file;
        loadProfile(0, file, profileFilePath("Profile 3"));
        QCOMPARE(file.buttons[size_t(buttons[0])].macroname, QStringLiteral("M20"));
    }

    // The mouse switched to profile 2 while the program was closed: the first write of the
    // window's profile 1 makes the mouse's profile 1 again and writes its table there.
    void firstWriteLandsInTheWindowsProfile()
    {
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        mouse.sendStatusReply(FakeLink::Receiver, 1, 0, 1, 0);
        MousecfgWidgetProbe probe(fixture.openSettled());
        const FakeMouseState before = mouse.state();
        ButtonSlot &slot = workingSettings.profiles[0].buttons[3];
        slot.Fun = FunSingleKey;
        slot.Res1 = 30; // A
        ModalScript script;
        click(probe.button(Apply));
        QCOMPARE(script.messages, QStringList());
        const FakeMouseState after = mouse.state();
        QCOMPARE(after.activeProfile, 0);
        QCOMPARE(after.buttonEntryOf(0, buttonMatrix[3]).toHex(), QByteArray("90000400"));
        QVERIFY(after.buttonsOf[1] == before.buttonsOf[1]);
    }

    // A write killed at its second report: the restarted window shows the edit its files
    // hold, and its first Apply, with no edit, sends it.
    void writeKilledAfterItsFirstReportIsSentAfterARestart()
    {
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        const quint32 edited = editFirstStage(fixture);
        QMap<QString, QByteArray> atKill;
        mouse.holdAtCommand(0x01);
        QTimer kill;
        QObject::connect(&kill, &QTimer::timeout, [&] {
            if (!mouse.holding())
                return;
            kill.stop();
            atKill = filesBelow(fixture.folder.configDir());
            mouse.releaseHold();
        });
        kill.start(5);
        ModalScript script;
        click(MousecfgWidgetProbe(*fixture.window).button(Apply));
        QVERIFY(!atKill.isEmpty());
        fixture.window.reset();
        QVERIFY(QDir(fixture.folder.configDir()).removeRecursively());
        for (auto it = atKill.cbegin(); it != atKill.cend(); ++it) {
            QVERIFY(QDir().mkpath(QFileInfo(it.key()).path()));
            fixture.folder.writeFile(QDir(fixture.folder.path()).relativeFilePath(it.key()), it.value());
        }
        QVERIFY(mouse.state().dpiFirstValue(0) != quint16(edited));
        MousecfgWidgetProbe probe(fixture.open());
        QCOMPARE(probe.dpiPage()->profileData().stages[0].x, edited);
        click(probe.button(Apply));
        QCOMPARE(mouse.state().dpiFirstValue(0), quint16(edited));
        QCOMPARE(readConfigDiff(), 0);
    }

    // LOAD1 on a folder that lacks the macro files its buttons run: one box per macro,
    // the buttons keep their names, and each slot runs a lone delay, not a stale macro.
    void missingMacroFilesAreTold()
    {
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        MousecfgWidgetProbe probe(fixture.openSettled());
        QVERIFY(writeKeyMacro("M", 4) && writeKeyMacro("N", 5));
        bindMacro(0, 3, "M");
        bindMacro(0, 4, "N");
        ModalScript script;
        click(probe.button(Apply));
        QCOMPARE(macroRunBy(mouse.state(), 0, 4), keyMacroRows(5));
        const QString conf = fixture.folder.path() + "/setup.conf";
        QVERIFY(writeMouseName(readCurrentProductName(), conf) && exportProfiles(workingSettings, conf));
        QVERIFY(QFile::remove(macroFilePath("M")) && QFile::remove(macroFilePath("N")));
        ModalScript load({conf});
        click(probe.button(Load));
        QCOMPARE(load.messages, (QStringList{"The macro file M is missing.", "The macro file N is missing."}));
        QCOMPARE(workingSettings.profiles[0].buttons[4].macroname, QStringLiteral("N"));
        QCOMPARE(macroRunBy(mouse.state(), 0, 3), QByteArray("060100000000"));
        QCOMPARE(macroRunBy(mouse.state(), 0, 4), QByteArray("060100000000"));
    }

    // A file saved or exported while no mouse is connected carries the model's name:
    // loaded or imported once the mouse is back, it is taken.
    void filesMadeWithoutAMouseAreTakenLater_data()
    {
        QTest::addColumn<int>("save");
        QTest::addColumn<int>("load");
        QTest::addColumn<QString>("file");
        QTest::newRow("SAVE, LOAD1") << int(Save) << int(Load) << "setup.conf";
        QTest::newRow("EXPORT, IMPORT") << int(Export) << int(Import) << "other.prof";
    }
    void filesMadeWithoutAMouseAreTakenLater()
    {
        QFETCH(int, save);
        QFETCH(int, load);
        QFETCH(QString, file);
        WindowFixture fixture(false);
        fixture.seedProfiles();
        const QString path = fixture.folder.path() + "/" + file;
        ModalScript script({path, path});
        MousecfgWidgetProbe probe(fixture.open());
        QTRY_COMPARE(script.messages.size(), 1); // no mouse
        click(probe.button(save));
        QVERIFY(QFile::exists(path));
        fixture.setLink(FakeLink::Receiver, true);
        QTRY_COMPARE(probe.devicePresent(), 1);
        click(probe.button(load));
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(FakeMouse::instance().state().sessionEnds, 1);
    }

    // A settings file that cannot be written holds the write back: the mouse gets no
    // report, the window keeps the edit, and the Apply after the file is free again
    // sends it; then window, files and mouse agree, also after a restart.
    void unsavedFilesHoldBackTheWrite_data()
    {
        QTest::addColumn<QString>("blocked");
        QTest::addColumn<bool>("restart");
        QTest::newRow("the current slot's file") << "Profile 1" << false;
        QTest::newRow("another slot's file") << "Profile 4" << false;
        QTest::newRow("another slot's file, restart before the mend") << "Profile 4" << true;
    }
    void unsavedFilesHoldBackTheWrite()
    {
        QFETCH(QString, blocked);
        QFETCH(bool, restart);
        WindowFixture fixture;
        const auto probe = [&] { return MousecfgWidgetProbe(*fixture.window); };
        const quint32 edited = editFirstStage(fixture);
        FakeMouse &mouse = FakeMouse::instance();
        QVERIFY(quint16(edited) != mouse.state().dpiFirstValue(0));
        const QString path = profileFilePath(blocked);
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
        mouse.clearLog();
        ModalScript script;
        click(probe().button(Apply));
        QCOMPARE(script.messages, QStringList{"The settings could not be saved."});
        QCOMPARE(mouse.commandSequence().replace(char(0x48), QByteArray()), QByteArray()); // status requests only
        QCOMPARE(probe().dpiPage()->profileData().stages[0].x, edited);
        if (restart)
            QCOMPARE(MousecfgWidgetProbe(fixture.reopen()).dpiPage()->profileData().stages[0].x, edited);

        QVERIFY(QDir(path).removeRecursively());
        click(probe().button(Apply));
        QCOMPARE(script.messages.size(), 1);
        QCOMPARE(mouse.state().dpiFirstValue(0), quint16(edited));
        fixture.reopen();
        QCOMPARE(workingSettings.profiles[0].stages[0].x, edited);
        mouse.clearLog();
        click(probe().button(Apply));
        QVERIFY(!mouse.commandSequence().contains(char(0x46)));
    }

    // An Apply of one slot's edit writes that slot's file alone: the other slots' files
    // keep their bytes and their time; Config.ini holds the pending mark only while the
    // write runs, so its text ends as it was.
    void applyWritesOnlyTheEditedSlotsFile()
    {
        WindowFixture fixture;
        editFirstStage(fixture);
        MousecfgWidgetProbe probe(*fixture.window);
        ModalScript script;
        click(probe.button(Apply));
        QStringList files{configIniPath()};
        for (int i = 1; i <= ProfileCount; ++i)
            files << profileFilePath(QStringLiteral("Profile %1").arg(i));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        QMap<QString, QByteArray> before;
        for (const QString &path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
            before[path] = readFileBytes(path);
        }
        QTest::keyClick(probe.dpiPage()->row(0)->slider()->middleBar(), Qt::Key_Right);
        const quint32 edited = probe.dpiPage()->profileData().stages[0].x;
        click(probe.button(Apply));

        QCOMPARE(script.messages, QStringList());
        QCOMPARE(FakeMouse::instance().state().dpiFirstValue(0), quint16(edited));
        QCOMPARE(IniFile(files[1]).number("PROFILE/DPI_INFO_0_x"), qint64(edited));
        QVERIFY(QFileInfo(files[1]).lastModified() > old.addSecs(60));
        files.removeAt(1);
        for (const QString &path : files) {
            QVERIFY(path == configIniPath() || QFileInfo(path).lastModified() == old);
            QCOMPARE(readFileBytes(path), before[path]);
        }
    }

    // A slot file cut short at start-up (inside its last number "scrollspeed=17" too)
    // keeps what it holds and takes the factory values for the rest; it stays as it is
    // until written, and the mouse gets no zeros and no cut number.
    void cutSlotFileTakesFactoryValues_data()
    {
        QTest::addColumn<QString>("cut");
        QTest::newRow("at half") << "50%";
        QTest::newRow("inside the last number") << "-2";
        QTest::newRow("between a macro button's function and its name") << "after BUTTON_INFO_5_Fun=200";
    }
    void cutSlotFileTakesFactoryValues()
    {
        QFETCH(QString, cut);
        WindowFixture fixture;
        fixture.seedProfiles();
        ProfileRecord mine;
        resetProfileToDefaults(mine);
        const ProfileRecord factory = mine;
        mine.buttons[1].Fun = FunMiddle;
        mine.pollrate = 8;
        mine.scrollspeed = 17;
        mine.buttons[5] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, "M"};
        QVERIFY(saveProfileFile(mine, "Profile 1"));
        const QString path = profileFilePath("Profile 1");
        const QByteArray text = cutShort(readFileBytes(path), cut);
        fixture.folder.writeFile("Configs/Profile/Profile 1.prof", text);
        writeConfigDiff(1);
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Profile 1\\.prof\" is incomplete"));
        MousecfgWidget &window = fixture.open();
        const ProfileRecord &loaded = workingSettings.profiles[0];
        QCOMPARE(loaded.buttons[1].Fun, FunMiddle);
        QCOMPARE(loaded.pollrate, cut == "-2" ? quint8(8) : factory.pollrate);
        QCOMPARE(loaded.scrollspeed, factory.scrollspeed);
        // A button is taken whole or from the factory profile whole.
        QCOMPARE(loaded.buttons[5].Fun, cut == "-2" ? FunMacro : factory.buttons[5].Fun);
        QCOMPARE(loaded.buttons[5].macroname, cut == "-2" ? QString("M") : QString());
        QCOMPARE(readFileBytes(path), text);
        ModalScript script;
        click(MousecfgWidgetProbe(window).button(Apply));
        const FakeMouseState state = FakeMouse::instance().state();
        QCOMPARE(state.sessionEnds, 1);
        for (int p = 0; p < ProfileCount; ++p)
            QVERIFY(state.pollRate(p) != 0 && state.scrollSpeed(p) != 0);
        QCOMPARE(int(state.dpiStageCount()), modelDpiStageCount());
        for (int s = 0; s < state.dpiStageCount(); ++s)
            QVERIFY(state.dpiStageUsed(s) == 1 && state.dpiFirstValue(s) != 0);
        QCOMPARE(state.buttonEntry(buttonMatrix[1]).toHex(), QByteArray("83000000"));
        QVERIFY(holdsProfile(path));
    }

    // Config.ini cut inside its last line "0=QM700", a macro or recoil file cut inside
    // its last line: the slot file in the model's folder is read, also once Config.ini
    // is mended, the mouse gets its values and the macro without rows, the user is told.
    void cutFilesHideNothingAndSendNothingHalf_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("recoil");
        QTest::newRow("macro cut inside WriteSign") << 2 << false;
        QTest::newRow("macro cut inside a row") << 14 << false;
        QTest::newRow("recoil cut inside a row") << 2 << true;
    }
    void cutFilesHideNothingAndSendNothingHalf()
    {
        QFETCH(int, cut);
        QFETCH(bool, recoil);
        WindowFixture fixture;
        ProfileRecord mine;
        resetProfileToDefaults(mine);
        mine.pollrate = 8;
        mine.buttons[1] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, "M"};
        const QString modelFile = modelProfileFilePath("QM700", "Profile 1");
        MacroFile macro;
        for (int i = 0; i < 10; ++i)
            macro.rows.append({i % 2 ? MacroKeyRelease : MacroKeyPress, 0, quint8(4 + i / 2)});
        QVERIFY(saveProfile(0, mine, modelFile) && writeMacroFile("M", macro, recoil ? WriteSign::Leave : WriteSign::Mark));
        const QByteArray macroText = readFileBytes(macroFilePath("M")).chopped(cut), userFile = readFileBytes(modelFile);
        fixture.folder.writeFile("Configs/MacroDB/M.MSMACRO", macroText);
        const QByteArray config = readFileBytes(configIniPath()).replace("[Mouse_List]\n0=QM700\n", "") + "\n[Mouse_List]\n0=QM70";
        for (const QByteArray &end : {QByteArray(), QByteArray("0\n")}) {
            fixture.folder.writeFile("Configs/Config.ini", config + end);
            writeConfigDiff(1);
            ModalScript script;
            click(MousecfgWidgetProbe(fixture.open()).button(Apply));
            QCOMPARE(script.messages, QStringList{"The macro file M is damaged."});
            QCOMPARE(FakeMouse::instance().state().pollRate(0), quint8(8));
            QCOMPARE(FakeMouse::instance().state().macroSlot(0), QByteArray::fromHex("060100") + QByteArray(197, '\0'));
            QVERIFY(readFileBytes(configIniPath()).endsWith('\n'));
            fixture.window.reset();
        }
        QVERIFY(readFileBytes(modelFile) == userFile && readFileBytes(macroFilePath("M")) == macroText);
    }

    // A macro cut inside its last row, opened on the macro tab: the window says that
    // only its whole rows are kept; saved there and applied, the mouse runs it with no
    // key left down.
    void damagedMacroSavedInTheEditorLeavesNoKeyDown()
    {
        WindowFixture fixture;
        fixture.seedProfiles();
        ProfileRecord mine;
        resetProfileToDefaults(mine);
        mine.buttons[1] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, "M"};
        QVERIFY(saveProfileFile(mine, "Profile 1"));
        MacroFile macro;
        for (int i = 0; i < 10; ++i)
            macro.rows.append({i % 2 ? MacroKeyRelease : MacroKeyPress, 0, quint8(4 + i / 2)});
        QVERIFY(writeMacroFile("M", macro, WriteSign::Mark) && addToMacroList("M") >= 0);
        fixture.folder.writeFile("Configs/MacroDB/M.MSMACRO", readFileBytes(macroFilePath("M")).chopped(14));
        writeConfigDiff(1);
        ModalScript script;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        window.show();
        window.switchPage(MousecfgWidget::MacroTab);
        QStringList told{"The macro file M is damaged. Only its whole rows are kept."};
        QTRY_COMPARE(script.messages, told);
        click(probe.macroPage()->button(MacroDialog::SaveButton));
        click(probe.button(Apply));
        told << "ONE OR MORE KEYS HAS NOT BEEN RELEASED.";
        QCOMPARE(script.messages, told);
        const FakeMouseState state = FakeMouse::instance().state();
        int slotsRun = 0;
        for (int k = 0; k < 20; ++k) {
            QCOMPARE(state.keysHeldAfterMacro(k).toHex(' '), QByteArray());
            slotsRun += state.macroSlot(k).startsWith(QByteArray::fromHex("840400 040400"));
        }
        QCOMPARE(slotsRun, 1);
    }

    // A damaged model file counts as none: with the slot files whole or missing, the
    // mouse gets a usable profile (a rate, its stages, a left click) and the user hears
    // once that the install is damaged.
    void damagedDescriptorGivesAUsableProfile_data()
    {
        QTest::addColumn<QString>("cut");
        QTest::addColumn<bool>("slotFiles");
        for (bool slotFiles : {true, false}) {
            for (const char *cut : {"25%", "MouseDpi", "-2"})
                QTest::addRow("cut %s, slot files %s", cut, slotFiles ? "whole" : "missing") << cut << slotFiles;
        }
    }
    void damagedDescriptorGivesAUsableProfile()
    {
        QFETCH(QString, cut);
        QFETCH(bool, slotFiles);
        WindowFixture fixture;
        if (slotFiles)
            fixture.seedProfiles();
        const QByteArray whole = TestAppFolder::sampleDescriptor({{"pollrate", "12"}});
        fixture.folder.writeFile("DefaultProfile.bin", cut == "MouseDpi" ? whole.left(whole.indexOf("MouseDpi"))
                                                                          : cutShort(whole, cut));
        writeConfigDiff(1);
        ModalScript script;
        MousecfgWidget &window = fixture.open();
        window.show();
        const QStringList told{QStringLiteral("The install is damaged: the built-in settings are used.")};
        QTRY_COMPARE(script.messages, told);
        for (int apply = 0; apply < 2; ++apply)
            click(MousecfgWidgetProbe(window).button(Apply));
        QCOMPARE(script.messages, told);
        const FakeMouseState state = FakeMouse::instance().state();
        QCOMPARE(state.sessionEnds, 1);
        for (int p = 0; p < ProfileCount; ++p)
            QVERIFY(state.pollRate(p) != 0);
        QCOMPARE(int(state.dpiStageCount()), BuiltInDpiStageCount);
        for (int s = 0; s < BuiltInDpiStageCount; ++s)
            QVERIFY(state.dpiStageUsed(s) == 1 && state.dpiFirstValue(s) != 0);
        QCOMPARE(state.buttonEntry(0).toHex(), QByteArray("81000000"));
        QCOMPARE(FakeMouse::instance().protocolErrors().total(), 0);
    }

    // Escape and close leave the busy dialog up; status news and a quit wait for the thread.
    void busyDialogHoldsUntilTheThreadEnds()
    {
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        FakeMouse &mouse = FakeMouse::instance();
        mouse.setWriteDelayMs(10);
        QApplication::setQuitOnLastWindowClosed(false);
        bool survived = false;
        int profileMeanwhile = -1, endsAtQuit = -1;
        ModalScript script;
        script.onModal = [&](QWidget *busy) {
            QTest::keyClick(busy, Qt::Key_Escape);
            busy->close();
            window.slotRefreshStatus(3, 0, 1, 0);
            probe.quitAction()->trigger();
            QTimer::singleShot(100, busy, [&, busy] {
                survived = busy->isVisible();
                profileMeanwhile = workingSettings.currentProfile;
            });
        };
        const auto watch = connect(qApp, &QCoreApplication::aboutToQuit, this, [&] {
            endsAtQuit = window.isWriting() ? -2 : mouse.state().sessionEnds;
        });
        QTimer::singleShot(0, this, [&] { click(probe.button(Apply)); });
        QTimer guard;
        connect(&guard, &QTimer::timeout, qApp, &QCoreApplication::quit);
        guard.start(15000);
        QCoreApplication::exec();
        guard.stop();
        disconnect(watch);
        QApplication::setQuitOnLastWindowClosed(true);
        QVERIFY(survived);
        QCOMPARE(profileMeanwhile, 0);
        QCOMPARE(endsAtQuit, 1);
        QTRY_COMPARE(int(workingSettings.currentProfile), 3);
    }

    // Started with no mouse, the user's slot file in the model's folder: an Apply
    // meanwhile leaves no factory file over it, and once the mouse is there (plugged
    // in, or at the next start) the window, the files and the mouse hold its values.
    void noMouseAtStartKeepsTheModelsSlotFile_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("the mouse arrives") << false;
        QTest::newRow("restart with the mouse") << true;
    }
    void noMouseAtStartKeepsTheModelsSlotFile()
    {
        QFETCH(bool, restart);
        WindowFixture fixture(false);
        ProfileRecord mine;
        resetProfileToDefaults(mine);
        mine.pollrate = 8;
        mine.scrollspeed = 17;
        const QString userFile = modelProfileFilePath("QM700", "Profile 1");
        QVERIFY(saveProfile(0, mine, userFile));
        ModalScript script;
        MousecfgWidget &window = fixture.open();
        QTRY_COMPARE(script.messages.size(), 1);
        click(MousecfgWidgetProbe(window).button(Apply));
        QCOMPARE(script.busyDialogs, 1);
        if (restart) {
            fixture.window.reset();
            FakeMouse::instance().plug(FakeLink::Receiver);
            fixture.open();
        } else {
            fixture.setLink(FakeLink::Receiver, true);
            QTRY_COMPARE(MousecfgWidgetProbe(window).devicePresent(), 1);
        }
        MousecfgWidgetProbe probe(*fixture.window);
        QCOMPARE(int(probe.ratePanel()->profileData().pollrate), 8);
        QCOMPARE(int(workingSettings.profiles[0].scrollspeed), 17);
        ProfileRecord stored;
        loadSlotProfile(stored, "Profile 1");
        QCOMPARE(int(stored.pollrate), 8);
        writeConfigDiff(1);
        click(probe.button(Apply));
        const FakeMouseState state = FakeMouse::instance().state();
        QCOMPARE(int(state.pollRate(0)), 8);
        QCOMPARE(int(state.scrollSpeed(0)), 17);
    }
};

MOUSECFG_TEST(TestWriting)
#include "TestWriting.moc"
