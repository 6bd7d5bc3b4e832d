#include "storage/ChangeDetection.h"

#include "storage/MacroFile.h"

namespace {
bool generalDiffers(const SettingsBlock &w, const SettingsBlock &l)
{
    for (int i = 0; i < ProfileCount; ++i) {
        if (w.profiles[i].scrollspeed != l.profiles[i].scrollspeed
            || w.profiles[i].pollrate != l.profiles[i].pollrate)
            return true;
    }
    if (w.LiftHigh != l.LiftHigh || w.currentProfile != l.currentProfile)
        return true;
    // The LED mode and switches go out from the lighting record.
    const ProfileRecord &la = lightingRecord(w);
    const ProfileRecord &lb = lightingRecord(l);
    return currentRecord(w).dpi != currentRecord(l).dpi || la.LedMode != lb.LedMode
           || la.LedMoveOFF != lb.LedMoveOFF || la.LedSleepTime != lb.LedSleepTime;
}

bool stagesDiffer(const ProfileRecord &w, const ProfileRecord &l)
{
    for (int s = 0; s < DpiStageCount; ++s) {
        const DpiStage &a = w.stages[s];
        const DpiStage &b = l.stages[s];
        if (a.used != b.used || a.x != b.x || a.y != b.y)
            return true;
    }
    return false;
}

bool slotDiffers(const ButtonSlot &a, const ButtonSlot &b)
{
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber || a.KeyNumber != b.KeyNumber
        || a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 || a.Res4 != b.Res4)
        return true;
    if (usesMacroFile(a.Fun) && a.macroname != b.macroname)
        return true;
    if (a.KeyInfo != b.KeyInfo)
        return true;
    return usesMacroFile(a.Fun) && readMacroFile(a.macroname).writeSign;
}

bool buttonsDiffer(const ProfileRecord &w, const ProfileRecord &l)
{
    for (int n = 0; n < ButtonSlotCount; ++n) {
        if (slotDiffers(w.buttons[n], l.buttons[n]))
            return true;
    }
    return false;
}

bool lightingDiffers(const ProfileRecord &a, const ProfileRecord &b)
{
    if (a.LedMode != b.LedMode)
        return true;
    const int m = safeLedMode(a.LedMode);
    const LedModeRecord &x = a.ledModes[m];
    const LedModeRecord &y = b.ledModes[m];
    return x.color != y.color || x.h != y.h || x.s != y.s || x.v != y.v || x.bright != y.bright
           || x.breath != y.breath;
}

template<typename Differs>
bool anyProfileDiffers(const SettingsBlock &w, const SettingsBlock &l, Differs differs)
{
    for (int i = 0; i < ProfileCount; ++i) {
        if (differs(w.profiles[i], l.profiles[i]))
            return true;
    }
    return false;
}

// Only records that hold the lighting of some profile ever reach the mouse.
bool holdsLighting(int profile)
{
    return lightingProfileIndex(profile) == profile;
}
}

int detectSettingsChanges(const SettingsBlock &working, const SettingsBlock &lastWritten)
{
    int mask = 0;
    if (generalDiffers(working, lastWritten))
        mask |= ChangeGeneral;
    if (anyProfileDiffers(working, lastWritten, stagesDiffer))
        mask |= ChangeDpi;
    if (anyProfileDiffers(working, lastWritten, buttonsDiffer))
        mask |= ChangeButtons;
    for (int i = 0; i < ProfileCount; ++i) {
        if (holdsLighting(i) && lightingDiffers(working.profiles[i], lastWritten.profiles[i])) {
            mask |= ChangeLighting;
            break;
        }
    }
    return mask;
}

int waitingProfiles(const SettingsBlock &working, const SettingsBlock &lastWritten)
{
    const int current = safeProfileIndex(working.currentProfile);
    const int lit = lightingProfileIndex(current);
    int waiting = 0;
    for (int i = 0; i < ProfileCount; ++i) {
        if (i == current)
            continue;
        const ProfileRecord &w = working.profiles[i];
        const ProfileRecord &l = lastWritten.profiles[i];
        if (stagesDiffer(w, l) || buttonsDiffer(w, l) || (i != lit && holdsLighting(i) && lightingDiffers(w, l)))
            waiting |= 1 << i;
    }
    return waiting;
}

void markUploaded(SettingsBlock &lastWritten, const SettingsBlock &working)
{
    const SettingsBlock before = lastWritten;
    lastWritten = working;
    const int current = safeProfileIndex(working.currentProfile);
    const int lit = lightingProfileIndex(current);
    for (int i = 0; i < ProfileCount; ++i) {
        ProfileRecord &written = lastWritten.profiles[i];
        const ProfileRecord &old = before.profiles[i];
        if (i != current) {
            written.stages = old.stages;
            written.buttons = old.buttons;
        }
        if (i != lit) {
            written.LedMode = old.LedMode;
            written.ledModes = old.ledModes;
        }
    }
}
