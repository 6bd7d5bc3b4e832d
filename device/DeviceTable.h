#pragma once

#include "platform/HidInterface.h"

#include <QByteArray>
#include <QMutex>
#include <QString>

#include <array>

class QObject;
struct hid_device_;
typedef struct hid_device_ hid_device;

constexpr quint32 MouseVendorId = 0x248A;
constexpr quint32 ReceiverProductId = 0xFA02;
constexpr quint32 CableProductId = 0xFB01;

// Pair 0 is the wireless receiver, pair 1 the cable.
constexpr int ReceiverPair = 0;
constexpr int CablePair = 1;

// The four interfaces of a device type; index of its usages, paths, present
// flags and handles.
enum DeviceInterface : int {
    ReceiverMouse = 0,
    ReceiverVendor = 1,
    CableMouse = 2,
    CableVendor = 3,
};
constexpr int DeviceInterfaceCount = 4;

struct DeviceModelRecord
{
    std::array<quint32, 2> vendorId{}; // by pair
    std::array<quint32, 2> productId{};
    std::array<quint32, 2> minRelease{};
    std::array<quint32, 2> maxRelease{}; // 0 = any release
    std::array<quint32, DeviceInterfaceCount> usage{};
    std::array<quint32, DeviceInterfaceCount> usagePage{};
    std::array<QByteArray, DeviceInterfaceCount> path;
    std::array<qint32, DeviceInterfaceCount> present{}; // 1 when the interface was found
    QByteArray productName;                             // Latin-1
};

constexpr int MaxDeviceTypes = 4;
extern std::array<DeviceModelRecord, MaxDeviceTypes> deviceTable;
extern int deviceTypeCount;

// Whether a pair takes an interface of this release number (a maximum of 0 takes any).
bool releaseAccepted(const DeviceModelRecord &record, int pair, quint32 release);
// The interface of a pair (0, 1) and collection (1, 4); -1 for anything else.
int interfaceIndex(int pair, int collection);

void setMainWindowPointer(QObject *window);
QObject *mainWindowPointer();
// One type: the receiver and cable pairs, named by readMouseListName().
void initDeviceTable();
// Fills paths and present flags from hid_enumerate; -1 when hid_init fails.
int enumerateDevices();
// Opens the handles of every complete pair of the types named so; handles
// already open are closed first.
void openDeviceByName(const QByteArray &productName);
void closeDevices();
void exitHid();
// Every collection hid_enumerate(0, 0) lists, foreign devices included.
QVector<HidInterfaceEntry> enumerateHidInterfaces();
// Release number of the enumeration entry with this path; 0 when absent.
int getReleaseNumber(const QByteArray &path);
QString deviceProductName();
// The product name of the first type whose receiver or cable pair has these ids;
// empty when none has.
QByteArray productNameForIds(quint32 vendorId, quint32 productId);
// Release number of the cable vendor interface found by enumerateDevices.
quint32 cableReleaseNumber();

// Serialises every sendReport call, every status write/read and opening and
// closing the handles.
QMutex &deviceMutex();
// The cable vendor handle when open, else the receiver vendor handle (may be null).
// Call with deviceMutex() held.
hid_device *vendorHandle();
// The open handle of one interface, or null. Call with deviceMutex() held.
hid_device *deviceHandle(DeviceInterface which);
