#include "device/QuorProcessThread.h"

#include "device/DeviceState.h"
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "storage/ConfigIni.h"

#include <QDebug>

constexpr quint8 ResultMouseOff = 5;

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
    m_settingsSaved = saveAllSettings(workingSettings);
    if (mouseOffFlag) {
        m_result = ResultMouseOff;
        emit DoProcessDlg();
        return;
    }
    m_result = 0;
    int mask = detectSettingsChanges(workingSettings, lastWrittenSettings);
    if (readConfigDiff() == 1 || m_bSendAll)
        mask = ChangeAll;
    else if (mask == 0) {
        emit DoProcessDlg();
        return;
    }
    m_settingsSaved = saveAllSettings(workingSettings) && m_settingsSaved;
    m_result = uploadSettings(workingSettings, mask);
    lastWrittenSettings = workingSettings;
    m_settingsSaved = writeConfigDiff(m_result ? 1 : 0) && m_settingsSaved;
    emit DoProcessDlg();
}
