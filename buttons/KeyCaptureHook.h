#pragma once

#include "platform/KeyboardHook.h"

#include <functional>
#include <set>

// The key dialogs' share of the keyboard hook, installed while its owner lives. While
// the gate is open each key event, its scan code remapped to a program key code, goes
// to the handler unless it repeats the last event handled; keys without a keyboard
// usage are not handed on, since the mouse could not send them. Only keys typed while
// the gate is open count: a release whose press came before (the Return that chose
// the menu entry opening the dialog) and the repeats of a key held since then do not.
class KeyCaptureHook
{
public:
    enum class Pass { On, Consume };
    using Gate = std::function<bool()>;
    using Handler = std::function<void(int code, int flags)>;

    KeyCaptureHook(Gate gate, Handler handler, Pass pass);
    ~KeyCaptureHook();
    KeyCaptureHook(const KeyCaptureHook &) = delete;
    KeyCaptureHook &operator=(const KeyCaptureHook &) = delete;

    // The handle, installing the hook when there is none; 0 when that failed.
    KeyHookHandle ensureHook();
    bool removeHook();
    KeyHookHandle handle() const { return m_handle; }

    // False when code and flags equal those of the last new event (a held key's
    // repeats); otherwise they become the last event.
    bool isNewEvent(int code, int flags);

private:
    long procedure(KeyHookRecord &record);
    // Whether the key went down while the gate was open; follows its presses and releases.
    bool typedHere(const KeyHookRecord &record);

    Gate m_gate;
    Handler m_handler;
    Pass m_pass;
    KeyHookHandle m_handle = 0;
    int m_lastCode = 0;
    int m_lastFlags = 0;
    // Keys down since a press that the gate let through, by scan code and extended bit.
    std::set<quint32> m_down;
};

// Whether the mouse can send the program key code: it has a keyboard usage.
bool keyCodeHasUsage(int code);
