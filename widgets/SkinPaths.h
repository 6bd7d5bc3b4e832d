#pragma once

#include <QPixmap>
#include <QString>

class QLabel;

// A file skin: the application folder followed by a literal that begins with "/skin/".
QString skinPath(const QString &skinLiteral);
// The picture of a file skin; a missing file gives a null picture and no message.
QPixmap loadSkin(const QString &skinLiteral);
// Scales a file skin into a label; a picture that does not load leaves the label as it was.
void showSkinPicture(QLabel *label, const QString &skinLiteral, int width, int height, Qt::AspectRatioMode mode);
