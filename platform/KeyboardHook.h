#pragma once

#include "platform/ScanCodes.h"

#include <QtGlobal>

#include <functional>

// Keyboard hooks in the shape of the Windows low-level hook: procedures in a chain,
// the last installed called first, each getting a record it may change and pass on.
// Keys are seen while one of the program's windows has the focus; each key event is
// handled once, at its window, in the GUI thread. While any hook is installed,
// ShortcutOverride is accepted, so no shortcut takes a key from the hooks.

struct KeyHookRecord
{
    quint32 vkCode = 0;   // virtual key of the modifiers, else 0
    quint32 scanCode = 0; // set 1
    quint32 flags = 0;    // KeyHookExtended, KeyHookAltDown (an Alt key held), KeyHookUp
    bool repeat = false;  // a press that repeats a key held down
};

// 0 stands for no hook.
using KeyHookHandle = quint64;
// A non-zero result consumes the key: no later hook and no widget sees it. To pass
// it on, a procedure returns callNextKeyboardHook(record).
using KeyHookProcedure = std::function<long(KeyHookRecord &record)>;

// 0 when there is no GUI application to watch.
KeyHookHandle installKeyboardHook(KeyHookProcedure procedure);
// False when the handle is not installed. Installing and removing hooks, the
// running one included, is safe from inside a procedure; a hook installed there
// sees the next key.
bool removeKeyboardHook(KeyHookHandle handle);
// The next procedure's result for the same record; 0 at the end of the chain or
// outside a dispatch.
long callNextKeyboardHook(KeyHookRecord &record);
bool keyboardHookInstalled();

// The record of a key event from its native scan code (Linux input code + 8):
// false for code 0 (a synthetic event) and for keys outside the set-1 table.
bool keyHookRecordFor(quint32 nativeScanCode, bool release, bool altHeld, KeyHookRecord *record);
