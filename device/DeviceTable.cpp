#include "device/DeviceTable.h"

#include "device/DeviceState.h"

#include "storage/ConfigIni.h"

#include <hidapi.h>

#include <QDebug>
#include <QSet>

std::array<DeviceModelRecord, MaxDeviceTypes> deviceTable;
int deviceTypeCount = 0;

namespace {
std::array<hid_device *, DeviceInterfaceCount> handles{};
QObject *mainWindow = nullptr;
QString productNameText;
quint32 cableRelease = 0;

bool entryMatches(const DeviceModelRecord &record, int which, const hid_device_info &entry)
{
    const int pair = which / 2;
    return entry.vendor_id == record.vendorId[size_t(pair)]
           && entry.product_id == record.productId[size_t(pair)]
           && entry.usage == record.usage[size_t(which)]
           && entry.usage_page == record.usagePage[size_t(which)]
           && releaseAccepted(record, pair, entry.release_number);
}

void recordEntry(DeviceModelRecord &record, const hid_device_info &entry)
{
    for (int which = 0; which < DeviceInterfaceCount; ++which) {
        if (!entryMatches(record, which, entry))
            continue;
        if (which == ReceiverVendor && collectionNumber(entry.usage_page, entry.usage) != 4)
            continue;
        record.path[size_t(which)] = QByteArray(entry.path);
        record.present[size_t(which)] = 1;
        qDebug("%d %s\n", which + 1, entry.path);
        if (which == CableVendor)
            cableRelease = entry.release_number;
    }
}

void closeHandle(int which)
{
    if (handles[size_t(which)]) {
        hid_close(handles[size_t(which)]);
        handles[size_t(which)] = nullptr;
    }
}

void openPair(const DeviceModelRecord &record, int pair)
{
    const int first = pair * 2;
    if (record.present[size_t(first)] != 1 || record.present[size_t(first + 1)] != 1)
        return;
    for (int which = first; which < first + 2; ++which) {
        closeHandle(which);
        handles[size_t(which)] = hid_open_path(record.path[size_t(which)].constData());
    }
}
} // namespace

bool releaseAccepted(const DeviceModelRecord &record, int pair, quint32 release)
{
    const quint32 max = record.maxRelease[size_t(pair)];
    return max == 0 || (record.minRelease[size_t(pair)] <= release && release <= max);
}

int interfaceIndex(int pair, int collection)
{
    if ((pair != ReceiverPair && pair != CablePair) || (collection != 1 && collection != 4))
        return -1;
    return pair * 2 + (collection == 4 ? 1 : 0);
}

void setMainWindowPointer(QObject *window)
{
    mainWindow = window;
}

QObject *mainWindowPointer()
{
    return mainWindow;
}

void initDeviceTable()
{
    DeviceModelRecord &record = deviceTable[0];
    record = DeviceModelRecord();
    deviceTypeCount = 1;
    record.vendorId = {MouseVendorId, MouseVendorId};
    record.productId = {ReceiverProductId, CableProductId};
    record.usage = {2, 0, 2, 0};
    record.usagePage = {1, 1, 1, 1};
    productNameText = readMouseListName();
    record.productName = productNameText.toLatin1();
    qDebug() << productNameText;
}

int enumerateDevices()
{
    if (hid_init() != 0)
        return -1;
    hid_device_info *list = hid_enumerate(0, 0);
    // hidapi may list one collection twice.
    QSet<QByteArray> seen;
    for (hid_device_info *entry = list; entry; entry = entry->next) {
        if (!entry->path)
            continue;
        const QByteArray key = QByteArray(entry->path) + '\n'
                               + QByteArray::number(entry->usage_page) + ':'
                               + QByteArray::number(entry->usage);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        if (entry->vendor_id == MouseVendorId) {
            qDebug("Device Found\n  type: %x %x\n  path: %s\n  serial_number: %ls\n usge %x uu %x",
                   entry->vendor_id, entry->product_id, entry->path,
                   entry->serial_number ? entry->serial_number : L"", entry->usage,
                   entry->usage_page);
        }
        for (int t = 0; t < deviceTypeCount; ++t)
            recordEntry(deviceTable[size_t(t)], *entry);
    }
    hid_free_enumeration(list);
    return 0;
}

void openDeviceByName(const QByteArray &productName)
{
    QMutexLocker lock(&deviceMutex());
    mouseProfileKnown = false;
    if (hid_init() != 0)
        return;
    for (int t = 0; t < deviceTypeCount; ++t) {
        const DeviceModelRecord &record = deviceTable[size_t(t)];
        if (record.productName != productName)
            continue;
        openPair(record, ReceiverPair);
        openPair(record, CablePair);
    }
}

void closeDevices()
{
    QMutexLocker lock(&deviceMutex());
    for (int which = 0; which < DeviceInterfaceCount; ++which)
        closeHandle(which);
}

void exitHid()
{
    hid_exit();
}

QVector<HidInterfaceEntry> enumerateHidInterfaces()
{
    QVector<HidInterfaceEntry> entries;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *entry = list; entry; entry = entry->next) {
        if (entry->path)
            entries.append({QString::fromLatin1(entry->path), entry->vendor_id,
                            entry->product_id, entry->usage_page, entry->usage});
    }
    hid_free_enumeration(list);
    return entries;
}

int getReleaseNumber(const QByteArray &path)
{
    int release = 0;
    hid_device_info *list = hid_enumerate(0, 0);
    for (hid_device_info *entry = list; entry; entry = entry->next) {
        if (entry->path && path == entry->path) {
            release = entry->release_number;
            break;
        }
    }
    hid_free_enumeration(list);
    return release;
}

QString deviceProductName()
{
    return productNameText;
}

quint32 cableReleaseNumber()
{
    return cableRelease;
}

QMutex &deviceMutex()
{
    static QMutex mutex;
    return mutex;
}

hid_device *vendorHandle()
{
    return handles[CableVendor] ? handles[CableVendor] : handles[ReceiverVendor];
}

hid_device *deviceHandle(DeviceInterface which)
{
    return handles[size_t(which)];
}

QByteArray productNameForIds(quint32 vendorId, quint32 productId)
{
    for (int t = 0; t < deviceTypeCount && t < MaxDeviceTypes; ++t) {
        const DeviceModelRecord &record = deviceTable[size_t(t)];
        for (int pair = 0; pair < 2; ++pair) {
            if (record.vendorId[size_t(pair)] == vendorId && record.productId[size_t(pair)] == productId)
                return record.productName;
        }
    }
    return QByteArray();
}
