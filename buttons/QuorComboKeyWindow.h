#pragma once

#include "buttons/KeyCaptureHook.h"
#include "buttons/QuorParamDialog.h"
#include "storage/SettingsBlock.h"

#include <array>

class QuorPushButton;

// Captures a key combination of up to four modifiers (Shift, Ctrl, Windows, Alt) and
// one other key, shown as names joined by " + ". Every key is consumed while the
// dialog exists, so no window or shortcut sees it.
class QuorComboKeyWindow : public QuorParamDialog
{
    Q_OBJECT
public:
    // The five parts in the order of the results.
    enum Part { ShiftPart, CtrlPart, WinPart, AltPart, KeyPart, PartCount };
    using States = std::array<quint8, PartCount>;
    using KeyCodes = std::array<std::array<quint8, 2>, PartCount>;

    explicit QuorComboKeyWindow(QWidget *parent = nullptr);
    ~QuorComboKeyWindow() override;

    // Shows the combination held in the first five key steps.
    void showStoredCombo(const KeyStep *steps);
    // Whether the key was taken.
    bool onKey(int code, int flags);
    // Per part: non-zero when present at the last key-down.
    const States &modifierStates() const { return m_result; }
    // Per part: the left and right key codes; the other key's code in the first column.
    const KeyCodes &keyCodes() const { return m_keyCodes; }
    QString comboText() const { return m_text; }
    QuorPushButton *keyField() const { return m_keyField; }

    void retranslate();

protected:
    bool keysCaptured() const override { return m_capturing; }

private:
    void showLiveText();
    // The modifier part of a code and its side bit (1 left, 2 right); -1 for other keys.
    static int modifierPart(int code, quint8 *sideBit);

    KeyCaptureHook m_hook;
    bool m_capturing = true;
    bool m_resetPending = true;
    States m_result{};
    // Modifiers: one held bit per side; the key part: 1 while a key is down.
    States m_live{};
    KeyCodes m_keyCodes{};
    QString m_text;
    QuorPushButton *m_keyField = nullptr;
};
