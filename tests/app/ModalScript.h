#pragma once

#include "tests/common/ModalRunner.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorProcessDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

// Answers the modal dialogs that come up while a click runs, as a user would: message
// boxes get the confirming answer (their texts are kept), a file dialog gets the next
// path typed in (or is cancelled when none is left), a question about replacing a file
// gets yes; the busy dialog is left to close by itself. `onModal` runs in each dialog
// as it comes up.
// Answers go through the event loop, never from inside the poll.
class ModalScript : public QObject
{
public:
    explicit ModalScript(QStringList paths = {}, int timeoutMs = 20000) : m_paths(std::move(paths)), m_dog(timeoutMs)
    {
        connect(&m_poll, &QTimer::timeout, this, &ModalScript::look);
        m_poll.start(5);
    }

    std::function<void(QWidget *)> onModal;
    QStringList messages;
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
            QTimer::singleShot(0, box, &QDialog::accept);
        } else if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            QTimer::singleShot(0, question, [question] { question->button(QMessageBox::Yes)->click(); });
        } else if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            const QString path = m_paths.isEmpty() ? QString() : m_paths.takeFirst();
            QTimer::singleShot(0, files, [files, path] {
                files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
                path.isEmpty() ? files->reject() : static_cast<QDialog *>(files)->accept();
            });
        }
    }

    QStringList m_paths;
    ModalWatchdog m_dog;
    QTimer m_poll;
    QList<QPointer<QWidget>> m_seen;
};
