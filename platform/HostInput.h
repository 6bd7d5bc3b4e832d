#pragma once

#include <QUrl>

// The host side of the device's key and pointer actions. The pointer speed is kept by
// the process; synthetic key presses are not sent on this platform (a debug trace says
// so), URLs open through the desktop services.
class HostInput
{
public:
    static constexpr int MinPointerSpeed = 1;
    static constexpr int MaxPointerSpeed = 20;
    static constexpr int DefaultPointerSpeed = 10;

    // Values outside 1..20 are refused and leave the speed unchanged.
    static bool setPointerSpeed(int speed);
    static int pointerSpeed();
    // A key press and release of a Windows virtual key code.
    static void sendVirtualKey(int virtualKey);
    // Ctrl+F: the find shortcut.
    static void sendFindShortcut();
    // False for an empty URL or when no handler takes it.
    static bool openUrl(const QUrl &url);
};
