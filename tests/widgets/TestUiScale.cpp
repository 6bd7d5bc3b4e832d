#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QTest>

namespace {
// Counts Qt's warnings about font sizes while it lives.
class FontWarningCounter
{
public:
    FontWarningCounter() { s_count = 0; m_previous = qInstallMessageHandler(&handler); }
    ~FontWarningCounter() { qInstallMessageHandler(m_previous); }
    int count() const { return s_count; }

private:
    static void handler(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        if (message.contains(QLatin1String("QFont::setPixelSize")))
            ++s_count;
    }
    static int s_count;
    QtMessageHandler m_previous;
};
int FontWarningCounter::s_count = 0;
}

class TestUiScale : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }

    void scaledGeometryTruncatesEachValue()
    {
        QWidget widget;
        QCOMPARE(uiScale(), 1.0);
        setScaledGeometry(&widget, 1.25, 69, 90, 154, 29);
        QCOMPARE(widget.geometry(), QRect(86, 112, 192, 36));
        QCOMPARE(uiScale(), 1.25);
        setScaledGeometry(&widget, 1.75, 0, 0, 0, 0);
        QCOMPARE(widget.geometry(), QRect(0, 0, 0, 0));
        QCOMPARE(uiScale(), 1.75);
    }

    void rescaleScalesWhatIsThere()
    {
        QWidget widget;
        widget.setGeometry(10, 20, 30, 40);
        rescaleGeometry(&widget, 2.0);
        rescaleGeometry(&widget, 2.0);
        QCOMPARE(widget.geometry(), QRect(40, 80, 120, 160));
        QCOMPARE(uiScale(), 1.0);
        QCOMPARE(scaledPixels(7, 1.75), 12);
        QCOMPARE(scaledPixels(-7, 1.5), -10);
    }

    void skinPathsLieInTheApplicationFolder()
    {
        SkinFixture skin;
        QCOMPARE(skinPath("/skin/dlg.png"), skin.folder().path() + "/skin/dlg.png");
        QVERIFY(loadSkin("/skin/absent.png").isNull());
        skin.writeSkin("dlg.png", Qt::red);
        QCOMPARE(loadSkin("/skin/dlg.png").size(), QSize(40, 20));
    }

    void languageFontFollowsConfigAndScale()
    {
        SkinFixture skin(12);
        setUiScale(1.75);
        QCOMPARE(configuredFontSize(), 12);
        QCOMPARE(languageFont().pixelSize(), 21);
        QCOMPARE(languageFont().family(), QStringLiteral("DejaVu Sans"));
        // Read afresh: another language index picks other keys.
        skin.folder().writeFile("Configs/Config.ini",
                                "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\nFONT_1=DejaVu Serif\nFONT_SIZE_1=16\n");
        setCurrentLanguageIndex(1);
        QCOMPARE(languageFont().pixelSize(), 28);
        QCOMPARE(languageFont().family(), QStringLiteral("DejaVu Serif"));
    }

    void missingOrNegativeSizeKeepsTheDefault()
    {
        SkinFixture skin;
        skin.folder().writeFile("Configs/Config.ini", "[FONT_LIST]\nFONT_0=DejaVu Sans\n");
        FontWarningCounter warnings;
        const QFont missing = languageFont();
        QCOMPARE(missing.pixelSize(), QFont().pixelSize());
        const QFont shrunk = languageFontOfSize(-3);
        QCOMPARE(shrunk.pixelSize(), QFont().pixelSize());
        QCOMPARE(warnings.count(), 0);

        // A size too large to scale is bounded where it is read; a product out of range
        // saturates instead of wrapping round.
        skin.folder().writeFile("Configs/Config.ini", "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=2147483647\n");
        setUiScale(2.0);
        QCOMPARE(configuredFontSize(), LargestScalableValue);
        QCOMPARE(languageFont().pixelSize(), 2 * LargestScalableValue);
        QCOMPARE(scaledPixels(INT_MAX, 1.5), INT_MAX);
        QCOMPARE(scaledPixels(INT_MIN, 1.5), INT_MIN);
    }
};

MOUSECFG_TEST(TestUiScale)
#include "TestUiScale.moc"
