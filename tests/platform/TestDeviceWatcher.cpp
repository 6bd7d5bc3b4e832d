#include "platform/DeviceWatcher.h"
#include "tests/common/TestMain.h"

#include <QTest>

namespace {
using Entries = QVector<HidInterfaceEntry>;

// The receiver lists its mouse collection first, as hidapi does.
const Entries kReceiver{{"/dev/hidraw2", 0x248A, 0xFA02, 1, 2},
                        {"/dev/hidraw2", 0x248A, 0xFA02, 0x0C, 1},
                        {"/dev/hidraw2", 0x248A, 0xFA02, 1, 0}};
const Entries kCable{{"/dev/hidraw4", 0x248A, 0xFB01, 1, 2}, {"/dev/hidraw4", 0x248A, 0xFB01, 1, 0}};
const Entries kKeyboard{{"/dev/hidraw7", 0x046D, 0xC31C, 1, 6}, {"/dev/hidraw7", 0x046D, 0xC31C, 0x0C, 1}};
const QString kReceiverNames[] = {"HID#VID_248A&PID_FA02&col04#/dev/hidraw2", "HID#VID_248A&PID_FA02&col01#/dev/hidraw2",
                                  "HID#VID_248A&PID_FA02&col00#/dev/hidraw2"};
const QString kCableNames[] = {"HID#VID_248A&PID_FB01&col04#/dev/hidraw4", "HID#VID_248A&PID_FB01&col01#/dev/hidraw4"};

QString gone(const QString &name) { return "-" + name; }
QString came(const QString &name) { return "+" + name; }

// A watcher over a list the test changes; events read "-name" and "+name".
struct Fixture
{
    Entries devices;
    QStringList events;
    DeviceWatcher watcher;

    explicit Fixture(Entries present, DeviceWatcher::Wake wake = DeviceWatcher::Wake::Manual)
        : devices(std::move(present))
        , watcher([this] { return devices; }, wake)
    {
        QObject::connect(&watcher, &DeviceWatcher::deviceChanged,
                         [this](const QString &name, bool arrived) { events << (arrived ? came(name) : gone(name)); });
    }
};
}

Q_DECLARE_METATYPE(Entries)

class TestDeviceWatcher : public QObject
{
    Q_OBJECT
private slots:
    void diff_data()
    {
        QTest::addColumn<Entries>("before");
        QTest::addColumn<Entries>("after");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("receiver unplugged: vendor collection first")
            << kReceiver << Entries() << QStringList{gone(kReceiverNames[0]), gone(kReceiverNames[1]), gone(kReceiverNames[2])};
        QTest::newRow("cable in, receiver collections out: removals first")
            << kReceiver << kCable + kReceiver.mid(0, 1)
            << QStringList{gone(kReceiverNames[0]), gone(kReceiverNames[2]), came(kCableNames[0]), came(kCableNames[1])};
        QTest::newRow("duplicates collapse; a foreign device counts")
            << Entries() << kCable + kKeyboard + kCable
            << QStringList{came(kCableNames[0]), came(kCableNames[1]), came("HID#VID_046D&PID_C31C&col00#/dev/hidraw7")};
        QTest::newRow("present at start: no arrivals") << kReceiver << kReceiver << QStringList();
    }

    void diff()
    {
        QFETCH(Entries, before);
        QFETCH(Entries, after);
        QFETCH(QStringList, events);
        Fixture f(before);
        f.devices = after;
        f.watcher.rescan();
        f.watcher.rescan();
        QCOMPARE(f.events, events);
    }

    // A udev "remove" of a node that is enumerated again at once.
    void fastReplugReportsRemovalAndArrival()
    {
        Fixture f(kCable);
        f.watcher.rescanAfterRemoval({"/dev/hidraw9"});
        f.watcher.rescanAfterRemoval({"/dev/hidraw4"});
        QCOMPARE(f.events, (QStringList{gone(kCableNames[0]), gone(kCableNames[1]), came(kCableNames[0]),
                                        came(kCableNames[1])}));
    }

    // A wake inside a handler's nested loop queues its events behind the rest.
    void wakeInsideHandlerIsQueued()
    {
        Fixture f(kReceiver);
        int depth = 0, deepest = 0;
        QObject::connect(&f.watcher, &DeviceWatcher::deviceChanged, [&] {
            deepest = qMax(deepest, ++depth);
            if (f.events.size() == 1) {
                f.devices = kCable;
                f.watcher.rescan();
            }
            --depth;
        });
        f.devices.clear();
        f.watcher.rescan();
        QCOMPARE(deepest, 1);
        QCOMPARE(f.events, (QStringList{gone(kReceiverNames[0]), gone(kReceiverNames[1]), gone(kReceiverNames[2]),
                                        came(kCableNames[0]), came(kCableNames[1])}));
    }

    void timerWakesWithoutUdev()
    {
        Fixture f(Entries(), DeviceWatcher::Wake::Timer);
        QVERIFY(!f.watcher.usesUdev());
        f.devices = kCable;
        QTRY_COMPARE_WITH_TIMEOUT(f.events.size(), 2, 3 * DeviceWatcher::TimerIntervalMs);
    }
};

MOUSECFG_TEST(TestDeviceWatcher)
#include "TestDeviceWatcher.moc"
