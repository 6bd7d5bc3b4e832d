#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

// The exporters return true when the file was written. Each writes the file in one
// step, so it holds either all of the new keys or none; keys of the file that the
// export does not write stay in it.
bool exportProfiles(const SettingsBlock &block, const QString &fileName);
// The same with the model name the configuration belongs to.
bool exportConfiguration(const QString &mouseName, const SettingsBlock &block, const QString &fileName);
bool exportProfileSection(int index, const ProfileRecord &record, const QString &fileName);
// Whether the file is whole (its last line ends) and each of the five profile sections
// holds every key of a profile: a file of another kind, or one cut short, would load
// zeros or a cut number.
bool holdsProfileSections(const QString &fileName);
void importProfiles(SettingsBlock &block, const QString &fileName);
void importProfileSection(int index, ProfileRecord &record, const QString &fileName);
