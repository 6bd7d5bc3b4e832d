#include "platform/DesktopNotifier.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>
#include <QVariantMap>

namespace {
const char kService[] = "org.freedesktop.Notifications";
const char kPath[] = "/org/freedesktop/Notifications";

QString &testBusName()
{
    static QString name;
    return name;
}

QDBusConnection defaultBus()
{
    return testBusName().isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(testBusName());
}
}

DesktopNotifier::DesktopNotifier(const QString &appName, QObject *parent)
    : DesktopNotifier(appName, defaultBus(), parent)
{
}

DesktopNotifier::DesktopNotifier(const QString &appName, const QDBusConnection &bus, QObject *parent)
    : QObject(parent)
    , m_appName(appName)
    , m_bus(bus)
{
}

void DesktopNotifier::setBusForTests(const QString &connectionName)
{
    testBusName() = connectionName;
}

void DesktopNotifier::show(const QString &text)
{
    if (!m_bus.isConnected()) {
        qDebug() << "No message bus for the notification" << text;
        return;
    }
    m_queue.append(text);
    while (m_queue.size() > MaxQueued)
        m_queue.removeFirst();
    if (!m_call)
        sendNext();
}

void DesktopNotifier::sendNext()
{
    if (m_queue.isEmpty())
        return;
    QDBusMessage notify = QDBusMessage::createMethodCall(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                                                         QString::fromLatin1(kService),
                                                         QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("transient"), true}};
    notify << m_appName << m_lastId << QString() << m_queue.takeFirst() << QString() << QStringList()
           << hints << int(ExpiryMs);
    m_call = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(m_call, &QDBusPendingCallWatcher::finished, this, &DesktopNotifier::replyArrived);
}

void DesktopNotifier::replyArrived(QDBusPendingCallWatcher *call)
{
    const QDBusPendingReply<uint> reply = *call;
    if (reply.isError()) {
        qDebug() << "The notification was not shown:" << reply.error().message();
        m_lastId = 0;
    } else {
        m_lastId = reply.value();
    }
    call->deleteLater();
    m_call = nullptr;
    sendNext();
}
