#include "device/DeviceTable.h"
#include "device/VendorReport.h"
#include "platform/DeviceWatcher.h"
#include "platform/Sleep.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/device/FakeMouseSetup.h"
#include "tests/fakehid/FakeMouse.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include <atomic>
#include <thread>

namespace {
int deviceFoundLines = 0;
QtMessageHandler previousHandler = nullptr;

void countDeviceFound(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(QLatin1String("Device Found")))
        ++deviceFoundLines;
    previousHandler(type, context, text);
}

void noSleep(int) {}

quint8 sendBracket()
{
    std::array<quint8, VendorBufferSize> b{};
    b[1] = 0x05;
    b[3] = 0xFA;
    b[4] = 0x46;
    return sendReport(b.data(), VendorReportSize);
}
} // namespace

class TestDeviceTable : public QObject
{
    Q_OBJECT
private:
    TestAppFolder *m_folder = nullptr;
    FakeMouse &mouse() { return FakeMouse::instance(); }

    void writeProductName(const QByteArray &line)
    {
        m_folder->writeFile("Configs/Config.ini", "[Mouse_List]\n" + line + "\n");
    }

    // Table from Config.ini and enumeration, handles left closed.
    void enumerate(bool receiver, bool cable)
    {
        if (receiver)
            mouse().plug(FakeLink::Receiver);
        if (cable)
            mouse().plug(FakeLink::Cable);
        writeProductName(QByteArray("0=") + fakeProductName());
        initDeviceTable();
        QCOMPARE(enumerateDevices(), 0);
    }

private slots:
    void initTestCase() { setSleepFunctionForTests(noSleep); }
    void cleanupTestCase() { setSleepFunctionForTests(nullptr); }

    void init()
    {
        m_folder = new TestAppFolder;
        closeDevices();
        mouse().reset();
    }

    void cleanup()
    {
        closeDevices();
        delete m_folder;
        m_folder = nullptr;
    }

    void tableFromConfig()
    {
        writeProductName("0=Test Mouse");
        initDeviceTable();
        QCOMPARE(deviceTypeCount, 1);
        const DeviceModelRecord &r = deviceTable[0];
        QCOMPARE(r.vendorId[0], quint32(0x248A));
        QCOMPARE(r.vendorId[1], quint32(0x248A));
        QCOMPARE(r.productId[ReceiverPair], quint32(0xFA02));
        QCOMPARE(r.productId[CablePair], quint32(0xFB01));
        QCOMPARE(r.maxRelease[0], quint32(0));
        QCOMPARE(r.maxRelease[1], quint32(0));
        for (int i : {ReceiverMouse, CableMouse}) {
            QCOMPARE(r.usage[size_t(i)], quint32(2));
            QCOMPARE(r.usagePage[size_t(i)], quint32(1));
        }
        for (int i : {ReceiverVendor, CableVendor}) {
            QCOMPARE(r.usage[size_t(i)], quint32(0));
            QCOMPARE(r.usagePage[size_t(i)], quint32(1));
        }
        QCOMPARE(r.productName, QByteArray("Test Mouse"));
        QCOMPARE(deviceProductName(), QString("Test Mouse"));
        QCOMPARE(productNameForIds(0x248A, 0xFB01), QByteArray("Test Mouse"));
        QCOMPARE(productNameForIds(0x248A, 0xFA03), QByteArray());
        for (int i = 0; i < DeviceInterfaceCount; ++i)
            QCOMPARE(r.present[size_t(i)], 0);
    }

