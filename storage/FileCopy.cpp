#include "storage/FileCopy.h"

#include "storage/RegularFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>

bool copyFileReplacing(const QString &source, const QString &target, TargetFolder folder)
{
    struct stat st;
    QByteArray content;
    if (readRegularFile(source, FileLinks::Refused, content, st) != FileKind::Regular
        || fileKind(target, FileLinks::Refused, st) == FileKind::Other)
        return false;
    if (folder == TargetFolder::Make && !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit();
}
