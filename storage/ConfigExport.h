#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

// The exporters return true when the file was written.
bool exportProfiles(const SettingsBlock &block, const QString &fileName);
bool exportProfileSection(int index, const ProfileRecord &record, const QString &fileName);
// Whether the file is whole (its last line ends) and each of the five profile sections
// holds every key of a profile: a file of another kind, or one cut short, would load
// zeros or a cut number.
bool holdsProfileSections(const QString &fileName);
void importProfiles(SettingsBlock &block, const QString &fileName);
void importProfileSection(int index, ProfileRecord &record, const QString &fileName);
