#pragma once

#include "storage/IniFile.h"
#include "storage/SettingsBlock.h"

#include <QString>

// LedMoveOFF and LedSleepTime live in profile files but not in export files.
enum class LedSwitchKeys { Stored, Skipped };

// The whole key set of one profile record under "<section>/", walked by one key
// walker for writing and reading, so the two can never drift apart.
void writeProfileKeys(IniFile &ini, const QString &section, const ProfileRecord &record,
                      LedSwitchKeys ledSwitches);
// Replaces every field that has a key; a missing key gives 0, empty text or an
// invalid colour (LedMoveOFF 255, LedSleepTime 1).
void readProfileKeys(const IniFile &ini, const QString &section, ProfileRecord &record,
                     LedSwitchKeys ledSwitches);
// Reads the keys the section holds and leaves the fields of the keys it lacks (a
// number key without a number is lacking), and a button slot lacking any key whole;
// true when it lacks none.
bool readHeldProfileKeys(const IniFile &ini, const QString &section, ProfileRecord &record,
                         LedSwitchKeys ledSwitches);
// Whether the section holds every key the writer writes for a record.
bool holdsProfileKeys(const IniFile &ini, const QString &section, LedSwitchKeys ledSwitches);

// Where a profile's keys live: an empty file name means Config.ini with the section
// "PROFILE_<index>", any other file the section "PROFILE".
QString profileIniPath(const QString &fileName);
QString profileSection(int index, const QString &fileName);

// "Config/Profile<slot + 1>"
QString profileNameKey(int slot);
// "Config/ProfileID", "Config/AngleValue", "Config/LiftHigh", "Config/Count" and the
// five profile names, as Config.ini and export files hold them.
void writeBlockHeader(IniFile &ini, const SettingsBlock &block);
void readBlockHeader(const IniFile &ini, SettingsBlock &block);
