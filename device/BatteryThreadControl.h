#pragma once

#include <QObject>

class QuorGetBatteryThread;

// Owns the status thread. Lives on the GUI thread: only that thread starts and stops
// it; calls from another thread are carried over by a blocking queued call. The
// thread's news is passed on through this object's signals.
class BatteryThreadControl : public QObject
{
    Q_OBJECT
public:
    explicit BatteryThreadControl(QObject *parent = nullptr);
    ~BatteryThreadControl() override;

    bool isBatteryThreadRunning() const;

public slots:
    // Stops a running thread first, then starts a new one; returns 1.
    int startBatteryThread();
    // Sets the stop flag, wakes the thread's pause and waits until it has ended. Its
    // status news not yet passed on is kept (keepStatusNews) for the next thread.
    void stopBatteryThread();

signals:
    void RefreshBatteryStatus(uchar charging, uchar low, uchar high);
    void RefreshStatus(uchar profile, uchar stage, uchar rate, uchar mode);
    void RefreshWriteStatus(uchar status);

protected:
    // The start and stop themselves, on the GUI thread.
    virtual void startOnOwnThread();
    virtual void stopOnOwnThread();

private:
    bool onOwnThread() const;
    void passStatusNews(uchar profile, uchar stage, uchar rate, uchar mode);

    QuorGetBatteryThread *m_batteryThread = nullptr;
    bool m_bKeepNews = false;
};
