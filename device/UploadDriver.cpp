#include "device/UploadDriver.h"

#include "device/BatteryThreadControl.h"
#include "device/ButtonTable.h"
#include "device/DeviceState.h"
#include "device/MacroUpload.h"
#include "device/SettingsCommands.h"
#include "device/StatusReports.h"
#include "storage/ChangeDetection.h"

#include <QPointer>

#include <functional>
#include <iterator>

namespace {

QPointer<BatteryThreadControl> control;

// The settings packet carries the window's profile, stage and rate: news of that
// profile read until it was sent is no longer the mouse's state.
quint8 sendSettingsPacket(int profile)
{
    const quint8 r = sendGeneralSettings(deviceSettings);
    if (r == SendOk) {
        dropKeptNewsOf(profile);
        mouseProfileKnown = true;
    }
    return r;
}

// Marks the profile an upload writes for as long as it lives.
struct UploadProfileScope
{
    explicit UploadProfileScope(int profile) { setUploadProfile(profile); }
    ~UploadProfileScope() { setUploadProfile(-1); }
};

quint8 sendParts(int mask)
{
    const int profile = safeProfileIndex(deviceSettings.currentProfile);
    const std::function<quint8()> steps[] = {
        [] { return uploadSession(0); },
        [mask, profile] { return (mask & ChangeGeneral) ? sendSettingsPacket(profile) : quint8(0); },
        [mask] { return (mask & ChangeButtons) ? sendButtonTable() : quint8(0); },
        [mask] { return (mask & ChangeDpi) ? sendDpiStages(deviceSettings.currentProfile) : quint8(0); },
        [mask] { return (mask & ChangeLighting) ? sendLightingTable() : quint8(0); },
        [mask] { return mask ? commitAll() : quint8(0); },
        [] { return uploadMacros(); },
        [] { return uploadSession(1); },
    };
    quint8 result = 0;
    size_t i = 0;
    {
        UploadProfileScope scope(profile);
        for (; i < std::size(steps) && result == 0; ++i)
            result = steps[i]();
        if (result == 0 && keptNewsLeavesProfile(profile))
            return SendProfileChanged;
    }
    // Another profile stopped the upload before a report: the session is closed when
    // it was opened, and nothing more is sent.
    if (result == SendProfileChanged && i > 1)
        uploadSession(1);
    return result;
}

} // namespace

void setBatteryThreadControl(BatteryThreadControl *c)
{
    control = c;
}

BatteryThreadControl *batteryThreadControl()
{
    return control;
}

quint8 uploadSettings(const SettingsBlock &block, int mask, const MouseMacroSlots &macroSlots)
{
    BatteryThreadControl *c = control;
    if (c)
        c->stopBatteryThread();
    deviceSettings = block;
    macroSlotPlan = macroSlots;
    // Only this upload's faulty macros are told.
    takeFaultyMacros();
    const quint8 result = sendParts(mask);
    macroSlotPlan = MouseMacroSlots();
    // Restarted after every attempt, so a failed upload does not freeze the status display.
    if (c)
        c->startBatteryThread();
    return result;
}
