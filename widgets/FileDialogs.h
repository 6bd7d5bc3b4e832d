#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The program's file dialogs, run through the modal gate. Each call shows the real
// QFileDialog unless a test has put its own answer in place; an empty answer means
// the dialog was cancelled.
enum class FileDialogKind { OpenFile, OpenFiles, SaveFile, Directory };

struct FileDialogRequest
{
    FileDialogKind kind = FileDialogKind::OpenFile;
    QWidget *parent = nullptr;
    QString caption;
    QString path;   // start folder, or the proposed file for SaveFile
    QString filter; // unused for Directory
};

using FileDialogFunction = std::function<QStringList(const FileDialogRequest &)>;

// The chosen paths: one for OpenFile, SaveFile and Directory, any number for OpenFiles.
// A SaveFile answer whose file name has no dot takes "." + defaultSuffix, as
// QFileDialog::setDefaultSuffix gives it, so the open dialog's filter finds the file.
QStringList runFileDialog(const FileDialogRequest &request, const QString &defaultSuffix = QString());
// Test-only: answers every file dialog; an empty function restores the real dialogs.
void setFileDialogForTests(FileDialogFunction answer);
