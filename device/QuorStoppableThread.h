#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

// A polling thread with a stop flag whose pauses the stop wakes.
class QuorStoppableThread : public QThread
{
    Q_OBJECT
public:
    // Sets the stop flag and wakes a pause; the loop ends at its next check.
    void stop();
    bool isStopping() const { return m_bStop; }

protected:
    // Sleeps up to ms, less when stopped; tests' replaced sleep only counts it.
    void pause(int ms);

private:
    std::atomic<bool> m_bStop{false};
    QMutex m_wakeMutex;
    QWaitCondition m_wake;
};
