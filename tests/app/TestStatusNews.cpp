#include "tests/app/ModalScript.h"
#include "tests/app/WindowFixture.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/common/TestNotificationBus.h"

#include "device/StatusReports.h"
#include "platform/DesktopNotifier.h"
#include "storage/FunctionCodes.h"
#include "storage/MacroFile.h"
#include "storage/SensorDpi.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>

namespace {
int storedProfileId()
{
    return QSettings(configIniPath(), QSettings::IniFormat).value("Config/ProfileID").toInt();
}

// The upload's commands, each run of one command once; status requests left out.
QByteArray commandRuns(const QByteArray &sequence)
{
    QByteArray runs;
    for (char c : sequence) {
        if (c != 0x48 && (runs.isEmpty() || runs.back() != c))
            runs.append(c);
    }
    return runs;
}

// The commands written after the first report of `command` (with byte 4 = arg when arg
// >= 0); status requests left out.
QByteArray commandsAfter(const QVector<FakeWrittenReport> &reports, quint8 command, int arg)
{
    QByteArray after;
    bool seen = false;
    for (const FakeWrittenReport &report : reports) {
        const quint8 code = quint8(report.bytes[3]);
        if (!report.accepted || code == 0x48)
            continue;
        if (seen)
            after.append(char(code));
        seen = seen || (code == command && (arg < 0 || quint8(report.bytes[4]) == arg));
    }
    return after;
}

// Profile, active stage and the rate of that profile as the mouse holds them.
QVector<int> heldOnMouse(const FakeMouseState &s)
{
    return {s.currentProfile(), s.activeDpiStage(), s.pollRate(s.currentProfile())};
}
}

class TestStatusNews : public QObject
{
    Q_OBJECT
private slots:
    // Changes made on the mouse reach the slot, the pages and the desktop's notifications,
    // each once; values outside the block's tables or the model change nothing, and a
    // reply naming no profile of the mouse changes nothing at all (a second reply only
    // shows that the first was read).
    void changesOnTheMouse_data()
    {
        QTest::addColumn<QByteArray>("replies"); // profile, stage, rate of each status reply
        QTest::addColumn<QVector<int>>("expected"); // profile, stage, rate afterwards
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("profile 2, stage 3, 500 Hz")
            << QByteArray("\x01\x02\x02", 3) << QVector<int>{1, 2, 2} << QStringList{"Profile 2", "DPI 3:%1", "500 HZ"};
        QTest::newRow("profile 7, stage 9, rate 3")
            << QByteArray("\x07\x09\x03\x00\x01\x04", 6) << QVector<int>{0, 1, 4} << QStringList{"250 HZ"};
        QTest::newRow("profile 7 with a known stage and rate")
            << QByteArray("\x07\x02\x02\x00\x01\x04", 6) << QVector<int>{0, 1, 4} << QStringList{"250 HZ"};
        QTest::newRow("stage 7 of a model with six")
            << QByteArray("\x00\x06\x02", 3) << QVector<int>{0, 1, 2} << QStringList{"500 HZ"};
    }
    void changesOnTheMouse()
    {
        QFETCH(QByteArray, replies);
        QFETCH(QVector<int>, expected);
        QFETCH(QStringList, notes);
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        for (int i = 0; i + 2 < replies.size(); i += 3)
            FakeMouse::instance().sendStatusReply(FakeLink::Receiver, quint8(replies[i]), quint8(replies[i + 1]),
                                                  quint8(replies[i + 2]), 0);
        QTRY_COMPARE_WITH_TIMEOUT(bus.summaries().size(), notes.size(), 5000);
        QTest::qWait(100);
        DesktopNotifier::setBusForTests(QString());
        const ProfileRecord &record = workingSettings.profiles[size_t(expected[0])];
        if (notes.size() > 1)
            notes[1] = notes[1].arg(sensorDpiFromRaw(int(record.stages[size_t(expected[1])].y), readMouseSensor()));
        QCOMPARE(bus.summaries(), notes);
        QCOMPARE(bus.calls().first().appName, QStringLiteral("mousecfg"));
        QCOMPARE((QVector<int>{workingSettings.currentProfile, record.dpi, record.pollrate}), expected);
        QCOMPARE(int(probe.ratePanel()->profileData().pollrate), expected[2]);
        QCOMPARE(int(probe.dpiPage()->profileData().dpi), expected[1]);
    }

