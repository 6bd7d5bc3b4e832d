#pragma once

#include <QString>

// What the hot-plug handler reads from a device interface name such as
// "HID#VID_248A&PID_FA02&col04#/dev/hidraw2".
struct InterfaceName
{
    quint16 vendorId = 0;
    quint16 productId = 0;
    int collection = 0; // 1 mouse, 4 vendor; 0 when no pattern matches (ids 0 too)
    QString path;       // the text after the second '#': the path to open
};

InterfaceName parseInterfaceName(const QString &name);
