#pragma once

#include <QPixmap>
#include <QString>

// A file skin: the application folder followed by a literal that begins with "/skin/".
QString skinPath(const QString &skinLiteral);
// The picture of a file skin; a missing file gives a null picture and no message.
QPixmap loadSkin(const QString &skinLiteral);
