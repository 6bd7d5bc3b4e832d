#pragma once

#include <QStringList>
#include <QThread>

#include <atomic>

// Writes the working settings to the mouse once; DoProcessDlg() ends the busy dialog.
// The GUI thread keeps its event loop running meanwhile (the busy dialog): the upload
// asks it to stop and restart the status thread through blocking queued calls.
class QuorProcessThread : public QThread
{
    Q_OBJECT
public:
    // result(): 0 written or nothing to write; else a SendResult of the upload.
    enum Result : quint8 { ResultWritten = 0, ResultMouseOff = 5 };

    QuorProcessThread();

    void stop();
    // Send every part whatever changed (Reset All, configuration load).
    void setSendAll(bool all) { m_bSendAll = all; }
    quint8 result() const { return m_result; }
    // False when a settings file of the last run could not be written; then the mouse
    // was not written either.
    bool settingsSaved() const { return m_settingsSaved; }
    // Macros of the last run whose files were damaged: the mouse got them without rows.
    QStringList damagedMacros() const { return m_damagedMacros; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    std::atomic<quint8> m_result{0};
    std::atomic<bool> m_settingsSaved{true};
    QStringList m_damagedMacros; // read once the thread has finished
    bool m_bSendAll = false;
    std::atomic<bool> m_bStop{false};
};
