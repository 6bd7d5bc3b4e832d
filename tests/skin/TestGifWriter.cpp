#include "tools/skinpainter/GifWriter.h"
#include "tests/common/TestMain.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTest>

class TestGifWriter : public QObject
{
    Q_OBJECT

    static QVector<QImage> decode(const QByteArray &data)
    {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        QVector<QImage> frames;
        for (;;) {
            QImage frame = reader.read();
            if (frame.isNull())
                break;
            frames << frame.convertToFormat(QImage::Format_ARGB32);
        }
        return frames;
    }

    static QImage noise(QSize size, int colours, quint32 seed)
    {
        QRandomGenerator random(seed);
        QImage image(size, QImage::Format_ARGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const int c = int(random.bounded(colours));
                image.setPixel(x, y, qRgb(c, 255 - c, (c * 7) & 0xff));
            }
        return image;
    }

    // Every one of the given number of colours, in a row.
    static QImage ramp(int colours)
    {
        QImage image(colours, 2, QImage::Format_ARGB32);
        for (int x = 0; x < colours; ++x)
            for (int y = 0; y < 2; ++y)
                image.setPixel(x, y, qRgb(x, 255 - x, (x * 7) & 0xff));
        return image;
    }

    static int differingPixels(const QImage &a, const QImage &b)
    {
        int count = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                count += a.pixel(x, y) != b.pixel(x, y);
        return count;
    }

private slots:
    void framesSurviveTheRoundTrip()
    {
        // noise over 255 colours overflows the 4096-entry table many times,
        // a flat frame grows long strings: both paths of the encoder
        QVector<QImage> frames{noise({97, 61}, 255, 1), noise({97, 61}, 3, 2)};
        QImage flat(97, 61, QImage::Format_ARGB32);
        flat.fill(qRgb(0, 255, 0)); // a colour of the first frame
        frames << flat;
        const QVector<QImage> decoded = decode(encodeGif(frames, 5));
        QCOMPARE(decoded.size(), frames.size());
        for (int i = 0; i < frames.size(); ++i) {
            QCOMPARE(decoded[i].size(), frames[i].size());
            QCOMPARE(differingPixels(decoded[i], frames[i]), 0);
        }
    }

    void lowAlphaBecomesTransparent()
    {
        QImage frame(8, 8, QImage::Format_ARGB32);
        frame.fill(qRgba(200, 10, 10, 255));
        frame.setPixel(0, 0, qRgba(0, 0, 0, 0));
        frame.setPixel(1, 0, qRgba(90, 90, 90, 100));
        const QVector<QImage> decoded = decode(encodeGif({frame, frame}, 5));
        QCOMPARE(decoded.size(), 2);
        QCOMPARE(qAlpha(decoded[0].pixel(0, 0)), 0);
        QCOMPARE(qAlpha(decoded[0].pixel(1, 0)), 0);
        QCOMPARE(decoded[1].pixel(5, 5), qRgba(200, 10, 10, 255));
    }

    void refusesWhatOnePaletteCannotHold()
    {
        QVERIFY(encodeGif({}, 5).isEmpty());
        QVERIFY(!encodeGif({ramp(255)}, 5).isEmpty());
        QVERIFY(encodeGif({ramp(256)}, 5).isEmpty());
        QVERIFY(encodeGif({noise({8, 8}, 4, 4), noise({9, 8}, 4, 4)}, 5).isEmpty());
    }
};

MOUSECFG_TEST(TestGifWriter)
#include "TestGifWriter.moc"
