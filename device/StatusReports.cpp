#include "device/StatusReports.h"

#include <hidapi.h>

#include <cstring>

int writeStatusRequest(hid_device *handle)
{
    quint8 request[VendorReportSize] = {0x05, 0x24, 0xFA, 0x48};
    return hid_write(handle, request, VendorReportSize);
}

int readStatusReply(hid_device *handle, quint8 *reply, int timeoutMs)
{
    std::memset(reply, 0, VendorReportSize);
    const int n = readVendorReport(handle, reply, VendorReportSize, timeoutMs);
    if (n <= 0)
        std::memset(reply, 0, VendorReportSize);
    return n;
}
