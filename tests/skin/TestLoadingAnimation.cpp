#include "tools/skinpainter/SkinCatalog.h"
#include "tests/common/TestMain.h"

#include <QFile>
#include <QMovie>
#include <QTest>

class TestLoadingAnimation : public QObject
{
    Q_OBJECT
private slots:
    void compiledInAnimationPlays()
    {
        QVERIFY(QFile::exists(":/skin/loading.gif"));
        QMovie movie(":/skin/loading.gif");
        QVERIFY(movie.isValid());
        QCOMPARE(movie.frameCount(), skin::LoadingFrameCount);
        QVERIFY(movie.frameCount() > 1);
        QVector<QImage> frames;
        for (int i = 0; i < movie.frameCount(); ++i) {
            QVERIFY(movie.jumpToFrame(i));
            frames << movie.currentImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(frames.last().size(), QSize(128, 128));
            QVERIFY(movie.nextFrameDelay() > 0);
        }
        for (int i = 1; i < frames.size(); ++i)
            QVERIFY(frames[i] != frames[i - 1]);
        // rounded corners are see-through on the translucent busy dialog
        QCOMPARE(qAlpha(frames[0].pixel(0, 0)), 0);
        QCOMPARE(qAlpha(frames[0].pixel(64, 64)), 255);
    }

    void animationLoopsForEver()
    {
        QMovie movie(":/skin/loading.gif");
        QCOMPARE(movie.loopCount(), -1);
    }
};

MOUSECFG_TEST(TestLoadingAnimation)
#include "TestLoadingAnimation.moc"
