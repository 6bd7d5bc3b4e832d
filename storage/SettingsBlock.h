#pragma once

#include "storage/FunctionCodes.h"

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>

constexpr int ProfileCount = 5;
constexpr int DpiStageCount = 8;
constexpr int ButtonSlotCount = 42;
constexpr int KeyStepCount = 63;
constexpr int LedModeCount = 14;
constexpr int DefaultLedMode = 9;

// One step of a button slot: [type, DataL, DataH] as the device takes it.
struct KeyStep
{
    quint8 map = 0;
    quint8 key = 0;
    quint8 H = 0;
    bool operator==(const KeyStep &o) const { return map == o.map && key == o.key && H == o.H; }
    bool operator!=(const KeyStep &o) const { return !(*this == o); }
};

struct DpiStage
{
    quint8 used = 0;
    quint8 link = 0;
    quint32 xy = 0;
    quint32 x = 0;
    quint32 y = 0;
};

struct ButtonSlot
{
    qint32 ID = 0;
    qint32 Fun = 0;
    qint32 LoopNumber = 0;
    qint32 KeyNumber = 0;
    std::array<KeyStep, KeyStepCount> KeyInfo{};
    quint8 Res1 = 0;
    quint8 Res2 = 0;
    quint8 Res3 = 0;
    quint8 Res4 = 0;
    QString macroname;
};

struct LedModeRecord
{
    QColor color;
    qint32 h = 0;
    qint32 s = 0;
    qint32 v = 0;
    qint32 bright = 0;
    qint32 breath = 0;
};

struct ProfileRecord
{
    quint8 pollrate = 0;
    quint8 dpi = 0;
    quint8 LedMode = 0;
    quint8 reserved = 0;
    quint8 LedMoveOFF = 0;
    quint8 LedSleepTime = 0;
    std::array<DpiStage, DpiStageCount> stages{};
    quint8 mousespeed = 0;
    quint8 dbclickspeed = 0;
    quint8 scrollispage = 0;
    quint8 scrollspeed = 0;
    quint8 accelenable = 0;
    quint8 acee = 0;
    std::array<ButtonSlot, ButtonSlotCount> buttons{};
    std::array<LedModeRecord, LedModeCount> ledModes{};
    QString ProfileName;
    QString ProfilePath;
};

struct SettingsBlock
{
    quint8 currentProfile = 0;
    std::array<ProfileRecord, ProfileCount> profiles{};
    quint8 AngleValue = 0;
    quint8 LiftHigh = 0;
    quint8 Count = 0;
    std::array<QString, ProfileCount> names{};
};

// Every field compared, the unstored ones too.
bool operator==(const DpiStage &a, const DpiStage &b);
bool operator==(const ButtonSlot &a, const ButtonSlot &b);
bool operator==(const LedModeRecord &a, const LedModeRecord &b);
bool operator==(const ProfileRecord &a, const ProfileRecord &b);

// The working block (what the user edits) and the last-written block (what was
// last loaded from or written to the device).
extern SettingsBlock workingSettings;
extern SettingsBlock lastWrittenSettings;

// Stored indexes checked where they are used: a profile index outside 0..4 means
// profile 0, a LedMode above 13 means the default effect 9.
int safeProfileIndex(int index);
int safeLedMode(int mode);
// The block's current profile record, profile 0 when the stored index is out of range.
ProfileRecord &currentRecord(SettingsBlock &block);
const ProfileRecord &currentRecord(const SettingsBlock &block);

// The record that holds the lighting while `slot` is current: the one the lighting
// page edits and an upload's lighting table, LED mode and LED switches come from.
// Profile 0 for the product "X642", else the slot itself.
int lightingProfileIndex(int slot);
// The lighting record of the block's current profile.
ProfileRecord &lightingRecord(SettingsBlock &block);
const ProfileRecord &lightingRecord(const SettingsBlock &block);

// The model descriptor's factory profile; the built-in one without a whole descriptor.
void resetProfileToDefaults(ProfileRecord &record);
void initSettingsBlock(SettingsBlock &block);
