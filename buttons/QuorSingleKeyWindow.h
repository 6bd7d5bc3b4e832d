#pragma once

#include "buttons/KeyCaptureHook.h"
#include "buttons/QuorParamDialog.h"

class QuorPushButton;

// Captures one key: shows the name of the last key touched and hands back its program
// key code. Keys pass on to their normal destination; Escape and Return are captured
// like any key and neither close the dialog.
class QuorSingleKeyWindow : public QuorParamDialog
{
    Q_OBJECT
public:
    explicit QuorSingleKeyWindow(QWidget *parent = nullptr);
    ~QuorSingleKeyWindow() override;

    void showStoredKey(int code);
    // Whether the key was taken.
    bool onKey(int code, int flags);
    quint8 keyCode() const { return m_keyCode; }
    QuorPushButton *keyField() const { return m_keyField; }
    KeyHookHandle hookHandle() const { return m_hook.handle(); }

    void retranslate();

protected:
    bool keysCaptured() const override { return m_capturing; }

private:
    void buildUi();

    KeyCaptureHook m_hook;
    bool m_capturing = true;
    quint8 m_keyCode = 0;
    QuorPushButton *m_keyField = nullptr;
};
