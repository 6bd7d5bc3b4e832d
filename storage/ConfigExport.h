#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

void exportProfiles(const SettingsBlock &block, const QString &fileName);
void exportProfileSection(int index, const ProfileRecord &record, const QString &fileName);
void importProfiles(SettingsBlock &block, const QString &fileName);
void importProfileSection(int index, ProfileRecord &record, const QString &fileName);
