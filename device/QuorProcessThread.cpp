#include "device/QuorProcessThread.h"

#include "device/DeviceState.h"
#include "device/MacroUpload.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"

#include <QDebug>

#include <future>

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
    bool saved = true;
    if (mask == 0) {
        saved = saveAllSettings(workingSettings);
        // The files now hold what the sleeping mouse was not sent: the next write sends
        // everything, also after a restart.
        if (mouseOff) {
            saved = writeConfigDiff(1) && saved;
            waiting |= current;
        }
        m_result = mouseOff ? ResultMouseOff : ResultWritten;
    } else {
        // The files are saved while the upload waits out the protocol's pauses; nothing
        // changes the working block meanwhile.
        std::future<bool> files = std::async(std::launch::async, [] { return saveAllSettings(workingSettings); });
        m_result = uploadSettings(workingSettings, mask);
        m_damagedMacros = takeDamagedMacros();
        saved = files.get();
        markUploaded(lastWrittenSettings, workingSettings);
        saved = writeConfigDiff(m_result ? 1 : 0) && saved;
        waiting = m_result ? waiting | current : waiting & ~current;
    }
    if (waiting != stored)
        saved = writeWaitingProfiles(waiting) && saved;
    m_settingsSaved = saved;
    emit DoProcessDlg();
}
