#include "device/QuorHidReadThread.h"
#include "device/QuorHidReadThread2.h"
#include "device/QuorHidReadThread3.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QTest>

class MailCatcher : public QObject
{
    Q_OBJECT
public:
    int opened = 0;
public slots:
    void open(const QUrl &) { ++opened; }
};

class TestReaderThreads : public QObject
{
    Q_OBJECT
private slots:
    // With nothing to read the threads still see their stop flag.
    void stopWhileNothingArrives()
    {
        DeviceFixture fx(3389, 6, 4, true);
        setSleepFunctionForTests(nullptr);
        fx.mouse().setReadWaitMs(1000);
        QuorHidReadThread one;
        QuorHidReadThread2 two;
        QuorHidReadThread3 three;
        for (QuorStoppableThread *t : std::initializer_list<QuorStoppableThread *>{&one, &two, &three})
            t->start();
        QTest::qWait(150);
        QElapsedTimer clock;
        clock.start();
        for (QuorStoppableThread *t : std::initializer_list<QuorStoppableThread *>{&one, &two, &three}) {
            t->stop();
            QVERIFY(t->wait(2000));
        }
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(fx.mouse().commandSequence().contains(char(0x48)));
    }

    void notificationsRunHostActions()
    {
        DeviceFixture fx;
        MailCatcher catcher;
        QDesktopServices::setUrlHandler("mailto", &catcher, "open");
        QuorHidReadThread thread;
        QVERIFY(thread.runTurn()); // nothing arrived
        fx.mouse().sendMouseInput(FakeLink::Receiver);
        QVERIFY(thread.runTurn());
        QCOMPARE(catcher.opened, 0);
        fx.mouse().sendInputReport(FakeLink::Receiver, QByteArray::fromHex("05ff2500000000"));
        fx.mouse().sendInputReport(FakeLink::Receiver, QByteArray::fromHex("05fe2600000000"));
        fx.mouse().sendInputReport(FakeLink::Receiver, QByteArray::fromHex("05ff2600000000"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(thread.runTurn());
        QDesktopServices::unsetUrlHandler("mailto");
        QCOMPARE(catcher.opened, 1);
        thread.stop();
        QVERIFY(!thread.runTurn());
    }

    void cableThreadsEndWithoutTheCable()
    {
        DeviceFixture fx;
        QuorHidReadThread2 two;
        QuorHidReadThread3 three;
        QVERIFY(!two.runTurn());
        QVERIFY(!three.runTurn());
        QCOMPARE(fx.mouse().writeCount(), 0);
    }
};

MOUSECFG_TEST(TestReaderThreads)
#include "TestReaderThreads.moc"
