#include "device/QuorProcessThread.h"

#include "device/DeviceState.h"
#include "device/MacroUpload.h"
#include "device/UploadDriver.h"
#include "device/VendorReport.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"
#include "storage/MouseMacroSlots.h"

#include <QDebug>

QuorProcessThread::QuorProcessThread() = default;

void QuorProcessThread::stop()
{
    m_bStop = true;
}

// Everything when the mouse may lack the files' values; the settings packet first
// while the mouse's profile is unknown, so the tables land in the window's.
int QuorProcessThread::changedParts(int waiting, int current) const
{
    int mask = detectSettingsChanges(workingSettings, lastWrittenSettings);
    if (readConfigDiff() == 1 || m_bSendAll || (waiting & current))
        mask = ChangeAll;
    if (mask && !mouseProfileKnown)
        mask |= ChangeGeneral;
    return mask;
}

void QuorProcessThread::finish(quint8 result, bool saved)
{
    m_result = result;
    m_settingsSaved = saved;
    emit DoProcessDlg();
}

void QuorProcessThread::run()
{
    if (m_bStop) {
        qDebug("isStop.\n");
        return;
    }
    const int profile = safeProfileIndex(workingSettings.currentProfile);
    const int current = 1 << profile;
    // The profiles the mouse still lacks: those stored by an earlier run (a restart
    // forgets the last-written block) and those whose edits wait in memory.
    const int waiting = readWaitingProfiles() | waitingProfiles(workingSettings, lastWrittenSettings);
    const bool mouseOff = mouseOffFlag != 0;
    const int mask = mouseOff ? 0 : changedParts(waiting, current);
    const quint8 idle = mouseOff ? ResultMouseOff : ResultWritten;
    // The mark first: until the upload succeeds the files may hold what the mouse
    // lacks, whatever stops the write (a kill, a failed file, a failed report).
    if ((mask || mouseOff) && !writeWriteState(1, waiting | current))
        return finish(idle, false);
    std::optional<MouseMacroSlots> macroSlots;
    if (mask & ChangeButtons)
        macroSlots = planMouseMacroSlots(readMouseMacroSlots(), workingSettings, lastWrittenSettings, profile);
    // The files before the mouse: a mouse holding what the files do not would differ
    // from the window after a restart. Unsaved edits stay in memory for the next Apply.
    const bool saved = saveAllSettings(workingSettings) && (!macroSlots || writeMouseMacroSlots(*macroSlots));
    if (!saved || mask == 0)
        return finish(idle, saved);
    if ((mask & ChangeButtons) && !macroSlots)
        return finish(ResultTooManyMacros, true);
    const quint8 result = uploadSettings(workingSettings, mask, macroSlots.value_or(MouseMacroSlots()));
    m_faultyMacros = takeFaultyMacros();
    markUploaded(lastWrittenSettings, workingSettings);
    finish(result, result != SendOk || writeWriteState(0, waiting & ~current));
}
