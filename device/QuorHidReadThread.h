#pragma once

#include "device/QuorStoppableThread.h"

// Reads host-action notifications on the receiver vendor interface and runs them.
class QuorHidReadThread : public QuorStoppableThread
{
    Q_OBJECT
public:
    // One read (with a time-out, so a stop is seen); false when the loop ends.
    bool runTurn();

protected:
    void run() override;
};
