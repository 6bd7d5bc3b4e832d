#pragma once

#include "device/QuorStoppableThread.h"

// Reads and logs the reports of the cable vendor interface.
class QuorHidReadThread2 : public QuorStoppableThread
{
    Q_OBJECT
public:
    // One read (with a time-out); false when the loop ends.
    bool runTurn();

signals:
    void RefreshProfile(uchar profile);
    void RefreshLightModeSignal(uchar mode, uchar value);
    void RefreshDPIStage(uchar stage);
    void RefreshPollRate(uchar rate);

protected:
    void run() override;
};
