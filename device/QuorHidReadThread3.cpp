#include "device/QuorHidReadThread3.h"

#include "device/DeviceTable.h"
#include "device/StatusReports.h"

#include <QDebug>

namespace {
constexpr int RequestPause = 10;
constexpr int ReadTimeout = 50;
constexpr int TurnPause = 1000;
} // namespace

void QuorHidReadThread3::run()
{
    qDebug("QuorHidReadThread3.\n");
    while (runTurn())
        pause(TurnPause);
}

bool QuorHidReadThread3::runTurn()
{
    if (isStopping()) {
        qDebug("QuorHidReadThread 3 isStop.\n");
        return false;
    }
    quint8 reply[VendorReportSize] = {};
    {
        QMutexLocker lock(&deviceMutex());
        hid_device *handle = deviceHandle(CableVendor);
        if (!handle)
            return false;
        if (writeStatusRequest(handle) < 0)
            qDebug("Unable to send a feature report.\n");
        pause(RequestPause);
        readStatusReply(handle, reply, ReadTimeout);
    }
    qDebug("Threadread3 %x %x %x %x %x %x %x %x\n", reply[0], reply[1], reply[2], reply[3], reply[4], reply[5],
           reply[6], reply[7]);
    return true;
}
