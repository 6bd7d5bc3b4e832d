#include "device/HostActions.h"

#include "device/DeviceState.h"
#include "platform/HostInput.h"
#include "storage/SettingsBlock.h"

#include <QDebug>
#include <QUrl>

namespace {
enum VirtualKey {
    VkBrowserBack = 0xA6,
    VkBrowserForward = 0xA7,
    VkBrowserRefresh = 0xA8,
    VkBrowserStop = 0xA9,
    VkBrowserFavorites = 0xAB,
    VkLaunchMail = 0xB4,
};
}

void setWindowsMouseSpeed()
{
    const int speed = currentRecord(workingSettings).mousespeed;
    if (!HostInput::setPointerSpeed(speed))
        qDebug("Error in SystemParametersInfo :%d", speed);
}

int getWindowsMouseSpeed()
{
    return HostInput::pointerSpeed();
}

void readWindowsMouseSpeed()
{
    currentRecord(deviceSettings).mousespeed = quint8(HostInput::pointerSpeed());
}

void sendBrowserBack()
{
    HostInput::sendVirtualKey(VkBrowserBack);
}

void sendBrowserForward()
{
    HostInput::sendVirtualKey(VkBrowserForward);
}

void sendBrowserRefresh()
{
    HostInput::sendVirtualKey(VkBrowserRefresh);
}

void sendBrowserStop()
{
    HostInput::sendVirtualKey(VkBrowserStop);
}

void sendBrowserFavorites()
{
    HostInput::sendVirtualKey(VkBrowserFavorites);
}

void sendFindShortcut()
{
    HostInput::sendFindShortcut();
}

void openBrowserHomePage()
{
    // This platform keeps no browser start page to open.
    qDebug("openBrowserHomePage: no start page");
}

void openMailClient(bool launchProgram)
{
    if (launchProgram)
        HostInput::openUrl(QUrl(QStringLiteral("mailto:")));
    else
        HostInput::sendVirtualKey(VkLaunchMail);
}

bool runHostAction(quint8 code)
{
    switch (code) {
    case 0x1F:
        openBrowserHomePage();
        return true;
    case 0x20:
        sendBrowserBack();
        return true;
    case 0x21:
        sendBrowserForward();
        return true;
    case 0x22:
        sendBrowserStop();
        return true;
    case 0x23:
        sendBrowserRefresh();
        return true;
    case 0x24:
        sendFindShortcut();
        return true;
    case 0x25:
        sendBrowserFavorites();
        return true;
    case 0x26:
        openMailClient(true);
        return true;
    default:
        return false;
    }
}
