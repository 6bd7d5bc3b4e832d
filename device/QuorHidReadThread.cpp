#include "device/QuorHidReadThread.h"

#include "device/DeviceTable.h"
#include "device/HostActions.h"
#include "device/VendorReport.h"

#include <hidapi.h>

#include <QDebug>

namespace {
constexpr int NotificationSize = 8;
constexpr int ReadTimeout = 100;
constexpr int TurnPause = 100;
} // namespace

void QuorHidReadThread::run()
{
    qDebug("QuorHidReadThread.\n");
    {
        QMutexLocker lock(&deviceMutex());
        if (hid_device *handle = deviceHandle(ReceiverVendor))
            hid_set_nonblocking(handle, 0);
    }
    while (runTurn())
        pause(TurnPause);
}

bool QuorHidReadThread::runTurn()
{
    if (isStopping()) {
        qDebug("QuorHidReadThread isStop.\n");
        return false;
    }
    quint8 report[NotificationSize] = {};
    {
        QMutexLocker lock(&deviceMutex());
        hid_device *handle = deviceHandle(ReceiverVendor);
        if (!handle)
            return false;
        if (readVendorReport(handle, report, NotificationSize, ReadTimeout) <= 0)
            return true;
    }
    qDebug("Threadread1 %x %x %x %x %x %x %x %x\n", report[0], report[1], report[2], report[3], report[4], report[5],
           report[6], report[7]);
    if (report[1] == 0xFF)
        runHostAction(report[2]);
    return true;
}
