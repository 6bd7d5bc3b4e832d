// Recording keys into the macro through the keyboard hook, and the key editor.
#include "macro/MacroDialog.h"

#include "macro/MacroRows.h"
#include "platform/Clock.h"
#include "platform/ScanCodes.h"
#include "storage/KeyCodes.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorPushButton.h"

#include <QDebug>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

#include <utility>

void MacroDialog::installHook()
{
    if (m_hook == 0) {
        m_takenKeys.clear();
        m_hook = installKeyboardHook([this](KeyHookRecord &record) { return hookKey(record); });
    }
}

void MacroDialog::removeHook()
{
    if (m_hook != 0)
        removeKeyboardHook(m_hook);
    m_hook = 0;
}

// A key that the capture takes goes nowhere else: a Tab or Space typed into the
// macro neither moves the focus nor presses a button, also when the table is full.
// A box, dialog or popup menu open over the page gets every key, and the key that
// answers it does not reach the macro once the box has closed. A taken key let go at
// the box is let go in the macro too: it ends released, and its next press counts.
long MacroDialog::hookKey(KeyHookRecord &record)
{
    if (!(m_bKeyEdit || m_bRecording))
        return callNextKeyboardHook(record);
    if (ModalGate::isOpenOver(this)) {
        if ((record.flags & KeyHookUp) && m_takenKeys.reaches(record))
            handHookedKey(record);
        return callNextKeyboardHook(record);
    }
    if (!m_takenKeys.reaches(record))
        return callNextKeyboardHook(record);
    if (TakenKeys::isNewPress(record))
        m_takenKeys.take(record);
    handHookedKey(record);
    return 1;
}

void MacroDialog::handHookedKey(const KeyHookRecord &record)
{
    const int code = remapScanCode(record.scanCode, record.flags);
    if (m_bKeyEdit)
        setRowKeyFromHook(code, int(record.flags));
    else
        OnHookKey(code, int(record.flags));
}

void MacroDialog::startRecording()
{
    m_lastEventTime.reset();
    button(StartButton)->hide();
    button(StopButton)->show();
    setupActionTable();
    m_recordingMacro = currentMacroName();
    if (m_pMacroList->count() > 0) {
        setAllControlsEnabled(false, false);
        installHook();
        m_heldKeys.clear();
    }
    m_bRecording = true;
    label(FocusLabel)->setFocus(Qt::OtherFocusReason);
}

void MacroDialog::stopRecording()
{
    m_lastEventTime.reset();
    button(StartButton)->show();
    button(StopButton)->hide();
    setAllControlsEnabled(true, false);
    releaseKeyboard();
    removeHook();
    m_bRecording = false;
    saveRecording(std::exchange(m_recordingMacro, QString()));
}

void MacroDialog::saveRecording(const QString &name)
{
    if (name.isEmpty())
        return;
    // Nothing recorded: the macro keeps what it held.
    if (m_pModel->rowCount() == 0) {
        loadMacroFile();
        return;
    }
    releaseHeldKeys();
    if (!saveMacroFile(name))
        showMessage(2, "Warning", "The macro could not be saved.");
}

void MacroDialog::OnHookKey(int keyCode, int flags)
{
    const int held = m_heldKeys.indexOf(keyCode);
    qDebug("OnHookKey ret %d %d %d\n", keyCode, flags, held);
    const bool press = (flags & KeyHookUp) == 0;
    // A held key repeats its press until it is released.
    if (press && held >= 0)
        return;
    int usage = 0;
    if (!keyCodeToHidUsage(keyCode, &usage))
        return;
    QVector<MacroAction> rows;
    const qint64 now = monotonicMs();
    if (m_lastEventTime && m_delayType == DelayRecorded)
        rows << delayRowOfUnits(recordedDelayUnits(now - *m_lastEventTime));
    else if (m_lastEventTime && m_delayType == DelayDefault)
        rows << delayRow(holdBoundedField(m_pDefaultDelayEdit));
    rows << MacroAction{press ? MacroKeyPress : MacroKeyRelease, 0, quint8(usage)};
    if (!insertRows(m_pModel->rowCount(), rows))
        return;
    m_lastCode = keyCode;
    m_lastFlags = flags;
    label(FocusLabel)->setFocus(Qt::OtherFocusReason);
    if (press)
        m_heldKeys.append(keyCode);
    else
        m_heldKeys.removeOne(keyCode);
    m_lastEventTime = now;
}

void MacroDialog::setRowKeyFromHook(int keyCode, int flags)
{
    if (keyCode == m_lastCode && flags == m_lastFlags)
        return;
    int usage = 0;
    if (!keyCodeToHidUsage(keyCode, &usage))
        return;
    m_lastCode = keyCode;
    m_lastFlags = flags;
    setCurrentRowCells(-1, -1, usage);
    button(KeyEditorButton)->setCaption(keyCodeName(unsigned(keyCode)));
}
