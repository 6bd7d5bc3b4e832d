#include "tests/common/TestMain.h"

#include "app/WindowScale.h"
#include "buttons/QuorBtnWindow.h"
#include "storage/SettingsBlock.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QMenu>
#include <QTest>

class TestWindowScale : public QObject
{
    Q_OBJECT
private slots:
    void scaleFromTheScreenRatio_data()
    {
        QTest::addColumn<double>("dpi");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QSize>("size");
        QTest::newRow("96") << 96.0 << 1.0 << QSize(999, 640);
        QTest::newRow("120") << 120.0 << 1.25 << QSize(1248, 800);
        QTest::newRow("144") << 144.0 << 1.5 << QSize(1498, 960);
        QTest::newRow("240") << 240.0 << 2.5 << QSize(2497, 1600);
        // The bounds are "below": a ratio of exactly 1.1 is the next row.
        QTest::newRow("ratio 1.1") << 1.1 * 96 << 1.25 << QSize(1248, 800);
        QTest::newRow("ratio 4.8") << 4.8 * 96 << 5.0 << QSize(4995, 3200);
        QTest::newRow("ratio 9") << 9.0 * 96 << 5.0 << QSize(4995, 3200);
    }
    void scaleFromTheScreenRatio()
    {
        QFETCH(double, dpi);
        QFETCH(double, scale);
        QFETCH(QSize, size);
        const double found = scaleForIndex(scaleIndexForRatio(screenRatio(dpi)));
        QCOMPARE(found, scale);
        QCOMPARE(scaledWindowSize(found), size);
    }

    // The largest font size Config.ini can hold gives a positive pixel size at every
    // scale of the table, the same on the button page as in the shared font rule.
    void hugeFontSizeAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        for (int i = 0; i < ScaleIndexCount; ++i)
            QTest::addRow("scale %.2f", scaleForIndex(i)) << scaleForIndex(i);
    }
    void hugeFontSizeAtEveryScale()
    {
        QFETCH(double, scale);
        QVERIFY(scale <= LargestUiScale);
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini", "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=2147483647\n");
        setCurrentLanguageIndex(0);
        setUiScale(scale);
        QVERIFY(configuredFontSize() * scale <= double(INT_MAX));
        ProfileRecord record;
        resetProfileToDefaults(record);
        QuorBtnWindow page(&record, nullptr, scale);
        page.applyFonts(scale);
        const int pixels = page.mainMenu()->font().pixelSize();
        const int shared = languageFont().pixelSize();
        setUiScale(1.0);
        QVERIFY(pixels >= LargestScalableValue);
        QCOMPARE(pixels, shared);
    }

    void centredOnTheAvailableArea_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("first screen") << QRect(0, 0, 1920, 1040) << QPoint(460, 200);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QPoint(2060, 192);
        QTest::newRow("left of the first") << QRect(-1280, 100, 1280, 800) << QPoint(-1140, 180);
        QTest::newRow("smaller than the window") << QRect(1920, 30, 800, 600) << QPoint(1920, 30);
    }
    void centredOnTheAvailableArea()
    {
        QFETCH(QRect, available);
        QFETCH(QPoint, topLeft);
        QCOMPARE(centredTopLeft(available, QSize(999, 640)), topLeft);
    }
};

MOUSECFG_TEST(TestWindowScale)
#include "TestWindowScale.moc"
