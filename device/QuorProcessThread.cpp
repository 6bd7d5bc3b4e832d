#include "device/QuorProcessThread.h"

#include "device/DeviceState.h"
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
    const bool mouseOff = mouseOffFlag != 0;
    int mask = 0;
    if (!mouseOff) {
        mask = detectSettingsChanges(workingSettings, lastWrittenSettings);
        if (readConfigDiff() == 1 || m_bSendAll)
            mask = ChangeAll;
    }
    if (mask == 0) {
        m_settingsSaved = saveAllSettings(workingSettings);
        // The files now hold what the sleeping mouse was not sent: the next write sends
        // everything, also after a restart.
        if (mouseOff)
            m_settingsSaved = writeConfigDiff(1) && m_settingsSaved;
        m_result = mouseOff ? ResultMouseOff : ResultWritten;
        emit DoProcessDlg();
        return;
    }
    // The files are saved while the upload waits out the protocol's pauses; nothing
    // changes the working block meanwhile.
    std::future<bool> saved = std::async(std::launch::async, [] { return saveAllSettings(workingSettings); });
    m_result = uploadSettings(workingSettings, mask);
    m_settingsSaved = saved.get();
    markUploaded(lastWrittenSettings, workingSettings);
    m_settingsSaved = writeConfigDiff(m_result ? 1 : 0) && m_settingsSaved;
    emit DoProcessDlg();
}
