#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

// configDirPath() + "/Profile/" + name + ".prof"; empty when the name is empty or
// could leave the Profile folder (a "/" or "\", or a bare "." or "..").
QString profileFilePath(const QString &name);
// The same rule for the per-model tree: configDirPath() + "/" + product + "/Profile/".
QString modelProfileFilePath(const QString &productName, const QString &name);
bool isSafeProfileName(const QString &name);
// The file of a name in the configuration's profile tree, else in the model's
// folder (modelFolderProductName); empty when neither holds one.
QString existingProfileFile(const QString &name);

// fileName empty: Config.ini, section "PROFILE_<index>"; else that file, section "PROFILE".
// Writers return true when every file was written; a name that gives no path writes nothing
// and returns false.
bool saveProfile(int index, const ProfileRecord &record, const QString &fileName);
void loadProfile(int index, ProfileRecord &record, const QString &fileName);
// Whether the file is whole (its last line ends) and its section "PROFILE" holds every
// key of a profile.
bool holdsProfile(const QString &fileName);

bool saveProfileFile(const ProfileRecord &record, const QString &name);
void loadProfileFile(ProfileRecord &record, const QString &name);
// A slot's profile: the keys its file lacks (all of them when there is no file, the
// key of a last line cut short) take the factory profile's values, and a button slot
// lacking any key takes the factory one whole.
// The file is not changed.
void loadSlotProfile(ProfileRecord &record, const QString &name);
// Write only the stage or the report-rate code, into the file existingProfileFile
// finds; false when there is none or it cannot be written.
bool saveProfileDpi(const QString &name, int stage);
bool saveProfileRate(const QString &name, int rate);
bool writeDefaultProfileFile();
