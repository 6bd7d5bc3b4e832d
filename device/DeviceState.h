#pragma once

#include "storage/MouseMacroSlots.h"
#include "storage/SettingsBlock.h"

#include <QMap>
#include <QString>

#include <atomic>

// The device layer's own block: a copy of the working block taken at the start of
// each upload; every command builder reads it.
extern SettingsBlock deviceSettings;
// Macro number -> macro name, numbered by the button table command and consumed
// by the macro upload.
extern QMap<quint8, QString> macroIndexMap;
// Byte 10 of the last 'H' status reply.
extern std::atomic<quint8> lastStatusByte;
// 1 while the last battery status was all zeros: uploads are refused.
extern std::atomic<quint8> mouseOffFlag;
// The macro slots the running upload gives the names (empty names: number from 0).
extern MouseMacroSlots macroSlotPlan;
// False from an open until a settings packet is sent or the mouse names its profile:
// tables sent meanwhile could land in a profile the window does not show.
extern std::atomic<bool> mouseProfileKnown;
