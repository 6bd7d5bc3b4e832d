#pragma once

#include <QString>
#include <QVector>

#include <functional>

// One top-level collection of an enumerated HID device.
struct HidInterfaceEntry
{
    QString path; // as hidapi names it (the device node on hidraw)
    quint16 vendorId = 0;
    quint16 productId = 0;
    quint16 usagePage = 0;
    quint16 usage = 0;
};
using HidEnumerator = std::function<QVector<HidInterfaceEntry>()>;

// HID collection of an enumeration entry: 1 for usage page 1 / usage 2 (mouse),
// 4 for usage page 1 / usage 0 (vendor), else 0.
int collectionNumber(unsigned usagePage, unsigned usage);
// The Windows-style interface name "HID#VID_248A&PID_FA02&col04#<path>".
QString hidInterfaceName(const HidInterfaceEntry &entry);
