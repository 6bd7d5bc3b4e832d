#include "device/QuorStoppableThread.h"

#include "platform/Sleep.h"

void QuorStoppableThread::stop()
{
    QMutexLocker lock(&m_wakeMutex);
    m_bStop = true;
    m_wake.wakeAll();
}

void QuorStoppableThread::pause(int ms)
{
    if (sleepReplacedForTests()) {
        sleepMs(ms);
        return;
    }
    QMutexLocker lock(&m_wakeMutex);
    if (!m_bStop)
        m_wake.wait(&m_wakeMutex, ulong(ms));
}
