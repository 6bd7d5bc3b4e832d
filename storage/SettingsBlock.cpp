#include "storage/SettingsBlock.h"

#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"

SettingsBlock workingSettings;
SettingsBlock lastWrittenSettings;

bool operator==(const DpiStage &a, const DpiStage &b)
{
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const ButtonSlot &a, const ButtonSlot &b)
{
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber && a.KeyNumber == b.KeyNumber
           && a.KeyInfo == b.KeyInfo && a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3
           && a.Res4 == b.Res4 && a.macroname == b.macroname;
}

bool operator==(const LedModeRecord &a, const LedModeRecord &b)
{
    return a.color == b.color && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright
           && a.breath == b.breath;
}

bool operator==(const ProfileRecord &a, const ProfileRecord &b)
{
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode && a.reserved == b.reserved
           && a.LedMoveOFF == b.LedMoveOFF && a.LedSleepTime == b.LedSleepTime && a.stages == b.stages
           && a.mousespeed == b.mousespeed && a.dbclickspeed == b.dbclickspeed
           && a.scrollispage == b.scrollispage && a.scrollspeed == b.scrollspeed
           && a.accelenable == b.accelenable && a.acee == b.acee && a.buttons == b.buttons
           && a.ledModes == b.ledModes && a.ProfileName == b.ProfileName && a.ProfilePath == b.ProfilePath;
}

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

int lightingProfileIndex(int slot)
{
    return readCurrentProductName() == QLatin1String("X642") ? 0 : safeProfileIndex(slot);
}

ProfileRecord &lightingRecord(SettingsBlock &block)
{
    return block.profiles[size_t(lightingProfileIndex(block.currentProfile))];
}

const ProfileRecord &lightingRecord(const SettingsBlock &block)
{
    return block.profiles[size_t(lightingProfileIndex(block.currentProfile))];
}

namespace {
void builtInDefaults(ProfileRecord &r)
{
    r.pollrate = 1;
    r.dpi = 1;
    r.LedMode = DefaultLedMode;
    static const quint32 raw[DpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < DpiStageCount; ++i)
        r.stages[i].xy = r.stages[i].x = r.stages[i].y = raw[i];
    static const qint32 fun[7] = {FunLeft, FunRight, FunMiddle, FunForward, FunBack, FunForward, FunBack};
    for (int n = 0; n < 7; ++n)
        r.buttons[n].Fun = fun[n];
    for (LedModeRecord &effect : r.ledModes) {
        effect.color = QColor(255, 0, 0);
        effect.bright = 3;
        effect.breath = 3;
    }
    r.ledModes[4].breath = 2;
    r.ledModes[9].breath = 4;
    r.ledModes[10].color = QColor(0, 255, 0);
    r.ledModes[10].breath = 5;
    r.ledModes[12].breath = 1;
}

void descriptorDefaults(ProfileRecord &r, const ModelDescriptor &d)
{
    r.pollrate = quint8(d.pollrate);
    r.dpi = d.dpi;
    r.LedMode = quint8(safeLedMode(d.LedMode));
    for (int i = 0; i < DpiStageCount; ++i)
        r.stages[i].xy = r.stages[i].x = r.stages[i].y = quint32(d.xy[i]);
    for (int n = 0; n < int(d.buttons.size()); ++n)
        r.buttons[n].Fun = d.buttons[n].Fun;
    for (int m = 0; m < LedModeCount; ++m) {
        r.ledModes[m].color = d.effects[m].color;
        r.ledModes[m].bright = d.effects[m].bright;
        r.ledModes[m].breath = d.effects[m].breath;
    }
}
}

// The factory profile: the model descriptor's values when it is installed whole, else
// the built-in ones.
void resetProfileToDefaults(ProfileRecord &record)
{
    ModelDescriptor descriptor;
    const int read = loadModelDefaults(descriptor);
    record = ProfileRecord();
    record.mousespeed = 10;
    record.dbclickspeed = 5;
    record.scrollispage = 0;
    record.scrollspeed = 1;
    record.accelenable = 1;
    record.acee = 1;
    if (read == ModelDefaultsRead)
        descriptorDefaults(record, descriptor);
    else
        builtInDefaults(record);
    record.LedMoveOFF = 0;
    record.LedSleepTime = 1;
    for (DpiStage &stage : record.stages) {
        stage.used = 1;
        stage.link = 1;
    }
    for (LedModeRecord &effect : record.ledModes) {
        effect.h = 360;
        effect.s = 0;
        effect.v = 0;
    }
    record.buttons[40].Fun = FunScrollUp;
    record.buttons[41].Fun = FunScrollDown;
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
