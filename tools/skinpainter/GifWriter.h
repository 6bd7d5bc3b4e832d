#pragma once

#include <QByteArray>
#include <QImage>
#include <QVector>

// Encodes frames of one size as a looping GIF89a animation. Pixels with alpha
// below 128 become transparent; the frames may hold at most 255 other colours
// together (one global palette). Returns an empty array when they hold more,
// or when the frames are missing or differ in size.
QByteArray encodeGif(const QVector<QImage> &frames, int delayCentiseconds);
