#include "platform/DesktopNotifier.h"
#include "tests/common/TestMain.h"
#include "tests/common/TestNotificationBus.h"

#include <QTest>

class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    // Each message waits for the service's id of the one before and replaces it.
    void messagesReplaceEachOtherInOrder()
    {
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier notifier("mousecfg-alt", QDBusConnection(TestNotificationBus::ClientConnection));
        bus.hold();
        for (const char *text : {"Profile 2", "DPI 3:1600", "1000 HZ"})
            notifier.show(text);
        QTRY_COMPARE(bus.summaries(), QStringList{"Profile 2"});
        QTest::qWait(200);
        QCOMPARE(bus.summaries(), QStringList{"Profile 2"});
        bus.release();
        QTRY_COMPARE(bus.summaries(), (QStringList{"Profile 2", "DPI 3:1600", "1000 HZ"}));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bus.calls()[i].appName + bus.calls()[i].body, QString("mousecfg-alt"));
            QCOMPARE(bus.calls()[i].replacesId, uint(i));
            QCOMPARE(bus.calls()[i].expireMs, DesktopNotifier::ExpiryMs);
        }
    }

    // No service, then one: the error ends the first call, the next message goes out.
    void serviceMissingThenStarted()
    {
        TestNotificationBus bus(false);
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        DesktopNotifier notifier("mousecfg");
        DesktopNotifier::setBusForTests(QString());
        notifier.show("Profile 1");
        QTest::qWait(100);
        QVERIFY(bus.startService());
        notifier.show("Profile 2");
        QTRY_COMPARE(bus.summaries(), QStringList{"Profile 2"});
        QCOMPARE(bus.calls()[0].replacesId, 0u);

        DesktopNotifier noBus("mousecfg", QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "none"));
        noBus.show("Profile 1");
        QDBusConnection::disconnectFromBus("none");
    }
};

MOUSECFG_TEST(TestDesktopNotifier)
#include "TestDesktopNotifier.moc"
