#include "storage/ConfigIni.h"

#include "storage/AppFolder.h"
#include "storage/IniFile.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileKeys.h"

#include <QStringList>

#include <climits>

namespace {
const QString kProfileId = QStringLiteral("Config/ProfileID");
const QString kCount = QStringLiteral("Config/Count");
const QString kDiff = QStringLiteral("Config/Diff");
const QString kDiffProfiles = QStringLiteral("Config/DiffProfiles");

int readConfigInt(const QString &key)
{
    return int(IniFile(configIniPath()).number(key));
}

bool writeValue(const QString &path, const QString &key, const QVariant &value)
{
    IniFile ini(path);
    ini.setValue(key, value);
    return ini.commit();
}

bool writeConfigValue(const QString &key, const QVariant &value)
{
    return writeValue(configIniPath(), key, value);
}
}

QString configIniPath()
{
    return configDirPath() + QStringLiteral("/Config.ini");
}

QString langConfigIniPath()
{
    return configDirPath() + QStringLiteral("/LangConfig.ini");
}

bool saveCurrentProfileId(int index)
{
    return writeConfigValue(kProfileId, index);
}

bool saveProfileNames(const SettingsBlock &block)
{
    IniFile ini(configIniPath());
    ini.setValue(kProfileId, uint(block.currentProfile));
    ini.setValue(kCount, uint(block.Count));
    for (int i = 0; i < ProfileCount; ++i)
        ini.setValue(profileNameKey(i), block.names[i]);
    return ini.commit();
}

// All five names and the file of every named slot, so edits in any slot survive.
// Slots that share a name share a file: the current slot's record is written to
// it, and no file twice.
// Every file is attempted even when an earlier one fails.
bool saveAllSettings(const SettingsBlock &block)
{
    bool saved = true;
    {
        IniFile ini(configIniPath());
        writeBlockHeader(ini, block);
        saved = ini.commit();
    }
    const int current = safeProfileIndex(block.currentProfile);
    QStringList written;
    for (int n = 0; n < ProfileCount; ++n) {
        const int i = (current + n) % ProfileCount;
        if (block.names[i].isEmpty() || written.contains(block.names[i]))
            continue;
        saved = saveProfileFile(block.profiles[i], block.names[i]) && saved;
        written << block.names[i];
    }
    return saved;
}

int readConfigDiff()
{
    return readConfigInt(kDiff);
}

bool writeConfigDiff(int value)
{
    return writeConfigValue(kDiff, value);
}

int readWaitingProfiles()
{
    return readConfigInt(kDiffProfiles) & AllProfilesMask;
}

bool writeWaitingProfiles(int mask)
{
    return writeConfigValue(kDiffProfiles, mask & AllProfilesMask);
}

bool writeWriteState(int diff, int waitingMask)
{
    IniFile ini(configIniPath());
    ini.setValue(kDiff, diff);
    ini.setValue(kDiffProfiles, waitingMask & AllProfilesMask);
    return ini.commit();
}

bool writeLangId(int index)
{
    return writeValue(langConfigIniPath(), QStringLiteral("Config/LangID"), index);
}

int readLangId()
{
    return int(IniFile(langConfigIniPath()).number(QStringLiteral("Config/LangID")));
}

void readFontList(LanguageList &list)
{
    IniFile ini(configIniPath());
    list.count = qint32(ini.number(QStringLiteral("FONT_LIST/LANGNUM")));
    for (int n = 0; n < MaxLanguages; ++n) {
        list.names[n] = ini.text(QStringLiteral("FONT_LIST/LangName_%1").arg(n));
        list.files[n] = ini.text(QStringLiteral("FONT_LIST/LangFile_%1").arg(n));
    }
}

int usableLanguageCount(const LanguageList &list)
{
    return qBound(0, int(list.count), MaxLanguages);
}

bool writeCurrentProductName(const QString &name)
{
    return writeConfigValue(QStringLiteral("Config/CurrentProductName"), name);
}

// A name that is not there (never stored, or its line cut) is the model's: a cut
// name would send the profiles to a folder of their own.
QString readCurrentProductName()
{
    const QVariant name = IniFile(configIniPath()).value(QStringLiteral("Config/CurrentProductName"));
    return name.isValid() ? variantText(name) : modelProductName();
}

QString readMouseListName()
{
    const QString name = IniFile(configIniPath()).text(QStringLiteral("Mouse_List/0"));
    return name.isEmpty() ? modelProductName() : name;
}

// An empty name would make the main folder the model's: its files would hide the
// model's own from then on.
QString modelFolderProductName()
{
    const QString name = readCurrentProductName();
    return name.isEmpty() ? readMouseListName() : name;
}

int readMouseSensor()
{
    return readConfigInt(QStringLiteral("MouseSenSor/1"));
}

int readMouseLedMode()
{
    const QString product = readCurrentProductName();
    return readConfigInt(QStringLiteral("MouseLEDMode/") + product);
}

QString mouseNameKey()
{
    return QStringLiteral("MouseName/Name");
}

bool writeMouseName(const QString &name, const QString &iniPath)
{
    return writeValue(iniPath, mouseNameKey(), name);
}

QString readMouseName(const QString &iniPath)
{
    return IniFile(iniPath).text(mouseNameKey());
}

bool writeBattery(int percent)
{
    return writeConfigValue(QStringLiteral("Config/Battery"), percent);
}

int readBattery()
{
    return readConfigInt(QStringLiteral("Config/Battery"));
}

// A value that is missing, not a number or not positive would pin the battery at
// 100 %: it counts as missing.
int readBatteryFull()
{
    const QVariant v = IniFile(configIniPath()).value(QStringLiteral("Config/BatteryFull"));
    bool ok = false;
    const qint64 mv = v.toLongLong(&ok);
    return (ok && mv > 0 && mv <= INT_MAX) ? int(mv) : BatteryFullDefault;
}

QString readConfigModel()
{
    return IniFile(configIniPath()).text(QStringLiteral("Config/Model"));
}

QString readFontFamily(int languageIndex)
{
    return IniFile(configIniPath()).text(QStringLiteral("FONT_LIST/FONT_%1").arg(languageIndex));
}

int readFontSize(int languageIndex)
{
    const qint64 size =
        IniFile(configIniPath()).number(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(languageIndex));
    return (size >= 0 && size <= INT_MAX) ? int(size) : 0;
}
