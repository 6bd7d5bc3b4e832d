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

quint8 sendParts(int mask)
{
    const std::function<quint8()> steps[] = {
        [] { return uploadSession(0); },
        [mask] { return (mask & ChangeGeneral) ? sendGeneralSettings(deviceSettings) : quint8(0); },
        [mask] { return (mask & ChangeButtons) ? sendButtonTable() : quint8(0); },
        [mask] { return (mask & ChangeDpi) ? sendDpiStages(deviceSettings.currentProfile) : quint8(0); },
        [mask] { return (mask & ChangeLighting) ? sendLightingTable() : quint8(0); },
        [mask] { return mask ? commitAll() : quint8(0); },
        [] { return uploadMacros(); },
        [] { return uploadSession(1); },
    };
    const int profile = safeProfileIndex(deviceSettings.currentProfile);
    const size_t count = std::size(steps);
    for (size_t i = 0; i < count; ++i) {
        if (quint8 r = steps[i]())
            return r;
        // The rest would reach a profile the user did not write to: the session is
        // closed and nothing more is sent.
        if (keptNewsLeavesProfile(profile)) {
            if (i + 1 < count)
                uploadSession(1);
            return SendProfileChanged;
        }
    }
    return 0;
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

quint8 uploadSettings(const SettingsBlock &block, int mask)
{
    BatteryThreadControl *c = control;
    if (c)
        c->stopBatteryThread();
    deviceSettings = block;
    // Only this upload's damaged macros are told.
    takeDamagedMacros();
    const quint8 result = sendParts(mask);
    // Restarted after every attempt, so a failed upload does not freeze the status display.
    if (c)
        c->startBatteryThread();
    return result;
}
