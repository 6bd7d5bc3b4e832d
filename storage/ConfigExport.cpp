#include "storage/ConfigExport.h"

#include "storage/IniFile.h"
#include "storage/ProfileKeys.h"

namespace {
QString exportSection(int index)
{
    return QStringLiteral("PROFILE_") + QString::number(index);
}
}

// Keys of the file that the export does not write stay in it.
bool exportProfiles(const SettingsBlock &block, const QString &fileName)
{
    bool saved = true;
    {
        IniFile ini(fileName);
        writeBlockHeader(ini, block);
        saved = ini.commit();
    }
    for (int i = 0; saved && i < ProfileCount; ++i)
        saved = exportProfileSection(i, block.profiles[i], fileName);
    return saved;
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
