#include "device/BatteryThreadControl.h"
#include "device/DpiEncoding.h"
#include "device/QuorProcessThread.h"
#include "device/SettingsCommands.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace {

// Records the status thread requests instead of running a thread.
class RecordingControl : public BatteryThreadControl
{
public:
    QStringList calls;
    bool allOnGuiThread = true;

protected:
    void startOnOwnThread() override { record("start"); }
    void stopOnOwnThread() override { record("stop"); }

private:
    void record(const char *what)
    {
        calls << what;
        allOnGuiThread = allOnGuiThread && QThread::currentThread() == qApp->thread();
    }
};

// Collapses runs of the same command: 46 01 01 03 03 .. gives 46 01 03 ..
QByteArray commandRuns(const QByteArray &sequence)
{
    QByteArray runs;
    for (char c : sequence) {
        if (runs.isEmpty() || runs.back() != c)
            runs.append(c);
    }
    return runs;
}

quint8 runUpload(bool sendAll = false)
{
    QuorProcessThread thread;
    thread.setSendAll(sendAll);
    QSignalSpy done(&thread, &QuorProcessThread::DoProcessDlg);
    thread.start();
    const bool signalled = done.wait(10000);
    thread.wait();
    return signalled ? thread.result() : 0xFF;
}

} // namespace

