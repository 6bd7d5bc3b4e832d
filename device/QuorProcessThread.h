#pragma once

#include "device/MacroUpload.h"

#include <QVector>
#include <QThread>

#include <atomic>

// Writes the working settings to the mouse once; DoProcessDlg() ends the busy dialog.
// The GUI thread keeps its event loop running meanwhile (the busy dialog): the upload
// asks it to stop and restart the status thread through blocking queued calls.
class QuorProcessThread : public QThread
{
    Q_OBJECT
public:
    // result(): 0 written or nothing to write; else a SendResult of the upload, or
    // ResultTooManyMacros when the profiles use more macros than the mouse holds
    // (nothing sent).
    enum Result : quint8 { ResultWritten = 0, ResultMouseOff = 5, ResultTooManyMacros = 32 };

    QuorProcessThread();

    void stop();
    // Send every part whatever changed (Reset All, configuration load).
    void setSendAll(bool all) { m_bSendAll = all; }
    quint8 result() const { return m_result; }
    // False when a settings file of the last run could not be written; then the mouse
    // was not written either.
    bool settingsSaved() const { return m_settingsSaved; }
    // Macros of the last run whose files were damaged or missing: the mouse got them
    // without rows.
    QVector<FaultyMacro> faultyMacros() const { return m_faultyMacros; }

signals:
    void DoProcessDlg();

protected:
    void run() override;

private:
    int changedParts(int waiting, int current) const;
    void finish(quint8 result, bool saved);

    std::atomic<quint8> m_result{0};
    std::atomic<bool> m_settingsSaved{true};
    QVector<FaultyMacro> m_faultyMacros; // read once the thread has finished
    bool m_bSendAll = false;
    std::atomic<bool> m_bStop{false};
};
