#pragma once

#include "tests/common/ModalRunner.h"
#include "widgets/FileDialogs.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorProcessDialog.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that come up while a click runs, as a user would: message
// boxes get the confirming answer, or the other one when their text is in `refused`
// (their texts are kept), a file dialog gets the next path (or is cancelled when none
// is left); the busy dialog is left to close by itself.
// `onModal` runs in each dialog as it comes up, `onFileDialog` in each file dialog
// before its answer. Dialog answers go through the event loop, never from inside the poll.
class ModalScript : public QObject
{
public:
    explicit ModalScript(QStringList paths = {}, int timeoutMs = 20000) : m_paths(std::move(paths)), m_dog(timeoutMs)
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::look);
        m_poll.start(5);
        setFileDialogForTests([this](const FileDialogRequest &request) {
            if (onFileDialog)
                onFileDialog(request);
            return m_paths.isEmpty() ? QStringList() : QStringList{m_paths.takeFirst()};
        });
    }
    ~ModalScript() override { setFileDialogForTests({}); }

    std::function<void(QWidget *)> onModal;
    std::function<void(const FileDialogRequest &)> onFileDialog;
    QStringList messages;
    QStringList refused;
    int busyDialogs = 0;

private:
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        // A dialog comes back to the top when one it opened closes: answered once only.
        if (!modal || m_seen.contains(modal))
            return;
        m_seen << modal;
        if (onModal)
            onModal(modal);
        if (qobject_cast<QuorProcessDialog *>(modal)) {
            ++busyDialogs;
        } else if (auto *box = qobject_cast<QuorMessageBox *>(modal)) {
            messages << box->messageLabel()->caption();
            QTimer::singleShot(0, box, refused.contains(messages.last()) ? &QDialog::reject : &QDialog::accept);
        }
    }

    QStringList m_paths;
    ModalWatchdog m_dog;
    QTimer m_poll;
    QList<QPointer<QWidget>> m_seen;
};
