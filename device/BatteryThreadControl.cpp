#include "device/BatteryThreadControl.h"

#include "device/QuorGetBatteryThread.h"
#include "device/StatusReports.h"

#include <QCoreApplication>
#include <QThread>

BatteryThreadControl::BatteryThreadControl(QObject *parent) : QObject(parent) {}

BatteryThreadControl::~BatteryThreadControl()
{
    BatteryThreadControl::stopOnOwnThread();
}

bool BatteryThreadControl::onOwnThread() const
{
    return QThread::currentThread() == thread();
}

bool BatteryThreadControl::isBatteryThreadRunning() const
{
    return m_batteryThread && m_batteryThread->isRunning();
}

int BatteryThreadControl::startBatteryThread()
{
    if (!onOwnThread()) {
        int result = 0;
        QMetaObject::invokeMethod(this, &BatteryThreadControl::startBatteryThread, Qt::BlockingQueuedConnection,
                                  &result);
        return result;
    }
    startOnOwnThread();
    return 1;
}

void BatteryThreadControl::startOnOwnThread()
{
    stopOnOwnThread();
    m_batteryThread = new QuorGetBatteryThread;
    connect(m_batteryThread, &QuorGetBatteryThread::RefreshBatteryStatus, this,
            &BatteryThreadControl::RefreshBatteryStatus);
    connect(m_batteryThread, &QuorGetBatteryThread::RefreshStatus, this, &BatteryThreadControl::passStatusNews);
    connect(m_batteryThread, &QuorGetBatteryThread::RefreshWriteStatus, this,
            &BatteryThreadControl::RefreshWriteStatus);
    m_batteryThread->start();
}

void BatteryThreadControl::stopBatteryThread()
{
    if (!onOwnThread()) {
        QMetaObject::invokeMethod(this, &BatteryThreadControl::stopBatteryThread, Qt::BlockingQueuedConnection);
        return;
    }
    stopOnOwnThread();
    // What the ended thread read and the window has not seen yet is kept, in order: a
    // write that comes next may overwrite it, else the next thread passes it on.
    m_bKeepNews = true;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    m_bKeepNews = false;
}

void BatteryThreadControl::passStatusNews(uchar profile, uchar stage, uchar rate, uchar mode)
{
    if (m_bKeepNews)
        keepStatusNews(StatusNews{profile, stage, rate, mode});
    else
        emit RefreshStatus(profile, stage, rate, mode);
}

void BatteryThreadControl::stopOnOwnThread()
{
    if (!m_batteryThread)
        return;
    m_batteryThread->stop();
    m_batteryThread->wait();
    delete m_batteryThread;
    m_batteryThread = nullptr;
}
