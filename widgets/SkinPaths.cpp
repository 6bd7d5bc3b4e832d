#include "widgets/SkinPaths.h"

#include <QLabel>

#include "storage/AppFolder.h"

QString skinPath(const QString &skinLiteral)
{
    return appDirPath() + skinLiteral;
}

QPixmap loadSkin(const QString &skinLiteral)
{
    return QPixmap(skinPath(skinLiteral));
}

void showSkinPicture(QLabel *label, const QString &skinLiteral, int width, int height, Qt::AspectRatioMode mode)
{
    const QPixmap picture = loadSkin(skinLiteral);
    if (!picture.isNull())
        label->setPixmap(picture.scaled(width, height, mode, Qt::SmoothTransformation));
}
