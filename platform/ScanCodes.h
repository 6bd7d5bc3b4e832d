#pragma once

#include <QtGlobal>

// Flags of a keyboard hook record, as the Windows hook sets them.
constexpr quint32 KeyHookExtended = 0x01;
constexpr quint32 KeyHookAltDown = 0x20;
constexpr quint32 KeyHookUp = 0x80;

// Keyboard scan codes as the program's key codes are built on: PC scan code set 1,
// with an extended flag for the keys that carry the 0xE0 prefix.
struct SetOneKey
{
    quint32 scanCode = 0;
    bool extended = false;
    quint32 virtualKey = 0; // the Windows virtual key of the modifiers, else 0
};

// The set-1 key of a Linux input (evdev) key code; false for keys outside the table.
bool setOneKeyFromEvdev(int evdev, SetOneKey *key);

// The program key code of a set-1 scan code and its hook flags: the keypad keys and
// the right-hand Ctrl and Alt get codes of their own (224 to 239), decided on the
// extended bit (0x01) alone, so Alt held or a key release never changes a key's code.
// Every other scan code is its own key code.
int remapScanCode(quint32 scanCode, quint32 flags);
