#pragma once

#include "storage/SettingsBlock.h"

#include <QtGlobal>

// Each command returns the send routine's result of its first failing packet, else 0.

// Upload bracket 0x46: 0 begin, 1 end.
quint8 uploadSession(int phase);
// 0x01: wheel speeds and report rates of all profiles, lift, current profile settings
// (its active stage, 0 at or past the stage count sent), the LED mode and sleep
// settings of the lighting record.
quint8 sendGeneralSettings(const SettingsBlock &block);
// 0x02: the DPI stages of a profile of deviceSettings, encoded for the sensor.
quint8 sendDpiStages(int profile);
// 0x04: the lighting effect table of deviceSettings' lighting record.
quint8 sendLightingTable();
// 0x40 with flags 0x04, 0x01, 0x02, 0x08, 0x10.
quint8 commitAll();
// 0x44 with the profile index, then the 0x40 profile commit; results are not reported.
void setActiveProfile(int profile);

constexpr int DpiStageRecordSize = 5;
// The stage count sent: the model's, 8 when it lies outside 1..8.
int dpiStageCountToSend();
// The record of a stage of a profile of deviceSettings: its used byte (0 from the
// stage count on), then the two register values encoded for the sensor.
void buildDpiStageRecord(int profile, int stage, int count, quint8 *record);

// Device LED mode of a LedMode value (0..13; anything above gives 6).
quint8 deviceLedMode(int ledMode);
// The 80-byte lighting table of a profile.
void buildLightingTable(const ProfileRecord &record, quint8 *table);
