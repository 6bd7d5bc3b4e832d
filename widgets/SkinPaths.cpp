#include "widgets/SkinPaths.h"

#include "storage/AppFolder.h"

QString skinPath(const QString &skinLiteral)
{
    return appDirPath() + skinLiteral;
}

QPixmap loadSkin(const QString &skinLiteral)
{
    return QPixmap(skinPath(skinLiteral));
}
