#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Builds an icon file of 32-bit images (with AND masks), one entry a picture,
// each at most 256 pixels square. Returns an empty array for a larger or empty picture.
QByteArray encodeIco(const QVector<QImage> &images);
