#include "device/DeviceState.h"

SettingsBlock deviceSettings;
QMap<quint8, QString> macroIndexMap;
std::atomic<quint8> lastStatusByte{0};
std::atomic<quint8> mouseOffFlag{0};
MouseMacroSlots macroSlotPlan;
std::atomic<bool> mouseProfileKnown{false};
