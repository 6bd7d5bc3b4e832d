#include "widgets/FileDialogs.h"

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
}

void setFileDialogForTests(FileDialogFunction answer)
{
    testAnswer() = std::move(answer);
}

QStringList runFileDialog(const FileDialogRequest &r)
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
