#pragma once

#include "device/QuorStoppableThread.h"

// Polls the mouse for battery and status news: a status request every 56 turns, one
// read every turn.
class QuorGetBatteryThread : public QuorStoppableThread
{
    Q_OBJECT
public:
    QuorGetBatteryThread();

    // One turn of the loop; false when the loop ends (stopped or no vendor interface).
    bool runTurn();
    int turnCounter() const { return m_iCounter; }

signals:
    void RefreshBatteryStatus(uchar charging, uchar low, uchar high);
    void RefreshStatus(uchar profile, uchar stage, uchar rate, uchar mode);
    void RefreshWriteStatus(uchar status);

protected:
    void run() override;

private:
    void requestTurn();
    void readTurn();
    // Emits the news of an 'H' or 'I' reply of n bytes; other replies are passed over.
    void handleReply(const quint8 *reply, int n);
    void handleBatteryReply(const quint8 *reply);

    int m_iCounter = 0;
};
