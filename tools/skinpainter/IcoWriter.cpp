#include "tools/skinpainter/IcoWriter.h"

#include <QtEndian>

namespace {

void put16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), 4);
}

// BITMAPINFOHEADER, bottom-up BGRA rows, then the 1-bit AND mask (1 = transparent).
QByteArray dib(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const int w = image.width(), h = image.height();
    const int maskStride = ((w + 31) / 32) * 4;
    QByteArray out;
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(h * 2));
    put16(out, 1);
    put16(out, 32);
    put32(out, 0);
    put32(out, quint32(w * h * 4 + maskStride * h));
    for (int i = 0; i < 4; ++i)
        put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            out.append(char(qBlue(row[x])));
            out.append(char(qGreen(row[x])));
            out.append(char(qRed(row[x])));
            out.append(char(qAlpha(row[x])));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(maskStride, 0);
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.append(mask);
    }
    return out;
}

} // namespace

QByteArray encodeIco(const QVector<QImage> &images)
{
    if (images.isEmpty())
        return QByteArray();
    QVector<QByteArray> bodies;
    for (const QImage &image : images) {
        if (image.isNull() || image.width() > 256 || image.height() > 256)
            return QByteArray();
        bodies.append(dib(image));
    }
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (int i = 0; i < images.size(); ++i) {
        out.append(char(images[i].width() & 0xff)); // 256 is written as 0
        out.append(char(images[i].height() & 0xff));
        out.append(char(0));
        out.append(char(0));
        put16(out, 1);
        put16(out, 32);
        put32(out, quint32(bodies[i].size()));
        put32(out, offset);
        offset += quint32(bodies[i].size());
    }
    for (const QByteArray &body : bodies)
        out.append(body);
    return out;
}
