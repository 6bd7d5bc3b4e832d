#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>

class QDBusPendingCallWatcher;

// Short messages through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). Each message replaces the one
// before through the id the service gave it; calls are asynchronous, one at a time,
// the later ones queued. Without a bus or a service nothing shows and nothing waits.
class DesktopNotifier : public QObject
{
    Q_OBJECT
public:
    static constexpr int ExpiryMs = 1500;
    // Messages waiting for the service's answer to the one before; older ones drop out.
    static constexpr int MaxQueued = 8;

    // On the session bus, or on the bus a test has set.
    explicit DesktopNotifier(const QString &appName, QObject *parent = nullptr);
    DesktopNotifier(const QString &appName, const QDBusConnection &bus, QObject *parent = nullptr);

    // The text is the notification's summary.
    void show(const QString &text);

    // Test-only: the named connection the first constructor uses; empty restores the
    // session bus.
    static void setBusForTests(const QString &connectionName);

private:
    void sendNext();
    void replyArrived(QDBusPendingCallWatcher *call);

    QString m_appName;
    QDBusConnection m_bus;
    uint m_lastId = 0;
    QStringList m_queue;
    QDBusPendingCallWatcher *m_call = nullptr;
};
