#include "storage/SettingsBlock.h"

SettingsBlock workingSettings;
SettingsBlock lastWrittenSettings;

int safeProfileIndex(int index)
{
    return (index >= 0 && index < ProfileCount) ? index : 0;
}

int safeLedMode(int mode)
{
    return (mode >= 0 && mode < LedModeCount) ? mode : DefaultLedMode;
}

ProfileRecord &currentRecord(SettingsBlock &block)
{
    return block.profiles[safeProfileIndex(block.currentProfile)];
}

const ProfileRecord &currentRecord(const SettingsBlock &block)
{
    return block.profiles[safeProfileIndex(block.currentProfile)];
}

// TODO(storage): factory defaults
void resetProfileToDefaults(ProfileRecord &record)
{
    record = ProfileRecord();
}

void initSettingsBlock(SettingsBlock &block)
{
    block.currentProfile = 0;
    block.AngleValue = 0;
    block.LiftHigh = 2;
    for (int i = 0; i < ProfileCount; ++i) {
        resetProfileToDefaults(block.profiles[i]);
        block.names[i] = QStringLiteral("Profile %1").arg(i + 1);
    }
}
