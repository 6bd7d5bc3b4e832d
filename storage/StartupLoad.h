#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

void loadAllSettings(SettingsBlock &block);

// The process-wide profile list.
void writeProfileList(const SettingsBlock &block);
void readProfileList(SettingsBlock &block);
int findProfileByName(const QString &name);
