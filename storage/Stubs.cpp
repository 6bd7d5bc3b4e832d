// Placeholders until the storage functions land; every one returns its missing-file default.
#include "storage/ChangeDetection.h"
#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/KeyCodes.h"
#include "storage/LedKeys.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/SensorDpi.h"
#include "storage/StartupLoad.h"
#include "storage/Theme.h"
#include "storage/AppFolder.h"

std::array<quint8, MatrixSize> buttonMatrix{};

QString profileFilePath(const QString &name) { return configDirPath() + "/Profile/" + name + ".prof"; }
QString modelProfileFilePath(const QString &p, const QString &name) { return configDirPath() + "/" + p + "/Profile/" + name + ".prof"; }
bool isSafeProfileName(const QString &name) { return !name.isEmpty(); }
void saveProfile(int, const ProfileRecord &, const QString &) {}
void loadProfile(int, ProfileRecord &r, const QString &) { r = ProfileRecord(); r.LedMoveOFF = 255; r.LedSleepTime = 1; }
void saveProfileFile(const ProfileRecord &, const QString &) {}
void loadProfileFile(ProfileRecord &r, const QString &n) { loadProfile(0, r, n); }
void saveProfileDpi(const QString &, int) {}
void writeDefaultProfileFile() {}
void loadAllSettings(SettingsBlock &) {}
void writeProfileList(const SettingsBlock &) {}
void readProfileList(SettingsBlock &) {}
int findProfileByName(const QString &) { return -1; }
int detectSettingsChanges(const SettingsBlock &, const SettingsBlock &) { return 0; }
void exportProfiles(const SettingsBlock &, const QString &) {}
void exportProfileSection(int, const ProfileRecord &, const QString &) {}
void importProfiles(SettingsBlock &, const QString &) {}
void importProfileSection(int, ProfileRecord &, const QString &) {}
void loadProfileLedKeys(int, ProfileRecord &, const QString &) {}
void loadProfileLedFile(ProfileRecord &, const QString &) {}
void loadAllProfileLedFiles(SettingsBlock &) {}
void saveProfileLedKeys(int, const ProfileRecord &, const QString &) {}
void saveProfileLedFile(const ProfileRecord &, const QString &) {}
void saveAllProfileLedFiles(const SettingsBlock &) {}
void writeProfileLedKeys(const QString &, quint8, const QColor &, quint32, quint32, quint32, quint32, quint32) {}
QString configIniPath() { return configDirPath() + "/Config.ini"; }
QString langConfigIniPath() { return configDirPath() + "/LangConfig.ini"; }
void saveCurrentProfileId(int) {}
void saveProfileNames(const SettingsBlock &) {}
void saveAllSettings(const SettingsBlock &) {}
int readConfigDiff() { return 0; }
void writeConfigDiff(int) {}
void writeLangId(int) {}
int readLangId() { return 0; }
void readFontList(LanguageList &) {}
int usableLanguageCount(const LanguageList &l) { return qBound(0, l.count, MaxLanguages); }
void writeCurrentProductName(const QString &) {}
QString readCurrentProductName() { return QString(); }
int countMacros() { return 0; }
int readMouseSensor() { return 0; }
int readMouseLedMode() { return 0; }
void writeMouseName(const QString &, const QString &) {}
QString readMouseName(const QString &) { return QString(); }
void writeBattery(int) {}
int readBattery() { return 0; }
int readBatteryFull() { return BatteryFullDefault; }
QString readConfigModel() { return QString(); }
QString readFontFamily(int) { return QString(); }
int readFontSize(int) { return 0; }
QString macroFilePath(const QString &name) { return configDirPath() + "/MacroDB/" + name + ".MSMACRO"; }
QString modelDescriptorPath() { return appDirPath() + "/DefaultProfile.bin"; }
int modelButtonCount() { return 0; }
int modelDpiStageCount() { return 0; }
int loadButtonMatrix(quint8 *) { return -1; }
int loadButtonMatrix2(quint8 *) { return -1; }
QString modelProductName() { return QString(); }
QString modelDocumentsPath() { return QString(); }
QString modelVersion() { return QString(); }
bool modelLanguage(int) { return false; }
int modelDisableMacro() { return 0; }
int modelShowUpdate() { return 1; }
int modelShowSleep() { return 1; }
int loadModelDefaults(ModelDescriptor &) { return -1; }
QString xorStringWithByte(const QString &t, int) { return t; }
int xorValues(int a, int b) { return a ^ b; }
bool keyCodeToHidUsage(int, int *) { return false; }
bool hidUsageToKeyCode(int, int *) { return false; }
QString keyCodeName(unsigned) { return QString(); }
int sensorDpiFromRaw(int, int) { return 0; }
bool isNearValue(int a, int b) { return a >= b - 9 && a <= b + 9; }
QColor themePaletteColor(int) { return QColor(255, 0, 0); }
int readThemeColorId() { return 0; }
void writeThemeColorId(int) {}
QColor themeColor() { return QColor(255, 0, 0); }
QString menuStyleSheet() { return QString(); }
