#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

#include <array>

constexpr int MaxLanguages = 10;
constexpr int BatteryFullDefault = 4200;

struct LanguageList
{
    qint32 count = 0;
    std::array<QString, MaxLanguages> names{};
    std::array<QString, MaxLanguages> files{};
};

QString configIniPath();     // configDirPath() + "/Config.ini"
QString langConfigIniPath(); // configDirPath() + "/LangConfig.ini"

// Writers return true when the file was written.
bool saveCurrentProfileId(int index);
bool saveProfileNames(const SettingsBlock &block);
bool saveAllSettings(const SettingsBlock &block);
int readConfigDiff();
bool writeConfigDiff(int value);
// Bit i set for each profile i whose settings the mouse has not been sent yet; they
// go out in full once that profile is current, also after a restart.
constexpr int AllProfilesMask = (1 << ProfileCount) - 1;
int readWaitingProfiles();
bool writeWaitingProfiles(int mask);
// "Config/Diff" and "Config/DiffProfiles" in one write.
bool writeWriteState(int diff, int waitingMask);
bool writeLangId(int index);
int readLangId();
void readFontList(LanguageList &list);
// The language count clamped to 0..10, for callers that index the lists.
int usableLanguageCount(const LanguageList &list);
bool writeCurrentProductName(const QString &name);
// The stored name; the model descriptor's when none is stored.
QString readCurrentProductName();
// "Mouse_List/0", the name the mouse is opened by; the model descriptor's when it is
// missing or empty.
QString readMouseListName();
// The product whose folder holds the per-model files: the current one, or while no
// mouse is connected (an empty name) the mouse list's, the folder the mouse will use.
QString modelFolderProductName();
int readMouseSensor();
int readMouseLedMode();
// "MouseName/Name": the model a profile or configuration file was written for.
QString mouseNameKey();
bool writeMouseName(const QString &name, const QString &iniPath);
QString readMouseName(const QString &iniPath);
bool writeBattery(int percent);
int readBattery();
int readBatteryFull();
QString readConfigModel();
// "FONT_LIST/FONT_<lang>" and "FONT_LIST/FONT_SIZE_<lang>".
QString readFontFamily(int languageIndex);
int readFontSize(int languageIndex);
