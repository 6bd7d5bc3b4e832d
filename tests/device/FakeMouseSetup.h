#pragma once

#include "device/DeviceTable.h"
#include "tests/common/TestAppFolder.h"
#include "tests/fakehid/FakeMouse.h"

#include <QByteArray>

// The product name the test Config.ini gives the device table.
inline const char *fakeProductName()
{
    return "Test Mouse";
}

// Resets the emulated mouse, plugs the links asked for and opens them the way
// the main window does: device table from Config.ini, enumeration, open by name.
inline void openFakeMouse(TestAppFolder &folder, bool receiver, bool cable)
{
    closeDevices();
    FakeMouse &mouse = FakeMouse::instance();
    mouse.reset();
    if (receiver)
        mouse.plug(FakeLink::Receiver);
    if (cable)
        mouse.plug(FakeLink::Cable);
    folder.writeFile("Configs/Config.ini",
                     QByteArray("[Mouse_List]\n0=") + fakeProductName() + "\n");
    initDeviceTable();
    enumerateDevices();
    openDeviceByName(fakeProductName());
    mouse.clearLog();
}
