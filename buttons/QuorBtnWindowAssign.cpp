// The button page's assignment handler: what each menu entry stores in the slot.
#include "buttons/QuorBtnWindow.h"

#include "buttons/QuorComboKeyWindow.h"
#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "buttons/QuorSingleKeyWindow.h"
#include "buttons/QuorSniperWindow.h"
#include "storage/KeyCodes.h"
#include "storage/MacroFile.h"
#include "storage/ModelDescriptor.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"

#include <algorithm>

namespace {
constexpr uchar MacroTab = 3;
constexpr int LeftButtonSlot = 0;
constexpr std::array<quint8, 3> fireButtonSources{FireLeftButton, FireRightButton, FireMiddleButton};

bool isDialogFunction(int fun)
{
    return fun == FunSingleKey || fun == FunComboKey || fun == FunFireKey || fun == FunSniper
           || usesMacroFile(fun);
}

// The slots the button table sends: the model's buttons (at most 16) and the wheel.
bool reachesMouse(int slot, int buttonCount)
{
    return slot < std::clamp(buttonCount, 0, MatrixSize) || slot >= QuorBtnWindow::WheelSlot;
}

int usageOf(int keyCode)
{
    int usage = 0;
    keyCodeToHidUsage(keyCode, &usage);
    return usage;
}

// A key's press and release into the steps at position n; later steps move on.
void insertKeyStep(std::array<KeyStep, KeyStepCount> &steps, int position, quint8 keyCode)
{
    if (position < 0 || position > KeyStepCount - 2)
        return;
    const quint8 usage = quint8(usageOf(keyCode));
    std::copy_backward(steps.begin() + position, steps.end() - 2, steps.end());
    steps[size_t(position)] = KeyStep{usage, 0x05, 0x80};
    steps[size_t(position + 1)] = KeyStep{usage, 0x05, 0x00};
}
}

void QuorBtnWindow::onMenuActionTriggered()
{
    const auto it = std::find_if(m_actions.begin(), m_actions.end(),
                                 [this](const FunctionAction &a) { return a.action.get() == sender(); });
    const int slot = currentSlot();
    if (it == m_actions.end() || slot < 0 || !m_record)
        return;
    QuorPushButton *button = m_buttons[size_t(slot)];
    emit SelBtnControl(button, true);
    if (wouldLoseLastLeftClick(slot, it->fun)) {
        emit PopOneClickBox();
        return;
    }
    const Outcome outcome = assign(it->fun, m_record->buttons[size_t(slot)], button);
    // The dialog's value went to the record it was opened for; the page may show
    // another one by now (a profile chosen on the mouse meanwhile).
    refreshButtonCaptions();
    if (outcome == Outcome::Stopped)
        return;
    emit SelBtnControl(button, false);
    m_group = NoButton;
    m_button = NoButton;
}

bool QuorBtnWindow::wouldLoseLastLeftClick(int slot, int fun) const
{
    const auto &records = m_record->buttons;
    if (records[size_t(slot)].Fun != FunLeft || fun == FunLeft)
        return false;
    const int count = modelButtonCount();
    if (!reachesMouse(slot, count))
        return false;
    for (int other = 0; other < int(records.size()); ++other) {
        if (other != slot && reachesMouse(other, count) && records[size_t(other)].Fun == FunLeft)
            return false;
    }
    return true;
}

QuorBtnWindow::Outcome QuorBtnWindow::assign(int fun, ButtonSlot &slot, QuorPushButton *button)
{
    switch (fun) {
    case FunSingleKey: return assignSingleKey(slot, button);
    case FunComboKey: return assignComboKey(slot, button);
    case FunFireKey: return assignFireKey(slot, button);
    case FunSniper: return assignSniper(slot, button);
    case FunMacro: return assignMacroFile(FunMacro, QObject::tr("MACRO SELECT"), slot, button);
    case FunGunFile:
        if (slotOf(button) == LeftButtonSlot) {
            QuorMessageBox box(2, QString(), QObject::tr("Warning"), QObject::tr("Left Button Can not be Gun Function."),
                               this, false, Qt::FramelessWindowHint);
            ModalGate::exec(box);
            return Outcome::Stopped;
        }
        return assignMacroFile(FunGunFile, QObject::tr("GUNFILE SELECT"), slot, button);
    default:
        if (!isDialogFunction(fun)) {
            button->setCaption(functionText(fun));
            slot.Fun = fun;
        }
        return Outcome::Finished;
    }
}

