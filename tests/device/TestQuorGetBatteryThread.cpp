#include "device/BatteryThreadControl.h"
#include "device/QuorGetBatteryThread.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

QList<int> args(const QList<QVariant> &call)
{
    QList<int> out;
    for (const QVariant &v : call)
        out << v.toInt();
    return out;
}

int statusRequests()
{
    return FakeMouse::instance().commandSequence().count(char(0x48));
}

} // namespace

class TestQuorGetBatteryThread : public QObject
{
    Q_OBJECT
private slots:
    void requestTurnReportsBatteryAndWriteStatus()
    {
        DeviceFixture fx;
        fx.mouse().setBattery(0x03F2, 1);
        fx.mouse().setWriteStatus(0);
        fx.mouse().setStatusByte(8);
        QuorGetBatteryThread thread;
        QSignalSpy battery(&thread, &QuorGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy write(&thread, &QuorGetBatteryThread::RefreshWriteStatus);
        QVERIFY(thread.runTurn());
        QCOMPARE(statusRequests(), 1);
        QCOMPARE(battery.count(), 1);
        QCOMPARE(args(battery[0]), QList<int>({1, 0xF2, 0x03}));
        QCOMPARE(write.count(), 1);
        QCOMPARE(args(write[0]), QList<int>({0}));
        QCOMPARE(int(lastStatusByte), 8);
        QCOMPARE(thread.turnCounter(), 2);
    }

    void mouseOffGivesZerosWithoutWriteStatus()
    {
        DeviceFixture fx;
        fx.mouse().setMouseOff(true);
        QuorGetBatteryThread thread;
        QSignalSpy battery(&thread, &QuorGetBatteryThread::RefreshBatteryStatus);
        QSignalSpy write(&thread, &QuorGetBatteryThread::RefreshWriteStatus);
        QVERIFY(thread.runTurn());
        QCOMPARE(battery.count(), 1);
        QCOMPARE(args(battery[0]), QList<int>({0, 0, 0}));
        QCOMPARE(write.count(), 0);
    }

    void readFailureInTheRequestTurnReportsZeros()
    {
        DeviceFixture fx;
        lastStatusByte = 7;
        fx.mouse().armFault(FakeFault::ReadFailure);
        QuorGetBatteryThread thread;
        QSignalSpy battery(&thread, &QuorGetBatteryThread::RefreshBatteryStatus);
        QVERIFY(thread.runTurn());
        QCOMPARE(battery.count(), 1);
        QCOMPARE(args(battery[0]), QList<int>({0, 0, 0}));
        QCOMPARE(int(lastStatusByte), 7);
    }

    // Device-side changes arrive as 'I' replies in the read turns; other input on the
    // shared path is skipped, and so are replies cut short before byte 8 (their missing
    // bytes would name profile 0, stage 0 or a mouse that is off).
    void statusRepliesInReadTurns()
    {
        DeviceFixture fx;
        QuorGetBatteryThread thread;
        QSignalSpy status(&thread, &QuorGetBatteryThread::RefreshStatus);
        QSignalSpy battery(&thread, &QuorGetBatteryThread::RefreshBatteryStatus);
        QVERIFY(thread.runTurn());
        for (const char *hex : {"0500fa4902", "0500fa48f20301"}) {
            fx.mouse().sendInputReport(FakeLink::Receiver, QByteArray::fromHex(hex));
            QVERIFY(thread.runTurn());
        }
        fx.mouse().sendMouseInput(FakeLink::Receiver);
        fx.mouse().sendStatusReply(FakeLink::Receiver, 2, 3, 4, 5);
        QVERIFY(thread.runTurn());
        QCOMPARE(status.count(), 1);
        QCOMPARE(args(status[0]), QList<int>({2, 3, 4, 5}));
        QCOMPARE(battery.count(), 1);
        QCOMPARE(thread.turnCounter(), 5);
    }

    // A change on the mouse is news in the request turn too; the battery reply behind
    // it is read in the same turn.
    void statusReplyInTheRequestTurn()
    {
        DeviceFixture fx;
        fx.mouse().sendStatusReply(FakeLink::Receiver, 1, 1, 1, 1);
        fx.mouse().setMouseOff(true);
        QuorGetBatteryThread thread;
        QSignalSpy status(&thread, &QuorGetBatteryThread::RefreshStatus);
        QSignalSpy battery(&thread, &QuorGetBatteryThread::RefreshBatteryStatus);
        QVERIFY(thread.runTurn());
        QCOMPARE(status.count(), 1);
        QCOMPARE(args(status[0]), QList<int>({1, 1, 1, 1}));
        QCOMPARE(battery.count(), 1);
        QCOMPARE(args(battery[0]), QList<int>({0, 0, 0}));
    }

    void aRequestEveryFiftySixTurns()
    {
        DeviceFixture fx;
        QuorGetBatteryThread thread;
        for (int turn = 0; turn < 56; ++turn)
            QVERIFY(thread.runTurn());
        QCOMPARE(statusRequests(), 1);
        QCOMPARE(thread.turnCounter(), 0);
        QVERIFY(thread.runTurn());
        QCOMPARE(statusRequests(), 2);
    }

    void endsWithoutVendorInterfaceOrWhenStopped()
    {
        DeviceFixture fx;
        QuorGetBatteryThread thread;
        thread.stop();
        QVERIFY(!thread.runTurn());
        closeDevices();
        QuorGetBatteryThread other;
        QVERIFY(!other.runTurn());
        QCOMPARE(fx.mouse().writeCount(), 0);
    }

    // The stop wakes the pause and waits for the thread; starting again replaces it.
    void controlStopsAndWaitsWithoutSleepingOut()
    {
        DeviceFixture fx;
        setSleepFunctionForTests(nullptr);
        BatteryThreadControl control;
        QSignalSpy battery(&control, &BatteryThreadControl::RefreshBatteryStatus);
        QCOMPARE(control.startBatteryThread(), 1);
        QVERIFY(battery.wait(2000));
        QCOMPARE(args(battery[0]), QList<int>({0, 0xF0, 0x03}));
        QElapsedTimer clock;
        clock.start();
        control.stopBatteryThread();
        QVERIFY(clock.elapsed() < 300);
        QVERIFY(!control.isBatteryThreadRunning());
        control.startBatteryThread();
        control.startBatteryThread();
        QVERIFY(control.isBatteryThreadRunning());
        control.stopBatteryThread();
        QVERIFY(!control.isBatteryThreadRunning());
    }

    void requestsFromOtherThreadsRunOnTheControlsThread()
    {
        DeviceFixture fx;
        setSleepFunctionForTests(nullptr);
        BatteryThreadControl control;
        QThread *worker = QThread::create([&control] {
            control.startBatteryThread();
            control.stopBatteryThread();
            control.startBatteryThread();
        });
        worker->start();
        QTRY_VERIFY(worker->isFinished());
        delete worker;
        QVERIFY(control.isBatteryThreadRunning());
        control.stopBatteryThread();
    }
};

MOUSECFG_TEST(TestQuorGetBatteryThread)
#include "TestQuorGetBatteryThread.moc"
