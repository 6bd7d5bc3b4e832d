#include "platform/HostInput.h"

#include <QDebug>
#include <QDesktopServices>

#include <atomic>

namespace {
std::atomic<int> speed{HostInput::DefaultPointerSpeed};
}

bool HostInput::setPointerSpeed(int value)
{
    if (value < MinPointerSpeed || value > MaxPointerSpeed)
        return false;
    speed = value;
    return true;
}

int HostInput::pointerSpeed()
{
    return speed;
}

void HostInput::sendVirtualKey(int virtualKey)
{
    qDebug("HostInput: no synthetic key 0x%X on this platform", virtualKey);
}

void HostInput::sendFindShortcut()
{
    qDebug("HostInput: no synthetic Ctrl+F on this platform");
}

bool HostInput::openUrl(const QUrl &url)
{
    if (url.isEmpty()) {
        qDebug("HostInput: empty URL not opened");
        return false;
    }
    return QDesktopServices::openUrl(url);
}