    // A press on the mouse around a write. News the settings packet overwrote (waiting
    // from before the click, read before or while the packet went) is dropped; later news
    // is shown, stored and announced once after the write. Another profile stops the write
    // at the next report, only the end bracket follows and the write fails; the next Apply
    // writes the new profile as its slot file holds it, the interrupted slot waiting.
    // Window, files and mouse agree afterwards; the rate chosen on the page is never
    // replaced by an older one.
    void changeOnTheMouseDuringAWrite_data()
    {
        QTest::addColumn<int>("step"); // in the upload's order 46 01 03 02 04 40 05 46; -1 before the click
        QTest::addColumn<int>("arg"); // report byte 4 of the report pressed at; -1 any
        QTest::addColumn<QVector<int>>("news"); // profile, stage, rate; -1 as this Apply writes them
        QTest::addColumn<QString>("note"); // none: the news is dropped
        const char *steps[] = {"begin", "settings", "buttons", "stages", "lighting", "commit", "macros", "end"};
        const QVector<int> third{2, 0, 2}, rate{0, -1, 2}, stage{0, 2, -1}, stageOldRate{0, 2, 1};
        for (int i = 0; i < 8; ++i)
            QTest::addRow("profile 3 during %s", steps[i]) << i << (i == 0 ? 0 : i == 7 ? 1 : -1) << third << "Profile 3";
        QTest::newRow("profile 3 inside the button table") << 2 << 26 << third << "Profile 3";
        QTest::newRow("stage 3 before the click") << -1 << -1 << stageOldRate << "";
        QTest::newRow("500 Hz before the click") << -1 << -1 << rate << "";
        QTest::newRow("stage 3 at the begin") << 0 << 0 << stageOldRate << "";
        QTest::newRow("500 Hz at the begin") << 0 << 0 << rate << "";
        QTest::newRow("500 Hz during settings") << 1 << -1 << rate << "";
        QTest::newRow("stage 3 at the settings end") << 1 << 0x7F << stageOldRate << "";
        QTest::newRow("500 Hz during buttons") << 2 << -1 << rate << "500 HZ";
        QTest::newRow("stage 3 during stages") << 3 << -1 << stage << "DPI 3:%1";
        QTest::newRow("stage 3 at the end") << 7 << 1 << stage << "DPI 3:%1";
        QTest::newRow("500 Hz at the end") << 7 << 1 << rate << "500 HZ";
    }
    void changeOnTheMouseDuringAWrite()
    {
        QFETCH(int, step);
        QFETCH(int, arg);
        QFETCH(QVector<int>, news);
        QFETCH(QString, note);
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        FakeMouse &mouse = FakeMouse::instance();
        ProfileRecord &first = workingSettings.profiles[0];
        first.buttons[0].Fun = FunMacro;
        first.buttons[0].macroname = "M";
        MacroFile macro;
        macro.rows = {{MacroKeyPress, 0, 5}, {MacroKeyRelease, 0, 5}};
        QVERIFY(writeMacroFile("M", macro, WriteSign::Leave));
        ProfileRecord &third = workingSettings.profiles[2];
        third.pollrate = 2;
        third.dpi = 0;
        for (int i = 0; i < DpiStageCount; ++i)
            third.stages[size_t(i)].x = third.stages[size_t(i)].y = quint32(30 + 10 * i);
        QVERIFY(saveProfileFile(third, "Profile 3"));
        lastWrittenSettings.profiles[2] = third;
        menuEntry(probe.ratePanel()->rateMenu(), "125 HZ")->trigger();
        const QVector<int> applied{0, first.dpi, 8};
        for (int i = 0; i < 3; ++i)
            news[i] = news[i] < 0 ? applied[i] : news[i];
        const QVector<int> shown = note.isEmpty() ? applied : news;
        const QByteArray order = QByteArray::fromHex("4601030204400546");
        if (step >= 0)
            mouse.pushStatusAt(quint8(order[step]), arg, quint8(news[0]), quint8(news[1]), quint8(news[2]));
        const bool moved = news[0] != 0;
        writeConfigDiff(1);
        mouse.clearLog();
        ModalScript script;
        if (step < 0) {
            mouse.sendStatusReply(FakeLink::Receiver, quint8(news[0]), quint8(news[1]), quint8(news[2]), 0);
            // The status thread reads it; the window sees it no sooner than the click.
            QTest::qSleep(1000);
        }
        click(probe.button(13));
        const QStringList failed{"Send data failed, please try again."};
        QCOMPARE(script.messages, moved ? failed : QStringList());
        QCOMPARE(moved ? commandsAfter(mouse.writtenReports(), quint8(order[step]), arg) : commandRuns(mouse.commandSequence()),
                 moved ? QByteArray(step < 7 ? "\x46" : "") : commandRuns(order));
        QCOMPARE(mouse.state().sessionEnds, 1);
        QTRY_COMPARE_WITH_TIMEOUT(bus.summaries().size(), note.isEmpty() ? 0 : 1, 5000);
        QTest::qWait(note.isEmpty() ? 1000 : 100);
        DesktopNotifier::setBusForTests(QString());
        const ProfileRecord &record = currentRecord(workingSettings);
        if (note.contains('%'))
            note = note.arg(sensorDpiFromRaw(int(record.stages[size_t(record.dpi)].y), readMouseSensor()));
        QCOMPARE(bus.summaries(), note.isEmpty() ? QStringList() : QStringList{note});
        QCOMPARE((QVector<int>{workingSettings.currentProfile, record.dpi, record.pollrate}), shown);
        QCOMPARE(heldOnMouse(mouse.state()), shown);
        QCOMPARE((QVector<int>{probe.dpiPage()->profileData().dpi, probe.ratePanel()->profileData().pollrate}),
                 shown.mid(1));
        QCOMPARE(storedProfileId(), shown[0]);
        QCOMPARE(readWaitingProfiles(), moved ? 1 : 0);
        ProfileRecord file;
        loadProfile(0, file, profileFilePath(workingSettings.names[size_t(shown[0])]));
        QCOMPARE((QVector<int>{file.dpi, file.pollrate}), shown.mid(1));

        click(probe.button(13));
        QCOMPARE(script.messages, moved ? failed : QStringList());
        QCOMPARE(heldOnMouse(mouse.state()), shown);
        for (int i = 0; i < DpiStageCount; ++i)
            QCOMPARE(mouse.state().dpiFirstValue(i), quint16(file.stages[size_t(i)].x));
        QCOMPARE(readWaitingProfiles(), moved ? 1 : 0);
        QCOMPARE(readConfigDiff(), 0);
    }

