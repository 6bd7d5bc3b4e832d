#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <functional>

// Every picture of the skin folder: its path below skin/, its size and how it is painted.
struct SkinPicture
{
    QString name;
    QSize size;
    std::function<QImage(QSize)> paint;
};

namespace skin {

// Product name of the sample model whose pictures lie under skin/mouse/.
QString sampleModelName();
// Square sizes of the application icon of each program.
QVector<int> iconSizes(bool altProgram);
QString iconPictureName(bool altProgram, int side);
// The icon file of each program below skin/.
QString iconFileName(bool altProgram);
constexpr QSize LoadingSize(128, 128);
constexpr int LoadingFrameCount = 12;

const QVector<SkinPicture> &catalog();
// Writes every picture of the catalog and both icon files below skinDir.
bool writeSkin(const QString &skinDir, QString *error);
bool writeLoadingGif(const QString &path, QString *error);

} // namespace skin
