#include "device/QuorGetBatteryThread.h"

#include "device/DeviceState.h"
#include "device/DeviceTable.h"
#include "device/StatusReports.h"

#include <hidapi.h>

#include <QDebug>

namespace {

constexpr int RequestPause = 10;
constexpr int ReadTimeout = 50;
constexpr int AfterRequestPause = 450;
constexpr int AfterFailurePause = 450;
constexpr int AfterReadPause = 400;
constexpr int LastTurn = 57;

// Reads one reply under the device mutex; -1 when the vendor interface is gone.
int lockedRead(quint8 *reply)
{
    QMutexLocker lock(&deviceMutex());
    hid_device *handle = vendorHandle();
    if (!handle)
        return -1;
    return readStatusReply(handle, reply, ReadTimeout);
}

} // namespace

QuorGetBatteryThread::QuorGetBatteryThread() = default;

void QuorGetBatteryThread::run()
{
    qDebug("QuorGetBatteryThread.\n");
    while (runTurn()) {
    }
}

bool QuorGetBatteryThread::runTurn()
{
    if (isStopping()) {
        qDebug("QuorGetBatteryThread Stop.\n");
        return false;
    }
    // What the echo check read meanwhile came first.
    for (const StatusNews &news : takeKeptStatusNews())
        emit RefreshStatus(news.profile, news.stage, news.rate, news.mode);
    {
        QMutexLocker lock(&deviceMutex());
        if (!vendorHandle())
            return false;
    }
    if (m_iCounter == 0)
        requestTurn();
    else {
        ++m_iCounter;
        readTurn();
    }
    if (m_iCounter == LastTurn)
        m_iCounter = 0;
    return true;
}

void QuorGetBatteryThread::requestTurn()
{
    quint8 reply[VendorReportSize] = {};
    int n = -1;
    {
        QMutexLocker lock(&deviceMutex());
        if (hid_device *handle = vendorHandle()) {
            if (writeStatusRequest(handle) < 0)
                qDebug("Unable to send a feature report.\n");
            pause(RequestPause);
            n = readStatusReply(handle, reply, ReadTimeout);
        }
    }
    if (n < 0) {
        emit RefreshBatteryStatus(0, 0, 0);
    } else {
        qDebug("Threadread bat - %x %x %x %x %x %x %x %x\n", reply[0], reply[1], reply[2], reply[3], reply[4],
               reply[5], reply[6], reply[7]);
        handleReply(reply, n);
    }
    m_iCounter = 2;
    pause(AfterRequestPause);
    readTurn();
}

void QuorGetBatteryThread::readTurn()
{
    if (isStopping())
        return;
    quint8 reply[VendorReportSize] = {};
    const int n = lockedRead(reply);
    if (n < 0) {
        qDebug("Unable to read a feature report 1.\n");
        pause(AfterFailurePause);
        return;
    }
    handleReply(reply, n);
    pause(AfterReadPause);
}

void QuorGetBatteryThread::handleReply(const quint8 *reply, int n)
{
    const quint8 kind = replyKind(reply, n);
    if (kind == StatusReply)
        emit RefreshStatus(reply[4], reply[5], reply[6], reply[7]);
    else if (kind == BatteryReply)
        handleBatteryReply(reply);
}

void QuorGetBatteryThread::handleBatteryReply(const quint8 *reply)
{
    lastStatusByte = reply[10];
    emit RefreshBatteryStatus(reply[6], reply[4], reply[5]);
    if (reply[4] || reply[5] || reply[6])
        emit RefreshWriteStatus(reply[7]);
}
