#pragma once

#include "platform/HidInterface.h"

#include <QObject>
#include <QPair>
#include <QStringList>
#include <QVector>

class QSocketNotifier;
class QTimer;
struct udev;
struct udev_monitor;

// Follows HID devices coming and going. Each wake diffs the enumeration against the
// last snapshot (the first one is taken here, so devices present now are no arrivals)
// and reports one event per top-level collection by its interface name: all removals
// first, then the arrivals, duplicates collapsed. Within one device the vendor
// collection (col04) comes first, then the mouse collection (col01), then the others
// (col00): an unplugged receiver loses its vendor interface while its mouse interface
// is still marked present.
//
// A handler that runs a nested event loop does not see a second event inside it:
// what a wake during that loop finds is queued behind the events still to come.
class DeviceWatcher : public QObject
{
    Q_OBJECT
public:
    enum class Wake {
        Automatic, // the udev monitor where udev runs, else the timer
        Timer,     // a rescan every TimerIntervalMs
        Manual,    // only rescan() and rescanAfterRemoval()
    };
    static constexpr int TimerIntervalMs = 1000;

    explicit DeviceWatcher(HidEnumerator enumerate, Wake wake = Wake::Automatic,
                           QObject *parent = nullptr);
    ~DeviceWatcher() override;

    bool usesUdev() const;
    // The interface names of the last snapshot, in event order.
    QStringList interfaceNames() const;

public slots:
    void rescan();
    // As after udev "remove" events of these device paths: their collections are
    // reported gone even when a fast replug has the same path enumerated again.
    void rescanAfterRemoval(const QStringList &devicePaths);

signals:
    void deviceChanged(const QString &interfaceName, bool arrived);

private slots:
    void readUdevEvents();

private:
    struct Interface
    {
        QString name;
        QString path;
    };

    bool startUdevMonitor();
    void stopUdevMonitor();
    QVector<Interface> snapshot() const;
    void deliverEvents();

    HidEnumerator m_enumerate;
    QVector<Interface> m_interfaces;
    QVector<QPair<QString, bool>> m_pending;
    bool m_delivering = false;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QTimer *m_timer = nullptr;
};
