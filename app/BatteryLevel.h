#pragma once

#include <QtGlobal>

// All three battery bytes zero: the mouse is off or did not answer ("MOUSE OFF").
bool isMouseOffReport(quint8 charging, quint8 low, quint8 high);
// The battery word high * 256 + low in millivolts.
int batteryMillivolts(quint8 low, quint8 high);
// 100 from the full level up (a signed comparison), else the fixed steps 90 at 4100 mV
// down to 20 at 3200 mV (none at 3600 or 3300), else 10.
int batteryPercent(quint8 low, quint8 high, int fullMillivolts);
