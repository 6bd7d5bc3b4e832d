#include "storage/FileCopy.h"

#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

CopyResult copyFileReplacing(const QString &source, const QString &target, TargetFolder folder)
{
    struct stat st;
    QByteArray content;
    if (readRegularFile(source, FileLinks::Followed, content, st) != FileKind::Regular)
        return CopyResult::SourceRefused;
    if (fileKind(target, FileLinks::Refused, st) == FileKind::Other)
        return CopyResult::TargetRefused;
    if (folder == TargetFolder::Make && !QDir().mkpath(QFileInfo(target).absolutePath()))
        return CopyResult::TargetRefused;
    QSaveFile out(target);
    const bool written = out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit();
    return written ? CopyResult::Copied : CopyResult::TargetRefused;
}
