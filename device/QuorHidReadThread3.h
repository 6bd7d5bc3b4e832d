#pragma once

#include "device/QuorStoppableThread.h"

// Sends the status request on the cable vendor interface once a second and logs the reply.
class QuorHidReadThread3 : public QuorStoppableThread
{
    Q_OBJECT
public:
    // One request and read; false when the loop ends (stopped or no cable).
    bool runTurn();

protected:
    void run() override;
};
