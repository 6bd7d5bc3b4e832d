#include "device/QuorProcessThread.h"

#include "device/DeviceState.h"
#include "device/MacroUpload.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"

#include <QDebug>

QuorProcessThread::QuorProcessThread() = default;

void QuorProcessThread::stop()
{
    m_bStop = true;
}

void QuorProcessThread::run()
{
    if (m_bStop) {
        qDebug("isStop.\n");
        return;
    }
    const int current = 1 << safeProfileIndex(workingSettings.currentProfile);
    const int stored = readWaitingProfiles();
    // The profiles the mouse still lacks: those stored by an earlier run (a restart
    // forgets the last-written block) and those whose edits wait in memory.
    int waiting = stored | waitingProfiles(workingSettings, lastWrittenSettings);
    const bool mouseOff = mouseOffFlag != 0;
    int mask = 0;
    if (!mouseOff) {
        mask = detectSettingsChanges(workingSettings, lastWrittenSettings);
        if (readConfigDiff() == 1 || m_bSendAll || (waiting & current))
            mask = ChangeAll;
    }
    // The files first: a mouse holding what the files do not would differ from the
    // window after a restart. Unsaved edits stay in memory for the next Apply.
    if (!saveAllSettings(workingSettings)) {
        m_settingsSaved = false;
        m_result = mouseOff ? ResultMouseOff : ResultWritten;
        emit DoProcessDlg();
        return;
    }
    bool saved = true;
    if (mask == 0) {
        // The files now hold what the sleeping mouse was not sent: the next write sends
        // everything, also after a restart.
        if (mouseOff) {
            saved = writeConfigDiff(1);
            waiting |= current;
        }
        m_result = mouseOff ? ResultMouseOff : ResultWritten;
    } else {
        m_result = uploadSettings(workingSettings, mask);
        m_damagedMacros = takeDamagedMacros();
        markUploaded(lastWrittenSettings, workingSettings);
        saved = writeConfigDiff(m_result ? 1 : 0);
        waiting = m_result ? waiting | current : waiting & ~current;
    }
    if (waiting != stored)
        saved = writeWaitingProfiles(waiting) && saved;
    m_settingsSaved = saved;
    emit DoProcessDlg();
}
