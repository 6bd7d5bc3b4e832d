#include "widgets/FileDialogs.h"

#include "widgets/ModalGate.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
FileDialogFunction &testAnswer()
{
    static FileDialogFunction answer;
    return answer;
}

QStringList nonEmpty(const QString &path)
{
    return path.isEmpty() ? QStringList() : QStringList{path};
}

QStringList askPaths(const FileDialogRequest &r, const QString &defaultSuffix)
{
    if (testAnswer())
        return testAnswer()(r);
    // A page's style sheet would reach the dialog's own labels and headers: every
    // dialog stands over the window, as one opened by the window does.
    QWidget *parent = r.parent ? r.parent->window() : nullptr;
    switch (r.kind) {
    case FileDialogKind::OpenFile:
        return nonEmpty(QFileDialog::getOpenFileName(parent, r.caption, r.path, r.filter));
    case FileDialogKind::OpenFiles:
        return QFileDialog::getOpenFileNames(parent, r.caption, r.path, r.filter);
    case FileDialogKind::SaveFile: {
        // The dialog asks before it replaces the file of the name with its suffix.
        QFileDialog dialog(parent, r.caption, r.path, r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(defaultSuffix);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().mid(0, 1) : QStringList();
    }
    case FileDialogKind::Directory:
        return nonEmpty(QFileDialog::getExistingDirectory(parent, r.caption, r.path, QFileDialog::ShowDirsOnly));
    }
    return {};
}

QString withDefaultSuffix(const QString &path, const QString &suffix)
{
    const QString name = QFileInfo(path).fileName();
    if (suffix.isEmpty() || name.isEmpty() || name.contains(QLatin1Char('.')))
        return path;
    return path + QLatin1Char('.') + suffix;
}
}

void setFileDialogForTests(FileDialogFunction answer)
{
    testAnswer() = std::move(answer);
}

// A test's answer counts as an open dialog too.
QStringList runFileDialog(const FileDialogRequest &r, const QString &defaultSuffix)
{
    QStringList paths;
    ModalGate::run([&] {
        paths = askPaths(r, defaultSuffix);
        return 0;
    });
    if (r.kind == FileDialogKind::SaveFile && !paths.isEmpty())
        paths[0] = withDefaultSuffix(paths[0], defaultSuffix);
    return paths;
}