    // A save that fails keeps the page's 125 Hz through a stage pressed on the mouse, and
    // news that cannot be stored is told; once the file is free again Apply stores and
    // sends both. News the window followed is what the mouse holds: Apply sends nothing.
    void newsAfterAFailedSaveKeepsTheEdit()
    {
        WindowFixture fixture;
        FakeMouse &mouse = FakeMouse::instance();
        MousecfgWidgetProbe probe(fixture.openSettled());
        menuEntry(probe.ratePanel()->rateMenu(), "125 HZ")->trigger();
        const QString path = profileFilePath("Profile 1");
        QVERIFY(QFile::remove(path) && QDir().mkpath(path));
        const QStringList unsaved{"The settings could not be saved."};
        ModalScript script;
        click(probe.button(13));
        QCOMPARE(script.messages, unsaved);
        mouse.sendStatusReply(FakeLink::Receiver, 0, 2, 1, 0);
        QTRY_COMPARE(int(probe.dpiPage()->profileData().dpi), 2);
        QTRY_COMPARE(script.messages, unsaved + unsaved);
        QCOMPARE(int(probe.ratePanel()->profileData().pollrate), 8);

        QVERIFY(QDir(path).removeRecursively());
        click(probe.button(13));
        QCOMPARE(script.messages.size(), 2);
        QCOMPARE(heldOnMouse(mouse.state()), (QVector<int>{0, 2, 8}));
        ProfileRecord file;
        loadProfile(0, file, path);
        QCOMPARE((QVector<int>{file.dpi, file.pollrate}), (QVector<int>{2, 8}));

        mouse.sendStatusReply(FakeLink::Receiver, 0, 3, 8, 0);
        QTRY_COMPARE(int(probe.dpiPage()->profileData().dpi), 3);
        mouse.clearLog();
        click(probe.button(13));
        QVERIFY(!mouse.commandSequence().contains(char(0x46)));
        QCOMPARE(script.messages.size(), 2);
    }

