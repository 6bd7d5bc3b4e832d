#include "device/QuorHidReadThread2.h"

#include "device/DeviceTable.h"
#include "device/StatusReports.h"

#include <hidapi.h>

#include <QDebug>

namespace {
constexpr int ReadTimeout = 50;
constexpr int TurnPause = 100;
} // namespace

void QuorHidReadThread2::run()
{
    qDebug("QuorHidReadThread2.\n");
    {
        QMutexLocker lock(&deviceMutex());
        if (hid_device *handle = deviceHandle(CableVendor))
            hid_set_nonblocking(handle, 0);
    }
    while (runTurn())
        pause(TurnPause);
}

bool QuorHidReadThread2::runTurn()
{
    if (isStopping()) {
        qDebug("QuorHidReadThread 2 isStop.\n");
        return false;
    }
    quint8 report[VendorReportSize] = {};
    {
        QMutexLocker lock(&deviceMutex());
        hid_device *handle = deviceHandle(CableVendor);
        if (!handle)
            return false;
        if (readStatusReply(handle, report, ReadTimeout) <= 0)
            return true;
    }
    qDebug("Threadread2 %x %x %x %x %x %x %x %x\n", report[0], report[1], report[2], report[3], report[4], report[5],
           report[6], report[7]);
    return true;
}
