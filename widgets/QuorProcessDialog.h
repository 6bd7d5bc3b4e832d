#pragma once

#include <QDialog>

class QLabel;
class QMovie;

// The small animated busy dialog shown while settings are written to the mouse;
// slotProcessDlg() closes it with Accepted on the next turn of the event loop. Escape
// and a close of the window do not end it: the write it waits for still runs.
class QuorProcessDialog : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Side = 128;

    QuorProcessDialog(QWidget *centreOn, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~QuorProcessDialog() override;

    QMovie *movie() const { return m_movie; }

    void reject() override;

public slots:
    void slotProcessDlg();
    void updateProgress();

private:
    QLabel *m_label;
    QMovie *m_movie;
};