QuorBtnWindow::Outcome QuorBtnWindow::assignSingleKey(ButtonSlot &slot, QuorPushButton *button)
{
    QuorSingleKeyWindow dialog(this);
    if (slot.Fun == FunSingleKey)
        dialog.showStoredKey(slot.Res1);
    if (ModalGate::exec(dialog) == QDialog::Accepted) {
        button->setCaption(functionText(FunSingleKey));
        slot.Res1 = dialog.keyCode();
        slot.Fun = FunSingleKey;
    }
    return Outcome::Finished;
}

QuorBtnWindow::Outcome QuorBtnWindow::assignComboKey(ButtonSlot &slot, QuorPushButton *button)
{
    QuorComboKeyWindow dialog(this);
    if (slot.Fun == FunComboKey)
        dialog.showStoredCombo(slot.KeyInfo.data());
    if (ModalGate::exec(dialog) != QDialog::Accepted)
        return Outcome::Finished;
    button->setCaption(functionText(FunComboKey));
    slot.KeyInfo.fill(KeyStep());
    int position = 0;
    for (int part = 0; part < QuorComboKeyWindow::PartCount; ++part) {
        if (dialog.modifierStates()[size_t(part)] != 0)
            insertKeyStep(slot.KeyInfo, position++, dialog.keyCodes()[size_t(part)][0]);
    }
    slot.Fun = FunComboKey;
    return Outcome::Finished;
}

void QuorBtnWindow::storeKeyStep(int position, quint8 keyCode)
{
    const int slotIndex = currentSlot();
    if (slotIndex >= 0 && m_record)
        insertKeyStep(m_record->buttons[size_t(slotIndex)].KeyInfo, position, keyCode);
}

QuorBtnWindow::Outcome QuorBtnWindow::assignFireKey(ButtonSlot &slot, QuorPushButton *button)
{
    QuorFireKeyWindow dialog(this);
    if (slot.Fun == FunFireKey)
        dialog.loadRecord(slot);
    if (ModalGate::exec(dialog) != QDialog::Accepted)
        return Outcome::Finished;
    button->setCaption(functionText(FunFireKey));
    const quint8 mode = dialog.mode();
    slot.Res1 = mode < fireButtonSources.size() ? fireButtonSources[mode] : quint8(usageOf(dialog.keyCode()));
    slot.KeyNumber = dialog.delayText().toInt();
    slot.LoopNumber = dialog.timesText().toInt();
    slot.Fun = FunFireKey;
    return Outcome::Finished;
}

QuorBtnWindow::Outcome QuorBtnWindow::assignSniper(ButtonSlot &slot, QuorPushButton *button)
{
    QuorSniperWindow dialog(this);
    if (slot.Fun == FunSniper)
        dialog.setValue(slot.Res1);
    if (ModalGate::exec(dialog) == QDialog::Accepted) {
        button->setCaption(functionText(FunSniper));
        slot.Res1 = dialog.value();
        slot.Fun = FunSniper;
    }
    return Outcome::Finished;
}

QuorBtnWindow::Outcome QuorBtnWindow::assignMacroFile(int code, const QString &title, ButtonSlot &slot,
                                                      QuorPushButton *button)
{
    if (countMacros() < 1) {
        emit GotoMacroTab(MacroTab);
        return Outcome::Stopped;
    }
    const bool preset = slot.Fun == code;
    const QString name = preset ? slot.macroname : QString();
    const int count = preset ? slot.LoopNumber : 1;
    const int mode = preset ? slot.Res1 : MacroLoopCount;
    QuorMacroSelect dialog(QString(), title, name, count, mode, this, Qt::FramelessWindowHint);
    if (ModalGate::exec(dialog) != QDialog::Accepted) {
        if (name.isEmpty())
            return Outcome::Finished;
        button->setCaption(name);
        return Outcome::Stopped;
    }
    slot.Fun = code;
    slot.LoopNumber = dialog.loopCount();
    slot.Res1 = quint8(dialog.loopMode());
    slot.macroname = dialog.macroName();
    button->setCaption(slot.macroname);
    copyMacroRowsToSlot(readMacroFile(slot.macroname).rows, slot);
    return Outcome::Finished;
}
