#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

void loadAllSettings(SettingsBlock &block);

// The process-wide profile list.
// True when Config.ini and every listed file were written.
bool writeProfileList(const SettingsBlock &block);
void readProfileList(SettingsBlock &block);
int findProfileByName(const QString &name);
