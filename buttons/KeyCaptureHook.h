#pragma once

#include "platform/KeyboardHook.h"
#include "platform/TakenKeys.h"

#include <functional>

class QWidget;

// The key dialogs' share of the keyboard hook, installed while its owner lives. While
// the gate is open and no box is open over the owner, each key event, its scan code
// remapped to a program key code, goes to the handler unless it repeats the last
// event handled; keys without a keyboard usage are not handed on, since the mouse
// could not send them. A key counts only when the handler took its press: a release
// or a repeat whose press came before the gate opened (the Return that chose the menu
// entry opening the dialog), went into an edit or moved the focus does not.
class KeyCaptureHook
{
public:
    enum class Pass { On, Consume };
    using Gate = std::function<bool()>;
    // Whether the key was taken.
    using Handler = std::function<bool(int code, int flags)>;

    KeyCaptureHook(const QWidget *owner, Gate gate, Handler handler, Pass pass);
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

    const QWidget *m_owner;
    Gate m_gate;
    Handler m_handler;
    Pass m_pass;
    KeyHookHandle m_handle = 0;
    int m_lastCode = 0;
    int m_lastFlags = 0;
    TakenKeys m_taken;
};

// Whether the mouse can send the program key code: it has a keyboard usage.
bool keyCodeHasUsage(int code);