    // While a page's dialog or a file dialog is open, a profile switch on the mouse
    // changes nothing; once it has closed the switch is shown, stored and announced once.
    void newsWaitForAnOpenDialog_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::newRow("colour dialog") << "colour";
        QTest::newRow("key dialog") << "key";
        QTest::newRow("file dialog") << "file";
    }
    void newsWaitForAnOpenDialog()
    {
        QFETCH(QString, dialog);
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        QSignalSpy news(probe.batteryControl(), &BatteryThreadControl::RefreshStatus);
        const ProfileRecord &second = workingSettings.profiles[1];
        bool unchanged = false;
        auto whileOpen = [&] {
            FakeMouse::instance().sendStatusReply(FakeLink::Receiver, 1, second.dpi, second.pollrate, 0);
            unchanged = news.wait(5000);
            QTest::qWait(50);
            unchanged = unchanged && workingSettings.currentProfile == 0 && probe.nameEdit()->text() == "Profile 1"
                        && probe.lightingPage()->record() == &workingSettings.profiles[0]
                        && bus.calls().isEmpty() && storedProfileId() == 0;
        };
        const auto closeAfter = [&](QWidget *open) {
            whileOpen();
            open->close();
        };
        if (dialog == "colour") {
            QVERIFY(runModal([&] { QTest::mouseClick(probe.lightingPage()->colorSwatch(), Qt::LeftButton); },
                             closeAfter));
        } else if (dialog == "key") {
            QVERIFY(chooseEntry(*probe.buttonPage(), 1, {"Advance", "SINGLE KEY"}, closeAfter));
        } else {
            ModalScript script;
            script.onFileDialog = [&](const FileDialogRequest &) { whileOpen(); };
            click(probe.button(4)); // export
        }
        QVERIFY(unchanged);
        QTRY_COMPARE(int(workingSettings.currentProfile), 1);
        QTRY_COMPARE_WITH_TIMEOUT(bus.summaries().size(), 1, 5000);
        QTest::qWait(100);
        DesktopNotifier::setBusForTests(QString());
        QCOMPARE(bus.summaries(), QStringList{"Profile 2"});
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("Profile 2"));
        QCOMPARE(probe.lightingPage()->record(), &workingSettings.profiles[1]);
        QCOMPARE(storedProfileId(), 1);
    }

    // A rate set on the mouse outlives a replug and a restart, which read the files again,
    // and the next Apply writes it, not the rate the profile had before.
    void rateSetOnTheMouseIsKept_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("receiver pulled and plugged back") << false;
        QTest::newRow("new window on the folder") << true;
    }
    void rateSetOnTheMouseIsKept()
    {
        QFETCH(bool, restart);
        WindowFixture fixture;
        MousecfgWidget *window = &fixture.openSettled();
        QCOMPARE(int(currentRecord(workingSettings).pollrate), 1);
        FakeMouse::instance().sendStatusReply(FakeLink::Receiver, 0, currentRecord(workingSettings).dpi, 2, 0);
        QTRY_COMPARE(int(MousecfgWidgetProbe(*window).ratePanel()->profileData().pollrate), 2);
        ModalScript script;
        if (restart) {
            window = &fixture.reopen();
        } else {
            fixture.setLink(FakeLink::Receiver, false);
            QTest::qWait(300);
            fixture.setLink(FakeLink::Receiver, true);
            QTRY_COMPARE(MousecfgWidgetProbe(*window).devicePresent(), 1);
        }
        MousecfgWidgetProbe probe(*window);
        QCOMPARE(int(currentRecord(workingSettings).pollrate), 2);
        QCOMPARE(int(probe.ratePanel()->profileData().pollrate), 2);
        // A full write: the rate byte goes whatever the window thinks the mouse holds.
        writeConfigDiff(1);
        click(probe.button(13));
        QCOMPARE(script.busyDialogs, 1);
        QCOMPARE(int(FakeMouse::instance().state().pollRate(0)), 2);
    }

    // News kept for the window when the last mouse went is stale once a mouse is back:
    // the mouse's own replies tell its state, and nothing is switched or announced.
    void newsOfAMouseGoneIsDropped()
    {
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        keepStatusNews(StatusNews{1, 2, 2, 0});
        fixture.setLink(FakeLink::Receiver, false);
        QTRY_COMPARE(probe.devicePresent(), 0);
        fixture.setLink(FakeLink::Receiver, true);
        QTRY_COMPARE(probe.devicePresent(), 1);
        QTest::qWait(500);
        DesktopNotifier::setBusForTests(QString());
        QCOMPARE(bus.summaries(), QStringList());
        QCOMPARE(int(workingSettings.currentProfile), FakeMouse::instance().state().currentProfile());
        QCOMPARE(storedProfileId(), int(workingSettings.currentProfile));
    }

    // The level of the battery word, nothing on the cable; a language change keeps what
    // the bar showed.
    void batteryBar_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("994") << 994 << false << 90 << QString();
        QTest::newRow("775") << 775 << false << 10 << QString();
        QTest::newRow("mouse off") << 0 << false << 10 << "MOUSE OFF";
        QTest::newRow("994 on the cable") << 994 << true << 100 << QString();
    }
    void batteryBar()
    {
        QFETCH(int, word);
        QFETCH(bool, cable);
        QFETCH(int, shown);
        QFETCH(QString, text);
        WindowFixture fixture(true, cable);
        FakeMouse::instance().setBattery(quint16(word), 0);
        FakeMouse::instance().setMouseOff(word == 0);
        MousecfgWidget &window = fixture.openSettled();
        QuorProcessbar *bar = MousecfgWidgetProbe(window).batteryBar();
        QTRY_COMPARE(bar->drawnText(), text);
        QTRY_COMPARE(bar->value(), shown);
        QCOMPARE(bar->isHidden(), cable);
        window.retranslateUi();
        QCOMPARE(bar->drawnText(), text);
        QCOMPARE(bar->value(), shown);
        QCOMPARE(bar->format(), text.isEmpty() ? QString(cable ? "" : "%p%") : text);
    }
};

MOUSECFG_TEST(TestStatusNews)
#include "TestStatusNews.moc"
