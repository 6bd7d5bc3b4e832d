#pragma once

#include "storage/SettingsBlock.h"

class QuorDPIWindow;
class QuorReportRate;

// Apply's copy of what the DPI tab shows into the record it writes: the active stage
// and the eight stages of the DPI page, the report rate of the rate panel. The
// pointer and scroll speeds are already in the record the speed panel points at.
void storeUiIntoRecord(ProfileRecord &record, const QuorDPIWindow &dpiPage, const QuorReportRate &ratePanel);