class TestUploadDriver : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_control = new RecordingControl;
        setBatteryThreadControl(m_control);
    }

    void cleanup()
    {
        setBatteryThreadControl(nullptr);
        delete m_control;
        workingSettings = SettingsBlock();
        lastWrittenSettings = SettingsBlock();
    }

    void cleanFullUploadLeavesProfileZeroOnTheMouse()
    {
        DeviceFixture fx(3389, 6, 4);
        fx.writeMacro("first", keyRows(3));
        fx.writeMacro("second", {{0x84, 0, 4}, {0x06, 0x01, 0x2C}, {0x04, 0, 4}});
        fillSampleBlock(workingSettings);
        QCOMPARE(runUpload(true), quint8(0));

        const QByteArray expectedRuns = QByteArray::fromHex("46 01 03 02 04 40 05 46");
        QCOMPARE(commandRuns(fx.mouse().commandSequence()).toHex(' '), expectedRuns.toHex(' '));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
        const FakeMouseState s = fx.mouse().state();
        const ProfileRecord &p0 = workingSettings.profiles[0];
        for (int p = 0; p < ProfileCount; ++p) {
            QCOMPARE(s.scrollSpeed(p), workingSettings.profiles[size_t(p)].scrollspeed);
            QCOMPARE(s.pollRate(p), workingSettings.profiles[size_t(p)].pollrate);
        }
        QCOMPARE(s.liftHigh(), quint8(1));
        QCOMPARE(s.activeDpiStage(), quint8(2));
        QCOMPARE(s.ledMode(), quint8(4));
        QCOMPARE(s.ledSleepTime(), quint8(5));
        QCOMPARE(s.dpiStageCount(), quint8(4));
        for (int i = 0; i < DpiStageCount; ++i) {
            QCOMPARE(s.dpiStageUsed(i), quint8(i < 4 ? 1 : 0));
            QCOMPARE(s.dpiFirstValue(i), quint16(p0.stages[size_t(i)].x));
            QCOMPARE(s.dpiSecondValue(i), quint16(0x8000 | (p0.stages[size_t(i)].y - 160)));
        }
        const char *entries[] = {"81000000", "82000000", "91000200", "8e018a01", "9d81ffff", "99810300"};
        for (int e = 0; e < 6; ++e)
            QCOMPARE(s.buttonEntry(e).toHex(), QByteArray(entries[e]));
        QCOMPARE(s.buttonEntry(22).toHex(), QByteArray("8b000000"));
        QCOMPARE(s.buttonEntry(23).toHex(), QByteArray("8c000000"));
        quint8 lighting[80];
        buildLightingTable(p0, lighting);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.lighting.data()), 80),
                 QByteArray(reinterpret_cast<const char *>(lighting), 80));
        QCOMPARE(s.macroSlot(0).left(18), QByteArray::fromHex("840400 040500 840600 060100 060100 000000"));
        QCOMPARE(s.macroSlot(1).left(12), QByteArray::fromHex("840400 062c01 040400 000000"));
        QCOMPARE(s.macroSlot(2), QByteArray(200, '\0'));
        QCOMPARE(s.sessionBegins, 1);
        QCOMPARE(s.sessionEnds, 1);

        QCOMPARE(readConfigDiff(), 0);
        QCOMPARE(m_control->calls, QStringList({"stop", "start"}));
        QVERIFY(m_control->allOnGuiThread);
        QCOMPARE(lastWrittenSettings.profiles[0].stages[3].x, 80u);
    }

    // With profile 3 current the mouse holds profile 3's stages, buttons, macros and
    // lighting; for "X642" the lighting page edits profile 0, and that is what goes out.
    void uploadWritesTheCurrentProfile_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("lightingProfile");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("sentStage");
        const QString product(DeviceFixture::ProductName);
        QTest::newRow("lighting of the current profile") << product << 3 << 2 << 2;
        QTest::newRow("X642 lights profile 0") << QString("X642") << 0 << 2 << 2;
        // A stored stage the model lacks (an imported or hand-edited file) goes out as stage 0.
        QTest::newRow("stage at the model's count") << product << 3 << 4 << 0;
        QTest::newRow("stage past eight") << product << 3 << 9 << 0;
    }

    void uploadWritesTheCurrentProfile()
    {
        QFETCH(QString, product);
        QFETCH(int, lightingProfile);
        QFETCH(int, stage);
        DeviceFixture fx(3389, 6, 4);
        fx.writeMacro("first", keyRows(3));
        fx.writeMacro("second", keyRows(2));
        fx.writeMacro("third", {{0x81, 0, 2}, {0x06, 0, 9}, {0x01, 0, 2}});
        writeCurrentProductName(product);
        fillSampleBlock(workingSettings);
        ProfileRecord &p3 = workingSettings.profiles[3];
        p3 = workingSettings.profiles[0];
        for (int i = 0; i < DpiStageCount; ++i)
            p3.stages[size_t(i)].x = quint32(200 + i);
        p3.buttons[1].Fun = FunMacro;
        p3.buttons[1].macroname = "third";
        p3.buttons[2].Fun = FunButtonOff;
        p3.LedSleepTime = 9;
        p3.ledModes[1].color = QColor(1, 2, 3);
        p3.dpi = quint8(stage);
        workingSettings.currentProfile = 3;
        QCOMPARE(runUpload(true), quint8(0));

        const FakeMouseState s = fx.mouse().state();
        QCOMPARE(s.currentProfile(), quint8(3));
        QTEST(int(s.activeDpiStage()), "sentStage");
        QCOMPARE(int(workingSettings.profiles[3].dpi), stage);
        for (int i = 0; i < DpiStageCount; ++i)
            QCOMPARE(s.dpiFirstValue(i), quint16(200 + i));
        QCOMPARE(s.buttonEntry(1).toHex(), QByteArray("91000000"));
        QCOMPARE(s.buttonEntry(2).toHex(), QByteArray("00000000"));
        QCOMPARE(s.buttonEntry(4).toHex(), QByteArray("9d81ffff"));
        QCOMPARE(s.macroSlot(0).left(12), QByteArray::fromHex("810200 060900 010200 000000"));
        QCOMPARE(s.macroSlot(1).left(9), QByteArray::fromHex("840400 040500 060100"));
        const ProfileRecord &lit = workingSettings.profiles[size_t(lightingProfile)];
        quint8 lighting[80];
        buildLightingTable(lit, lighting);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(s.lighting.data()), 80),
                 QByteArray(reinterpret_cast<const char *>(lighting), 80));
        QCOMPARE(s.ledSleepTime(), lit.LedSleepTime);
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void onlyChangedPartsAreSent()
    {
        DeviceFixture fx;
        fillSampleBlock(workingSettings);
        lastWrittenSettings = workingSettings;
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(fx.mouse().writeCount(), 0);
        QVERIFY(m_control->calls.isEmpty());

        // The first write after the open makes the mouse's profile the window's.
        workingSettings.profiles[0].ledModes[3].breath = 9;
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(commandRuns(fx.mouse().commandSequence()).toHex(' '), QByteArray("46 01 04 40 46"));
        fx.mouse().clearLog();
        workingSettings.profiles[0].ledModes[3].breath = 8;
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(commandRuns(fx.mouse().commandSequence()).toHex(' '), QByteArray("46 04 40 46"));
        QCOMPARE(fx.mouse().state().commits.size(), 10);
    }

    // A button of profile 1 changed while profile 0 is current goes out once profile 1 is,
    // with the rest of that profile: Config.ini keeps it waiting across a restart.
    void otherProfilesWaitForTheirTurn()
    {
        DeviceFixture fx;
        fillSampleBlock(workingSettings);
        lastWrittenSettings = workingSettings;
        workingSettings.profiles[1].buttons[1].Fun = FunMiddle;
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(readWaitingProfiles(), 2);
        workingSettings.currentProfile = 1;
        fx.mouse().clearLog();
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(readWaitingProfiles(), 0);
        QCOMPARE(commandRuns(fx.mouse().commandSequence()).toHex(' '), QByteArray("46 01 03 02 04 40 46"));
        QCOMPARE(fx.mouse().state().buttonEntry(1).toHex(), QByteArray("83000000"));
    }

    void storedDiffForcesAFullUpload()
    {
        DeviceFixture fx;
        fillSampleBlock(workingSettings);
        lastWrittenSettings = workingSettings;
        writeConfigDiff(1);
        QCOMPARE(runUpload(), quint8(0));
        QCOMPARE(commandRuns(fx.mouse().commandSequence()).toHex(' '), QByteArray("46 01 03 02 04 40 05 46"));
        QCOMPARE(readConfigDiff(), 0);
    }

    // The files keep what the mouse missed; the next upload, also after a restart, is full.
    void mouseOffRefusesTheUpload()
    {
        DeviceFixture fx;
        fillSampleBlock(workingSettings);
        writeConfigDiff(0);
        mouseOffFlag = 1;
        QCOMPARE(runUpload(true), quint8(5));
        QCOMPARE(fx.mouse().writeCount(), 0);
        QVERIFY(m_control->calls.isEmpty());
        QCOMPARE(readConfigDiff(), 1);
        mouseOffFlag = 0;
    }

    // Every fault ends the upload with its code; the snapshot is updated, the next
    // upload is forced full and the status thread runs again.
    void faultModesEndWithTheirResult_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("expected");
        QTest::newRow("no answer") << int(FakeFault::NoAnswer) << 2;
        QTest::newRow("zero replies") << int(FakeFault::ZeroReplies) << 2;
        QTest::newRow("wrong header") << int(FakeFault::WrongHeader) << 2;
        QTest::newRow("wrong data") << int(FakeFault::WrongData) << 2;
        QTest::newRow("read failure") << int(FakeFault::ReadFailure) << 2;
        QTest::newRow("write failure") << int(FakeFault::WriteFailure) << 4;
        QTest::newRow("late echo") << int(FakeFault::LateEcho) << 0;
        QTest::newRow("unplugged") << -1 << 4;
        QTest::newRow("no device") << -2 << 1;
    }

    void faultModesEndWithTheirResult()
    {
        QFETCH(int, fault);
        QFETCH(int, expected);
        DeviceFixture fx;
        fx.writeMacro("first", keyRows(3));
        fx.writeMacro("second", keyRows(2));
        fillSampleBlock(workingSettings);
        if (fault >= 0)
            fx.mouse().armFault(FakeFault(fault));
        else if (fault == -1)
            fx.mouse().unplugAfterReports(FakeLink::Receiver, 12);
        else
            closeDevices();
        QCOMPARE(runUpload(true), quint8(expected));
        QCOMPARE(readConfigDiff(), expected ? 1 : 0);
        QCOMPARE(lastWrittenSettings.profiles[0].buttons[2].macroname, QString("first"));
        QCOMPARE(m_control->calls, QStringList({"stop", "start"}));
        if (expected) {
            QCOMPARE(fx.mouse().state().sessionEnds, 0);
        } else {
            QVERIFY(fx.mouse().state().sessionEnds >= 1); // a late echo may cost a rewrite
            QCOMPARE(fx.mouse().state().macroSlot(1).left(3), QByteArray::fromHex("840400"));
        }
    }

    void failedBeginBracketSendsNothingElse()
    {
        DeviceFixture fx;
        fillSampleBlock(workingSettings);
        fx.mouse().armFault(FakeFault::WriteFailure, 1);
        QCOMPARE(uploadSettings(workingSettings, ChangeAll), quint8(4));
        QCOMPARE(fx.mouse().writeCount(), 1);
        QCOMPARE(m_control->calls, QStringList({"stop", "start"}));
    }

    // With the real status thread: the upload stops it through the GUI thread before the
    // first report, no status request goes out between the brackets, and it runs again after.
    void uploadStopsAndRestartsTheRealStatusThread()
    {
        DeviceFixture fx;
        fx.writeMacro("first", keyRows(3));
        fx.writeMacro("second", keyRows(2));
        fillSampleBlock(workingSettings);
        BatteryThreadControl control;
        setBatteryThreadControl(&control);
        control.startBatteryThread();
        QTRY_VERIFY(fx.mouse().commandSequence().contains(char(0x48)));
        QCOMPARE(runUpload(true), quint8(0));
        QVERIFY(control.isBatteryThreadRunning());
        const QByteArray sequence = fx.mouse().commandSequence();
        const int begin = sequence.indexOf(char(0x46));
        const int end = sequence.lastIndexOf(char(0x46));
        QVERIFY(begin >= 0 && end > begin);
        QVERIFY(!sequence.mid(begin, end - begin).contains(char(0x48)));
        QCOMPARE(fx.mouse().state().sessionEnds, 1);
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
        QTRY_VERIFY(fx.mouse().commandSequence().mid(end).contains(char(0x48)));
        control.stopBatteryThread();
        QVERIFY(!control.isBatteryThreadRunning());
    }

    // Nothing reaches the mouse while a settings file cannot be written; the thread says
    // so, and the run after the file is free again writes.
    void unsavedSettingsHoldBackTheUpload()
    {
        DeviceFixture fx(3389, 6, 4);
        fillSampleBlock(workingSettings);
        const QString blocked = profileFilePath(workingSettings.names[0]);
        for (const bool obstacle : {true, false}) {
            QVERIFY(obstacle ? QDir().mkpath(blocked) : QDir(blocked).removeRecursively());
            const int writes = fx.mouse().writeCount();
            QuorProcessThread thread;
            thread.setSendAll(true);
            QSignalSpy done(&thread, &QuorProcessThread::DoProcessDlg);
            thread.start();
            QVERIFY(done.wait(10000));
            thread.wait();
            QCOMPARE(thread.result(), quint8(0));
            QCOMPARE(thread.settingsSaved(), !obstacle);
            QCOMPARE(fx.mouse().writeCount() > writes, !obstacle);
        }
    }

    void stopFlagEndsWithoutSignal()
    {
        DeviceFixture fx;
        QuorProcessThread thread;
        QSignalSpy done(&thread, &QuorProcessThread::DoProcessDlg);
        thread.stop();
        thread.start();
        thread.wait();
        QCoreApplication::processEvents();
        QCOMPARE(done.count(), 0);
        QCOMPARE(fx.mouse().writeCount(), 0);
    }

private:
    RecordingControl *m_control = nullptr;
};

MOUSECFG_TEST(TestUploadDriver)
#include "TestUploadDriver.moc"
