#include "storage/ConfigExport.h"

#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"

namespace {
QString exportSection(int index)
{
    return QStringLiteral("PROFILE_") + QString::number(index);
}

void writeBlock(IniFile &ini, const SettingsBlock &block)
{
    writeBlockHeader(ini, block);
    for (int i = 0; i < ProfileCount; ++i)
        writeProfileKeys(ini, exportSection(i), block.profiles[i], LedSwitchKeys::Skipped);
}
}

bool exportProfiles(const SettingsBlock &block, const QString &fileName)
{
    IniFile ini(fileName);
    writeBlock(ini, block);
    return ini.commit();
}

bool exportConfiguration(const QString &mouseName, const SettingsBlock &block, const QString &fileName)
{
    IniFile ini(fileName);
    ini.setValue(mouseNameKey(), mouseName);
    writeBlock(ini, block);
    return ini.commit();
}

bool exportProfileSection(int index, const ProfileRecord &record, const QString &fileName)
{
    IniFile ini(fileName);
    writeProfileKeys(ini, exportSection(index), record, LedSwitchKeys::Skipped);
    return ini.commit();
}

bool holdsProfileSections(const QString &fileName)
{
    const IniFile ini(fileName);
    if (ini.lastLineCut())
        return false;
    for (int i = 0; i < ProfileCount; ++i) {
        if (!holdsProfileKeys(ini, exportSection(i), LedSwitchKeys::Skipped))
            return false;
    }
    return true;
}

// Every stored field is replaced, missing keys giving 0, empty text or an invalid
// colour; LedMoveOFF and LedSleepTime keep their values.
void importProfiles(SettingsBlock &block, const QString &fileName)
{
    readBlockHeader(IniFile(fileName), block);
    for (int i = 0; i < ProfileCount; ++i)
        importProfileSection(i, block.profiles[i], fileName);
}

void importProfileSection(int index, ProfileRecord &record, const QString &fileName)
{
    readProfileKeys(IniFile(fileName), exportSection(index), record, LedSwitchKeys::Skipped);
}
