#include "tools/skinpainter/GifWriter.h"

#include <QHash>

#include <unordered_map>

namespace {

constexpr int MinCodeSize = 8;
constexpr int ClearCode = 1 << MinCodeSize;
constexpr int EndCode = ClearCode + 1;
constexpr int MaxCodes = 4096;

void putWord(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

// Packs codes LSB first and cuts the bytes into sub-blocks of at most 255.
class CodeStream
{
public:
    void put(int code, int width)
    {
        m_bits |= quint32(code) << m_count;
        m_count += width;
        while (m_count >= 8) {
            m_bytes.append(char(m_bits & 0xff));
            m_bits >>= 8;
            m_count -= 8;
        }
    }
    QByteArray blocks()
    {
        if (m_count > 0)
            m_bytes.append(char(m_bits & 0xff));
        m_count = 0;
        m_bits = 0;
        QByteArray out;
        for (int i = 0; i < m_bytes.size(); i += 255) {
            const QByteArray chunk = m_bytes.mid(i, 255);
            out.append(char(chunk.size()));
            out.append(chunk);
        }
        out.append(char(0));
        return out;
    }

private:
    QByteArray m_bytes;
    quint32 m_bits = 0;
    int m_count = 0;
};

// Width the decoder reads the n-th code after a clear code with (n from 1):
// by then it has added n - 2 table entries after the first free code.
int codeWidth(int n)
{
    int width = MinCodeSize + 1;
    while (width < 12 && (ClearCode + n) >= (1 << width))
        ++width;
    return width;
}

QByteArray lzw(const QVector<uchar> &pixels)
{
    CodeStream out;
    out.put(ClearCode, MinCodeSize + 1);
    std::unordered_map<quint32, int> table;
    int next = EndCode + 1;
    int sinceClear = 0;
    int prefix = pixels.isEmpty() ? 0 : pixels[0];
    for (int i = 1; i < pixels.size(); ++i) {
        const quint32 key = (quint32(prefix) << 8) | pixels[i];
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        out.put(prefix, codeWidth(++sinceClear));
        table.emplace(key, next++);
        if (next == MaxCodes) {
            out.put(ClearCode, codeWidth(++sinceClear));
            table.clear();
            next = EndCode + 1;
            sinceClear = 0;
        }
        prefix = pixels[i];
    }
    out.put(prefix, codeWidth(++sinceClear));
    out.put(EndCode, codeWidth(++sinceClear));
    return out.blocks();
}

} // namespace

QByteArray encodeGif(const QVector<QImage> &frames, int delayCentiseconds)
{
    if (frames.isEmpty())
        return QByteArray();
    const QSize size = frames.first().size();
    // index 0 is the transparent colour
    QVector<QRgb> palette{0};
    QHash<QRgb, uchar> indexOf;
    QVector<QVector<uchar>> indexed;
    for (const QImage &frame : frames) {
        if (frame.size() != size)
            return QByteArray();
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        QVector<uchar> pixels;
        pixels.reserve(size.width() * size.height());
        for (int y = 0; y < size.height(); ++y) {
            const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < size.width(); ++x) {
                if (qAlpha(row[x]) < 128) {
                    pixels.append(0);
                    continue;
                }
                const QRgb colour = row[x] & 0xffffffu;
                auto it = indexOf.find(colour);
                if (it == indexOf.end()) {
                    if (palette.size() == 256)
                        return QByteArray();
                    it = indexOf.insert(colour, uchar(palette.size()));
                    palette.append(colour);
                }
                pixels.append(it.value());
            }
        }
        indexed.append(pixels);
    }
    palette.resize(256);

    QByteArray out("GIF89a");
    putWord(out, size.width());
    putWord(out, size.height());
    out.append(char(0xf7)); // global palette of 256 entries, 8-bit colour
    out.append(char(0));    // background index
    out.append(char(0));    // square pixels
    for (QRgb c : palette) {
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    out.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    putWord(out, 0); // loop for ever
    out.append(char(0));
    for (const QVector<uchar> &pixels : indexed) {
        out.append("\x21\xf9\x04", 3);
        out.append(char((2 << 2) | 1)); // restore to background, index 0 transparent
        putWord(out, delayCentiseconds);
        out.append(char(0));
        out.append(char(0));
        out.append(char(0x2c));
        putWord(out, 0);
        putWord(out, 0);
        putWord(out, size.width());
        putWord(out, size.height());
        out.append(char(0));
        out.append(char(MinCodeSize));
        out.append(lzw(pixels));
    }
    out.append(char(0x3b));
    return out;
}
