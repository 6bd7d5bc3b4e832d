#include "storage/AppFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {
QString &overridePath()
{
    static QString path;
    return path;
}
}

QString appDirPath()
{
    if (!overridePath().isEmpty())
        return overridePath();
    return QCoreApplication::applicationDirPath();
}

void setAppDirPathForTests(const QString &path)
{
    overridePath() = path;
}

QString configDirPath()
{
    return appDirPath() + QStringLiteral("/Configs");
}

bool fileExists(const QString &path)
{
    return QFileInfo::exists(path);
}
