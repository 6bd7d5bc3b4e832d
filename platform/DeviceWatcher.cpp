#include "platform/DeviceWatcher.h"

#include <QDebug>
#include <QFileInfo>
#include <QPointer>
#include <QSet>
#include <QSocketNotifier>
#include <QTimer>

#include <libudev.h>

#include <algorithm>

namespace {
const char kUdevControl[] = "/run/udev/control";

// Event order of the collections of one device.
int collectionRank(const HidInterfaceEntry &entry)
{
    switch (collectionNumber(entry.usagePage, entry.usage)) {
    case 4:
        return 0;
    case 1:
        return 1;
    default:
        return 2;
    }
}
}

DeviceWatcher::DeviceWatcher(HidEnumerator enumerate, Wake wake, QObject *parent)
    : QObject(parent)
    , m_enumerate(std::move(enumerate))
{
    m_interfaces = snapshot();
    if (wake == Wake::Manual)
        return;
    if (wake == Wake::Automatic && startUdevMonitor())
        return;
    if (wake == Wake::Automatic)
        qDebug("udev is not running: device changes are polled");
    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &DeviceWatcher::rescan);
    m_timer->start(TimerIntervalMs);
}

DeviceWatcher::~DeviceWatcher()
{
    stopUdevMonitor();
}

bool DeviceWatcher::usesUdev() const
{
    return m_monitor != nullptr;
}

QStringList DeviceWatcher::interfaceNames() const
{
    QStringList names;
    for (const Interface &i : m_interfaces)
        names << i.name;
    return names;
}

void DeviceWatcher::rescan()
{
    rescanAfterRemoval(QStringList());
}

void DeviceWatcher::rescanAfterRemoval(const QStringList &devicePaths)
{
    const QVector<Interface> now = snapshot();
    const QSet<QString> replugged(devicePaths.begin(), devicePaths.end());
    QSet<QString> before, after;
    for (const Interface &i : m_interfaces)
        before.insert(i.name);
    for (const Interface &i : now)
        after.insert(i.name);
    for (const Interface &i : m_interfaces) {
        if (replugged.contains(i.path) || !after.contains(i.name))
            m_pending.append({i.name, false});
    }
    for (const Interface &i : now) {
        if (replugged.contains(i.path) || !before.contains(i.name))
            m_pending.append({i.name, true});
    }
    m_interfaces = now;
    deliverEvents();
}

// Grouped by device in enumeration order, each device's collections by rank.
QVector<DeviceWatcher::Interface> DeviceWatcher::snapshot() const
{
    struct Item
    {
        Interface interface;
        int order;
    };
    QVector<Item> items;
    QSet<QString> names;
    QHash<QString, int> devices;
    const QVector<HidInterfaceEntry> entries = m_enumerate ? m_enumerate() : QVector<HidInterfaceEntry>();
    for (const HidInterfaceEntry &entry : entries) {
        const QString name = hidInterfaceName(entry);
        if (names.contains(name))
            continue;
        names.insert(name);
        const int device = devices.value(entry.path, devices.size());
        devices.insert(entry.path, device);
        items.append({{name, entry.path}, device * 3 + collectionRank(entry)});
    }
    std::stable_sort(items.begin(), items.end(),
                     [](const Item &a, const Item &b) { return a.order < b.order; });
    QVector<Interface> result;
    for (const Item &item : items)
        result.append(item.interface);
    return result;
}

void DeviceWatcher::deliverEvents()
{
    if (m_delivering)
        return;
    m_delivering = true;
    const QPointer<DeviceWatcher> alive(this);
    while (!m_pending.isEmpty()) {
        const QPair<QString, bool> event = m_pending.takeFirst();
        emit deviceChanged(event.first, event.second);
        if (!alive)
            return;
    }
    m_delivering = false;
}

// A monitor on the "udev" source: rules such as the access ACL have run before an
// arrival is seen.
bool DeviceWatcher::startUdevMonitor()
{
    if (!QFileInfo::exists(QString::fromLatin1(kUdevControl)))
        return false;
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (!m_monitor || udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "hidraw", nullptr) < 0
        || udev_monitor_enable_receiving(m_monitor) < 0) {
        qDebug("The udev monitor could not be set up");
        stopUdevMonitor();
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DeviceWatcher::readUdevEvents);
    return true;
}

void DeviceWatcher::stopUdevMonitor()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
}

void DeviceWatcher::readUdevEvents()
{
    QStringList removed;
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        const char *node = udev_device_get_devnode(device);
        if (action && node && qstrcmp(action, "remove") == 0)
            removed << QString::fromLatin1(node);
        udev_device_unref(device);
    }
    rescanAfterRemoval(removed);
}
