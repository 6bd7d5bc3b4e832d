#include "device/BatteryThreadControl.h"

#include "device/QuorGetBatteryThread.h"

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
    connect(m_batteryThread, &QuorGetBatteryThread::RefreshStatus, this, &BatteryThreadControl::RefreshStatus);
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
