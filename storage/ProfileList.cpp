#include "storage/ProfileList.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"

#include <QDebug>

namespace {
const QString kCount = QStringLiteral("PROFILE_LIST/Count");

QString entryKey(int n)
{
    return QStringLiteral("PROFILE_LIST/") + QString::number(n);
}
}

QString modelConfigIniPath(const QString &productName)
{
    if (!productName.isEmpty() && !isSafeProfileName(productName))
        return QString();
    return configDirPath() + QLatin1Char('/') + productName + QStringLiteral("/Config.ini");
}

QStringList loadProfileList()
{
    QStringList names;
    const QString path = modelConfigIniPath(modelFolderProductName());
    if (path.isEmpty())
        return names;
    const IniFile ini(path);
    const qint64 count = qBound<qint64>(0, ini.number(kCount), MaxProfileListEntries);
    for (int n = 1; n <= count; ++n) {
        const QString name = ini.text(entryKey(n));
        if (isSafeProfileName(name))
            names << name;
    }
    return names;
}

bool saveProfileList(const QStringList &names)
{
    const QString path = modelConfigIniPath(modelFolderProductName());
    if (path.isEmpty() || names.size() > MaxProfileListEntries)
        return false;
    IniFile ini(path);
    ini.setValue(kCount, names.size());
    for (int n = 1; n <= names.size(); ++n) {
        qDebug() << names[n - 1];
        ini.setValue(entryKey(n), names[n - 1]);
    }
    return ini.commit();
}

bool profileListHasRoom(const QStringList &names)
{
    return names.size() < MaxProfileListEntries;
}

bool isSharedProfileName(const QString &name)
{
    const QString path = modelConfigIniPath(modelFolderProductName());
    if (path.isEmpty())
        return false;
    const IniFile ini(path);
    const qint64 count = qMin<qint64>(ini.number(QStringLiteral("PROFILE_LIST/SCount")), MaxProfileListEntries);
    for (int n = 1; n <= count; ++n) {
        if (ini.text(QStringLiteral("PROFILE_LIST/S") + QString::number(n)) == name)
            return true;
    }
    return false;
}
