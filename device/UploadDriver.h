#pragma once

#include "storage/MouseMacroSlots.h"
#include "storage/SettingsBlock.h"

#include <QtGlobal>

class BatteryThreadControl;

// The object the upload asks to stop the status thread before writing and to start it
// again after every attempt; null leaves the status thread alone.
void setBatteryThreadControl(BatteryThreadControl *control);
BatteryThreadControl *batteryThreadControl();

// Copies the block into deviceSettings and sends the parts of the change mask between
// the begin and end brackets, then the macros. Returns the first non-zero result, or 0;
// SendProfileChanged when the mouse reported another profile meanwhile. The current
// profile's macros take the slots given them (none given: numbered from 0).
quint8 uploadSettings(const SettingsBlock &block, int mask, const MouseMacroSlots &macroSlots = {});
