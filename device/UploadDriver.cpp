#include "device/UploadDriver.h"

#include "device/BatteryThreadControl.h"
#include "device/ButtonTable.h"
#include "device/DeviceState.h"
#include "device/MacroUpload.h"
#include "device/SettingsCommands.h"
#include "storage/ChangeDetection.h"

#include <QPointer>

#include <functional>

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
    for (const auto &step : steps) {
        if (quint8 r = step())
            return r;
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
    const quint8 result = sendParts(mask);
    // Restarted after every attempt, so a failed upload does not freeze the status display.
    if (c)
        c->startBatteryThread();
    return result;
}
