#pragma once

#include <QtGlobal>

// Host actions for the pointer speed and for the device's notification keys.

// Applies the pointer speed of the working block's current profile; values outside
// 1..20 are ignored.
void setWindowsMouseSpeed();
// The pointer speed the host uses.
int getWindowsMouseSpeed();
// The host's pointer speed into the current profile of deviceSettings.
void readWindowsMouseSpeed();

void sendBrowserBack();
void sendBrowserForward();
void sendBrowserRefresh();
void sendBrowserStop();
void sendBrowserFavorites();
void sendFindShortcut();
void openBrowserHomePage();
// true: opens the default mail program; false: the launch-mail key.
void openMailClient(bool launchProgram);

// Runs the host action a notification selects (0x1F..0x26); false for other codes.
bool runHostAction(quint8 code);
