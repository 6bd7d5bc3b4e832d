#include "tests/common/TestNotificationBus.h"

#include <QFile>

#include <csignal>
#include <sys/prctl.h>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kServiceConnection = QStringLiteral("test-notification-service");

// Ends with the test process, so a test killed by its watchdog leaves no daemon behind.
class DaemonProcess : public QProcess
{
protected:
    void setupChildProcess() override { prctl(PR_SET_PDEATHSIG, SIGTERM); }
};
}

TestNotificationBus::TestNotificationBus(bool withService)
    : m_daemon(new DaemonProcess)
{
    QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(QStringLiteral(R"(<busconfig><type>session</type><listen>unix:path=%1</listen>
        <auth>EXTERNAL</auth><policy context="default"><allow send_destination="*" eavesdrop="true"/>
        <allow eavesdrop="true"/><allow own="*"/></policy></busconfig>)")
                     .arg(m_dir.filePath(QStringLiteral("bus")))
                     .toUtf8());
    config.close();
    m_daemon->start(QStringLiteral("dbus-daemon"), {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
    while (!m_daemon->canReadLine() && m_daemon->waitForReadyRead(5000)) {
    }
    m_address = QString::fromUtf8(m_daemon->readLine()).trimmed();
    m_ready = !m_address.isEmpty() && QDBusConnection::connectToBus(m_address, ClientConnection).isConnected()
              && (!withService || startService());
}

TestNotificationBus::~TestNotificationBus()
{
    QDBusConnection::disconnectFromBus(ClientConnection);
    QDBusConnection::disconnectFromBus(kServiceConnection);
    m_daemon->terminate();
    if (!m_daemon->waitForFinished(3000))
        m_daemon->kill();
    m_daemon->waitForFinished(3000);
}

bool TestNotificationBus::startService()
{
    QDBusConnection bus = QDBusConnection::connectToBus(m_address, kServiceConnection);
    return bus.registerObject(kPath, this, QDBusConnection::ExportAllSlots) && bus.registerService(kService);
}

QStringList TestNotificationBus::summaries() const
{
    QStringList texts;
    for (const Call &call : m_calls)
        texts << call.summary;
    return texts;
}

void TestNotificationBus::release()
{
    m_held = false;
    for (const QDBusMessage &reply : qAsConst(m_heldReplies))
        QDBusConnection(kServiceConnection).send(reply);
    m_heldReplies.clear();
}

uint TestNotificationBus::Notify(const QString &appName, uint replacesId, const QString &, const QString &summary,
                                 const QString &body, const QStringList &, const QVariantMap &, int expireMs)
{
    m_calls.append({appName, replacesId, summary, body, expireMs});
    if (m_held) {
        setDelayedReply(true);
        m_heldReplies.append(message().createReply(uint(m_calls.size())));
    }
    return uint(m_calls.size());
}
