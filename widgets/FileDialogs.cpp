#include "widgets/FileDialogs.h"

#include "widgets/ModalGate.h"

#include <QFileDialog>

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

QStringList askPaths(const FileDialogRequest &r)
{
    if (testAnswer())
        return testAnswer()(r);
    switch (r.kind) {
    case FileDialogKind::OpenFile:
        return nonEmpty(QFileDialog::getOpenFileName(r.parent, r.caption, r.path, r.filter));
    case FileDialogKind::OpenFiles:
        return QFileDialog::getOpenFileNames(r.parent, r.caption, r.path, r.filter);
    case FileDialogKind::SaveFile:
        return nonEmpty(QFileDialog::getSaveFileName(r.parent, r.caption, r.path, r.filter));
    case FileDialogKind::Directory:
        return nonEmpty(QFileDialog::getExistingDirectory(r.parent, r.caption, r.path, QFileDialog::ShowDirsOnly));
    }
    return {};
}
}

void setFileDialogForTests(FileDialogFunction answer)
{
    testAnswer() = std::move(answer);
}

// A test's answer counts as an open dialog too.
QStringList runFileDialog(const FileDialogRequest &r)
{
    QStringList paths;
    ModalGate::run([&] {
        paths = askPaths(r);
        return 0;
    });
    return paths;
}
