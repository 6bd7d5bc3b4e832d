#include "storage/StartupLoad.h"

#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileKeys.h"

#include <vector>

namespace {
const QString kProfileId = QStringLiteral("Config/ProfileID");
const QString kAngleValue = QStringLiteral("Config/AngleValue");
const QString kLiftHigh = QStringLiteral("Config/LiftHigh");
const QString kListCount = QStringLiteral("PROFILE_LIST/Count");

// The process-wide profile list: filled only by readProfileList.
std::vector<ProfileRecord> &profileList()
{
    static std::vector<ProfileRecord> list;
    return list;
}

QString listNameKey(int n)
{
    return QStringLiteral("PROFILE_LIST/") + QString::number(n);
}
}

// A slot whose file is in neither profile tree, or cut short, takes the factory
// profile for what it lacks: zeros would reach the mouse as no click, no DPI stage
// and report rate 0.
void loadAllSettings(SettingsBlock &block)
{
    readBlockHeader(IniFile(configIniPath()), block);
    for (int i = 0; i < ProfileCount; ++i)
        loadSlotProfile(block.profiles[i], block.names[i]);
    loadButtonMatrix(buttonMatrix.data());
}

// Also records the names "PROFILE_LIST/<n>", so readProfileList finds the files again.
bool writeProfileList(const SettingsBlock &block)
{
    const std::vector<ProfileRecord> &list = profileList();
    bool saved = true;
    {
        IniFile ini(configIniPath());
        ini.setValue(kProfileId, uint(block.currentProfile));
        ini.setValue(kAngleValue, uint(block.AngleValue));
        ini.setValue(kLiftHigh, uint(block.LiftHigh));
        ini.setValue(kListCount, uint(list.size()));
        for (size_t n = 0; n < list.size(); ++n)
            ini.setValue(listNameKey(int(n) + 1), list[n].ProfileName);
        saved = ini.commit();
    }
    for (const ProfileRecord &record : list)
        saved = saveProfileFile(record, record.ProfileName) && saved;
    return saved;
}

void readProfileList(SettingsBlock &block)
{
    QStringList names;
    {
        IniFile ini(configIniPath());
        block.currentProfile = quint8(ini.number(kProfileId));
        block.AngleValue = quint8(ini.number(kAngleValue));
        block.LiftHigh = quint8(ini.number(kLiftHigh));
        block.Count = quint8(ini.number(kListCount));
        for (int n = 1; n <= block.Count; ++n)
            names << ini.text(listNameKey(n));
    }
    ProfileRecord scratch;
    for (const QString &name : names) {
        loadProfileFile(scratch, name);
        profileList().push_back(scratch);
    }
}

int findProfileByName(const QString &name)
{
    const std::vector<ProfileRecord> &list = profileList();
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].ProfileName == name)
            return int(i);
    }
    return -1;
}
