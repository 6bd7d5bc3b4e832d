#include "platform/HidInterface.h"

int collectionNumber(unsigned usagePage, unsigned usage)
{
    if (usagePage != 1)
        return 0;
    if (usage == 2)
        return 1;
    return usage == 0 ? 4 : 0;
}

QString hidInterfaceName(const HidInterfaceEntry &entry)
{
    return QString::asprintf("HID#VID_%04X&PID_%04X&col%02d#", entry.vendorId, entry.productId,
                             collectionNumber(entry.usagePage, entry.usage))
           + entry.path;
}
