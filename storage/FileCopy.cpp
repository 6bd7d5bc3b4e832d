#include "storage/FileCopy.h"

#include "storage/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool copyFileReplacing(const QString &source, const QString &target, TargetFolder folder)
{
    const QFileInfo from(source);
    if (!from.isFile() || from.size() > MaxIniFileSize || QFileInfo(target).isDir())
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = in.read(MaxIniFileSize + 1);
    if (content.size() > MaxIniFileSize || in.error() != QFileDevice::NoError)
        return false;
    if (folder == TargetFolder::Make && !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    QSaveFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(content) == content.size() && out.commit();
}
