#include "storage/Theme.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorTwoBarSlider.h"

#include <QSignalSpy>
#include <QSlider>
#include <QTest>

class TestQuorTwoBarSlider : public QObject
{
    Q_OBJECT
private slots:
    void barsReportAsOnePair()
    {
        SkinFixture skin;
        QuorTwoBarSlider bars(nullptr, 100, 0);
        QSignalSpy spy(&bars, &QuorTwoBarSlider::SliderChangedSignal);
        bars.lowerBar()->setValue(70);
        bars.upperBar()->setValue(30);
        QCOMPARE(spy.last(), (QList<QVariant>{30, 70}));
        bars.middleBar()->setValue(50);
        QCOMPARE(spy.last(), (QList<QVariant>{50, 50}));

        // Pair mode leaves the middle bar alone; the pair is reported once.
        bars.setBarsHidden(false);
        spy.clear();
        bars.setSliderValue(10, 20);
        QCOMPARE(bars.middleBar()->value(), 50);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last(), (QList<QVariant>{10, 20}));
        bars.setBarsHidden(true);
        QVERIFY(bars.upperBar()->isHidden() && bars.lowerBar()->isHidden());
        QVERIFY(!bars.middleBar()->isHidden());
        bars.setSliderValue(40, 60);
        QCOMPARE(bars.middleBar()->value(), 40);

        bars.setSliderRange(30, 5);
        for (QSlider *bar : {bars.upperBar(), bars.middleBar(), bars.lowerBar()}) {
            QCOMPARE(bar->minimum(), 5);
            QCOMPARE(bar->maximum(), 30);
        }
    }

    // Set from code, from the pair (30, 70) on 0..100: the bars take what their range
    // holds and the strip reports its pair once, only when it changed.
    void setFromCodeReportsOnePair_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<bool>("range"); // setSliderRange(a, b), else setSliderValue(a, b)
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<QVariantList>("reported"); // empty: nothing
        QTest::newRow("pair") << false << false << 40 << 60 << QVariantList{40, 60};
        QTest::newRow("pair, same") << false << false << 30 << 70 << QVariantList{};
        QTest::newRow("pair, past both ends") << false << false << 150 << -5 << QVariantList{100, 0};
        QTest::newRow("linked") << true << false << 40 << 60 << QVariantList{40, 40};
        QTest::newRow("narrower range") << false << true << 50 << 10 << QVariantList{30, 50};
        QTest::newRow("maximum under minimum") << false << true << 10 << 50 << QVariantList{50, 50};
        QTest::newRow("range, linked") << true << true << 20 << 0 << QVariantList{20, 20};
        QTest::newRow("same range") << false << true << 100 << 0 << QVariantList{};
    }
    void setFromCodeReportsOnePair()
    {
        QFETCH(bool, linked);
        QFETCH(bool, range);
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(QVariantList, reported);
        SkinFixture skin;
        QuorTwoBarSlider bars(nullptr, 100, 0);
        bars.setBarsHidden(linked);
        bars.setSliderValue(30, 70);
        QSignalSpy spy(&bars, &QuorTwoBarSlider::SliderChangedSignal);
        range ? bars.setSliderRange(a, b) : bars.setSliderValue(a, b);
        QCOMPARE(QList<QVariantList>(spy), reported.isEmpty() ? QList<QVariantList>() : QList<QVariantList>{reported});
    }

    void keyboardMovesABar()
    {
        SkinFixture skin;
        QuorTwoBarSlider bars(nullptr, 10, 1);
        bars.setBarsHidden(true);
        QSignalSpy spy(&bars, &QuorTwoBarSlider::SliderChangedSignal);
        QTest::keyClick(bars.middleBar(), Qt::Key_Right);
        QCOMPARE(spy.last(), (QList<QVariant>{2, 2}));
    }

    void layoutAndStyleFollowTheScale()
    {
        SkinFixture skin;
        setUiScale(1.25);
        QuorTwoBarSlider bars(nullptr, 100, 0);
        QCOMPARE(bars.middleBar()->geometry(), QRect(0, 9, 413, 15));
        QVERIFY(bars.middleBar()->styleSheet().isEmpty());
        bars.updateGeometryAndStyle();
        QCOMPARE(bars.middleBar()->geometry(), QRect(0, 11, 413, 15));
        QCOMPARE(bars.lowerBar()->geometry(), QRect(0, 26, 413, 11));
        const QString middle = bars.middleBar()->styleSheet();
        QVERIFY(middle.contains("groove:horizontal{height:7px;"));
        QVERIFY(middle.contains("sub-page:horizontal{height:7px;"));
        QVERIFY(middle.contains("border-top-left-radius:3px;border-bottom-left-radius:3px;}"));
        QVERIFY(middle.contains("handle:horizontal{width:15px;"));
        QVERIFY(middle.contains("margin:-4px 0px -4px 0px;border-radius:7px;}"));
        const QColor t = themeColor();
        const QString theme = QStringLiteral("rgb(%1,%2,%3)").arg(t.red()).arg(t.green()).arg(t.blue());
        QVERIFY(middle.contains("stop:0 rgb(0,200,255), stop:1 " + theme));
        QVERIFY(bars.upperBar()->styleSheet().contains("height: 11px;"));

        // A resize lays out again with a plain theme-colour groove.
        bars.show();
        bars.resize(500, 60);
        QVERIFY(bars.middleBar()->styleSheet().contains("stop:0 " + theme + ", stop:1 " + theme));
    }

    void unknownThemeIndexUsesTheFirstStart()
    {
        SkinFixture skin(12, 9);
        QuorTwoBarSlider bars(nullptr, 100, 0);
        bars.updateGeometryAndStyle();
        QVERIFY(bars.middleBar()->styleSheet().contains("stop:0 rgb(255,200,0)"));
    }
};

MOUSECFG_TEST(TestQuorTwoBarSlider)
#include "TestQuorTwoBarSlider.moc"