    // The udev rule shipped in data/ opens the devices of the table to the user, no others.
    void udevRuleNamesTheTableIds()
    {
        QFile file(QStringLiteral(MOUSECFG_SOURCE_DIR "/data/70-mousecfg.rules"));
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        const QRegularExpression rule(
            QStringLiteral(R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
                           R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re"));
        QStringList ruled;
        for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
            if (line.trimmed().isEmpty() || line.startsWith('#'))
                continue;
            const QRegularExpressionMatch m = rule.match(line);
            QVERIFY2(m.hasMatch(), qPrintable(line));
            ruled << m.captured(1) + ':' + m.captured(2);
        }
        writeProductName("0=Test Mouse");
        initDeviceTable();
        QStringList table;
        for (int t = 0; t < deviceTypeCount; ++t)
            for (int pair : {ReceiverPair, CablePair})
                table << QString::asprintf("%04x:%04x", deviceTable[size_t(t)].vendorId[size_t(pair)],
                                           deviceTable[size_t(t)].productId[size_t(pair)]);
        ruled.sort();
        table.sort();
        QCOMPARE(ruled, table);
    }

    void missingNameOpensNothing()
    {
        mouse().plug(FakeLink::Cable);
        writeProductName("1=Other");
        initDeviceTable();
        QCOMPARE(deviceTable[0].productName, QByteArray());
        QCOMPARE(enumerateDevices(), 0);
        openDeviceByName(fakeProductName());
        QCOMPARE(mouse().openHandleCount(), 0);
        QVERIFY(!vendorHandle());
    }

    void collectionRule()
    {
        QCOMPARE(collectionNumber(1, 2), 1);
        QCOMPARE(collectionNumber(1, 0), 4);
        QCOMPARE(collectionNumber(1, 6), 0);
        QCOMPARE(collectionNumber(0xFF00, 0), 0);
        QCOMPARE(collectionNumber(0x0C, 1), 0);
        QCOMPARE(interfaceIndex(0, 1), int(ReceiverMouse));
        QCOMPARE(interfaceIndex(0, 4), int(ReceiverVendor));
        QCOMPARE(interfaceIndex(1, 1), int(CableMouse));
        QCOMPARE(interfaceIndex(1, 4), int(CableVendor));
        QCOMPARE(interfaceIndex(1, 0), -1);
        QCOMPARE(interfaceIndex(2, 1), -1);
    }

    // The watcher over the emulated mouse's enumeration: every collection, foreign
    // devices included, each listed once.
    void watcherSeesEveryCollection()
    {
        mouse().setDuplicateEntries(true);
        mouse().plug(FakeLink::Receiver);
        DeviceWatcher watcher(enumerateHidInterfaces, DeviceWatcher::Wake::Manual);
        QStringList events;
        connect(&watcher, &DeviceWatcher::deviceChanged,
                [&](const QString &name, bool arrived) { events << (arrived ? "+" : "-") + name; });
        mouse().plug(FakeLink::Cable);
        mouse().addForeignEntry(0x046D, 0xC52B, "/dev/hidraw9", 0xFF00, 1);
        mouse().unplug(FakeLink::Receiver);
        watcher.rescan();
        QCOMPARE(events, (QStringList{"-HID#VID_248A&PID_FA02&col04#/dev/hidraw2",
                                      "-HID#VID_248A&PID_FA02&col01#/dev/hidraw2",
                                      "+HID#VID_248A&PID_FB01&col04#/dev/hidraw4",
                                      "+HID#VID_248A&PID_FB01&col01#/dev/hidraw4",
                                      "+HID#VID_046D&PID_C52B&col00#/dev/hidraw9"}));
    }

    void enumerationFindsBothPairs()
    {
        mouse().setReleaseNumber(FakeLink::Cable, 0x0207);
        enumerate(true, true);
        const DeviceModelRecord &r = deviceTable[0];
        for (int i = 0; i < DeviceInterfaceCount; ++i)
            QCOMPARE(r.present[size_t(i)], 1);
        QCOMPARE(r.path[ReceiverMouse], mouse().path(FakeLink::Receiver));
        QCOMPARE(r.path[ReceiverVendor], mouse().path(FakeLink::Receiver));
        QCOMPARE(r.path[CableMouse], mouse().path(FakeLink::Cable));
        QCOMPARE(r.path[CableVendor], mouse().path(FakeLink::Cable));
        QCOMPARE(cableReleaseNumber(), quint32(0x0207));
    }

    void enumerationFailsWithoutHidInit()
    {
        mouse().plug(FakeLink::Cable);
        mouse().setInitFails(true);
        writeProductName("0=Test Mouse");
        initDeviceTable();
        QCOMPARE(enumerateDevices(), -1);
        QCOMPARE(deviceTable[0].present[CableVendor], 0);
    }

    void repeatedEntriesCountOnce()
    {
        mouse().setDuplicateEntries(true);
        deviceFoundLines = 0;
        previousHandler = qInstallMessageHandler(countDeviceFound);
        enumerate(true, true);
        qInstallMessageHandler(previousHandler);
        QCOMPARE(deviceFoundLines, 4);
        QCOMPARE(deviceTable[0].present[ReceiverVendor], 1);
    }

    // The vendor interface is usage page 1 / usage 0 (collection 04) and nothing else.
    void otherCollectionsAreNotTheVendorInterface()
    {
        mouse().addForeignEntry(0x248A, 0xFA02, "/dev/hidraw7", 0xFF00, 0);
        mouse().addForeignEntry(0x248A, 0xFA02, "/dev/hidraw7", 0x0C, 1);
        mouse().addForeignEntry(0x1234, 0xFA02, "/dev/hidraw8", 1, 0);
        enumerate(false, false);
        for (int i = 0; i < DeviceInterfaceCount; ++i)
            QCOMPARE(deviceTable[0].present[size_t(i)], 0);
        mouse().addForeignEntry(0x248A, 0xFA02, "/dev/hidraw9", 1, 0);
        QCOMPARE(enumerateDevices(), 0);
        QCOMPARE(deviceTable[0].present[ReceiverVendor], 1);
        QCOMPARE(deviceTable[0].path[ReceiverVendor], QByteArray("/dev/hidraw9"));
        QCOMPARE(deviceTable[0].present[ReceiverMouse], 0);
    }

    void releaseRange()
    {
        mouse().plug(FakeLink::Cable);
        mouse().setReleaseNumber(FakeLink::Cable, 0x0100);
        writeProductName("0=Test Mouse");
        initDeviceTable();
        deviceTable[0].minRelease[CablePair] = 0x0010;
        deviceTable[0].maxRelease[CablePair] = 0x0050;
        QCOMPARE(enumerateDevices(), 0);
        QCOMPARE(deviceTable[0].present[CableVendor], 0);
        deviceTable[0].minRelease[CablePair] = 0x0100;
        deviceTable[0].maxRelease[CablePair] = 0x0100;
        QCOMPARE(enumerateDevices(), 0);
        QCOMPARE(deviceTable[0].present[CableVendor], 1);
        QCOMPARE(deviceTable[0].present[CableMouse], 1);
    }

    void releaseNumberOfAPath()
    {
        mouse().plug(FakeLink::Receiver);
        mouse().setReleaseNumber(FakeLink::Receiver, 0x0312);
        QCOMPARE(getReleaseNumber(mouse().path(FakeLink::Receiver)), 0x0312);
        QCOMPARE(getReleaseNumber("/dev/hidraw99"), 0);
        mouse().unplug(FakeLink::Receiver);
        QCOMPARE(getReleaseNumber(mouse().path(FakeLink::Receiver)), 0);
    }

    void commandsGoToTheCable()
    {
        enumerate(true, true);
        openDeviceByName(fakeProductName());
        QCOMPARE(mouse().openHandleCount(FakeLink::Receiver), 2);
        QCOMPARE(mouse().openHandleCount(FakeLink::Cable), 2);
        {
            QMutexLocker lock(&deviceMutex());
            for (int i = 0; i < DeviceInterfaceCount; ++i)
                QVERIFY(deviceHandle(DeviceInterface(i)));
            QCOMPARE(vendorHandle(), deviceHandle(CableVendor));
        }
        QCOMPARE(sendBracket(), quint8(SendOk));
        const auto log = mouse().writtenReports();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].link, FakeLink::Cable);
    }

    void receiverAlone()
    {
        enumerate(true, false);
        openDeviceByName(fakeProductName());
        {
            QMutexLocker lock(&deviceMutex());
            QVERIFY(!deviceHandle(CableVendor));
            QCOMPARE(vendorHandle(), deviceHandle(ReceiverVendor));
        }
        QCOMPARE(sendBracket(), quint8(SendOk));
        QCOMPARE(mouse().writtenReports().value(0).link, FakeLink::Receiver);
    }

    void incompletePairIsNotOpened()
    {
        enumerate(true, true);
        deviceTable[0].present[CableMouse] = 0;
        openDeviceByName(fakeProductName());
        QCOMPARE(mouse().openHandleCount(FakeLink::Cable), 0);
        QCOMPARE(mouse().openHandleCount(FakeLink::Receiver), 2);
    }

    void otherNameOpensNothing()
    {
        enumerate(true, true);
        openDeviceByName("Test Mouse 2");
        QCOMPARE(mouse().openHandleCount(), 0);
    }

    void failedOpenLeavesNull()
    {
        enumerate(false, true);
        mouse().armFault(FakeFault::OpenFailure, 1);
        openDeviceByName(fakeProductName());
        QMutexLocker lock(&deviceMutex());
        QVERIFY(!deviceHandle(CableMouse));
        QVERIFY(deviceHandle(CableVendor));
    }

    // Opening again closes the handles that are open instead of leaking them.
    void reopeningClosesFirst()
    {
        enumerate(true, true);
        openDeviceByName(fakeProductName());
        openDeviceByName(fakeProductName());
        QCOMPARE(mouse().openHandleCount(), 4);
    }

    // A replugged cable on the same path works after an open without close.
    void reopeningAfterReplug()
    {
        enumerate(false, true);
        openDeviceByName(fakeProductName());
        mouse().unplug(FakeLink::Cable);
        QCOMPARE(sendBracket(), quint8(SendWriteFailed));
        mouse().plug(FakeLink::Cable);
        openDeviceByName(fakeProductName());
        QCOMPARE(mouse().openHandleCount(FakeLink::Cable), 2);
        QCOMPARE(sendBracket(), quint8(SendOk));
    }

    void closeDevicesClosesAll()
    {
        enumerate(true, true);
        openDeviceByName(fakeProductName());
        closeDevices();
        QCOMPARE(mouse().openHandleCount(), 0);
        {
            QMutexLocker lock(&deviceMutex());
            for (int i = 0; i < DeviceInterfaceCount; ++i)
                QVERIFY(!deviceHandle(DeviceInterface(i)));
            QVERIFY(!vendorHandle());
        }
        QCOMPARE(sendBracket(), quint8(SendNoDevice));
        closeDevices();
    }

    void closeWaitsForTheDeviceMutex()
    {
        enumerate(false, true);
        openDeviceByName(fakeProductName());
        deviceMutex().lock();
        std::atomic<bool> closed{false};
        std::thread closer([&] {
            closeDevices();
            closed = true;
        });
        QTest::qSleep(5);
        QVERIFY(!closed);
        QCOMPARE(mouse().openHandleCount(), 2);
        deviceMutex().unlock();
        closer.join();
        QCOMPARE(mouse().openHandleCount(), 0);
    }

    void exitHidCallsHidExit()
    {
        exitHid();
        QCOMPARE(mouse().exitCount(), 1);
    }

    void mainWindowPointer()
    {
        QObject window;
        setMainWindowPointer(&window);
        QCOMPARE(::mainWindowPointer(), &window);
        setMainWindowPointer(nullptr);
    }
};

MOUSECFG_TEST(TestDeviceTable)
#include "TestDeviceTable.moc"
