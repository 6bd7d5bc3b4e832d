#include "tools/skinpainter/IcoWriter.h"
#include "tests/common/TestMain.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>

class TestIcoWriter : public QObject
{
    Q_OBJECT

    static QImage picture(int side)
    {
        QImage image(side, side, QImage::Format_ARGB32);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                image.setPixel(x, y, x < side / 4 ? qRgba(0, 0, 0, 0) : qRgba(x & 0xff, y & 0xff, 90, 255));
        return image;
    }

private slots:
    void everyImageReadsBack()
    {
        const QVector<int> sides{256, 48, 17};
        QVector<QImage> images;
        for (int side : sides)
            images << picture(side);
        QBuffer buffer;
        buffer.setData(encodeIco(images));
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "ico");
        QCOMPARE(reader.imageCount(), sides.size());
        for (int i = 0; i < sides.size(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(read.size(), QSize(sides[i], sides[i]));
            QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
            const int x = sides[i] - 1, y = sides[i] / 2;
            QCOMPARE(read.pixel(x, y), images[i].pixel(x, y));
        }
    }

    void refusesPicturesAnIconCannotHold()
    {
        QVERIFY(encodeIco({}).isEmpty());
        QVERIFY(encodeIco({picture(16), picture(257)}).isEmpty());
        QVERIFY(encodeIco({QImage()}).isEmpty());
    }
};

MOUSECFG_TEST(TestIcoWriter)
#include "TestIcoWriter.moc"
