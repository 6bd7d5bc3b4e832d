#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QVector>

#include <memory>

// A message bus of the test's own with a desktop notification service on it: a
// dbus-daemon on a socket in a temporary folder (ended with the object or the test
// process; nothing of a desktop session is used). The service answers Notify with the
// ids 1, 2, ... and records each call; while held it answers nothing until released.
class TestNotificationBus : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        QString appName;
        uint replacesId;
        QString summary;
        QString body;
        int expireMs;
    };
    // The connection the code under test is given (DesktopNotifier::setBusForTests).
    static constexpr const char *ClientConnection = "test-notification-client";

    explicit TestNotificationBus(bool withService = true);
    ~TestNotificationBus() override;

    // The daemon runs, the client is connected and the service, when asked for, is on the bus.
    bool isReady() const { return m_ready; }
    bool startService();
    const QVector<Call> &calls() const { return m_calls; }
    QStringList summaries() const;
    void hold() { m_held = true; }
    void release();

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireMs);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_daemon;
    QString m_address;
    bool m_ready = false;
    bool m_held = false;
    QVector<Call> m_calls;
    QVector<QDBusMessage> m_heldReplies;
};
