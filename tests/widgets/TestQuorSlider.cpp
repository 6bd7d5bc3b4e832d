#include "storage/Theme.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSlider.h"
#include "widgets/QuorTwoBarSlider.h"
#include "widgets/WidgetLook.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

#include <cmath>

namespace {
void dragTo(QuorSlider &slider, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, slider.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &move);
}

// A slider's handle at its minimum or maximum, rendered over black, is whole at the end
// of the groove and round: in its half toward the end nothing shows outside a square as
// tall as the handle rounded with half its side (to the pixel), neither a square corner
// nor the groove's end.
void verifyHandleAtEnd(QSlider &slider, bool atMaximum)
{
    slider.setValue(atMaximum ? slider.maximum() : slider.minimum());
    const QImage image = renderOver(slider);
    const QRect ink = inkBox(image);
    const double half = ink.height() / 2.0, radius = ink.height() / 2, flat = half - radius;
    const double cx = atMaximum ? slider.width() - half : half, cy = ink.top() + half;
    // How far a pixel lies, at its nearest, beyond the straight part of the side along one axis.
    const auto off = [flat](int i, double c) { return qMax(0.0, qAbs(i + 0.5 - c) - 0.5 - flat); };
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = atMaximum ? int(cx) : 0; x < (atMaximum ? slider.width() : int(cx)); ++x)
            if (std::hypot(off(x, cx), off(y, cy)) > radius + 0.05)
                QVERIFY2(image.pixel(x, y) == qRgb(0, 0, 0), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

// At its minimum the slider's grey part, from the middle on, is grey to the pixel.
void verifyGreyPart(QSlider &slider)
{
    slider.setValue(slider.minimum());
    const QImage image = renderOver(slider);
    QVERIFY(inkBox(image).right() > slider.width() * 3 / 4);
    for (int y = 0; y < image.height(); ++y)
        for (int x = slider.width() / 2; x < slider.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            QVERIFY2(qAbs(c.red() - c.green()) <= 1 && qAbs(c.green() - c.blue()) <= 1,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
}
}

class TestQuorSlider : public QObject
{
    Q_OBJECT
private slots:
    void everyReleaseReportsOnce()
    {
        SkinFixture skin;
        QuorSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(1, 20);
        slider.setValue(5);
        slider.resize(220, 20);
        QSignalSpy mouse(&slider, &QuorSlider::MouseChange);
        QSignalSpy changed(&slider, &QSlider::valueChanged);
        // A click on the groove, then one on the handle that changes nothing.
        QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(mouse.count(), 1);
        const int changes = changed.count();
        const int handleX = slider.style()->sliderPositionFromValue(1, 20, slider.value(), 220);
        QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(handleX + 2, 10));
        QCOMPARE(mouse.count(), 2);
        QCOMPARE(changed.count(), changes);
    }

    void bubbleFollowsTheHandle()
    {
        SkinFixture skin;
        QuorSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(0, 100);
        slider.resize(220, 30);
        QuorLabel *bubble = slider.valueBubble();
        QCOMPARE(bubble->size(), QSize(20, 20));
        QVERIFY(bubble->isHidden());

        slider.setValue(50);
        dragTo(slider, QPoint(110, 10));
        QVERIFY(bubble->isHidden());
        QCOMPARE(bubble->pos(), QPoint(1, 4));

        slider.setShowValue(true);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(300, 10));
        QVERIFY(!bubble->isHidden());
        // The value stands on an opaque white square, in dark text.
        const QImage shown = renderOver(slider);
        QCOMPARE(shown.pixelColor(bubble->x() + 1, bubble->y() + 1), QColor(Qt::white));
        QVERIFY(inkBox(shown.copy(bubble->geometry()), Qt::white).isValid());
        slider.setValue(50);
        dragTo(slider, QPoint(110, 10));
        QCOMPARE(bubble->pos(), QPoint(100, 0));
        QCOMPARE(bubble->caption(), QString::number(slider.value()));
        QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(110, 10));
        QVERIFY(bubble->isHidden());
    }

    // The pages' sliders and the DPI rows' middle bar, at each scale and theme colour; no
    // theme colour shows through the grey part, its rounded far end neither.
    void handleIsRoundInItsGroove_data() { addScaleAndThemeRows(); }
    void handleIsRoundInItsGroove()
    {
        QFETCH(double, scale);
        QFETCH(int, theme);
        SkinFixture skin(12, theme);
        setUiScale(scale);
        QuorSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(1, 3);
        slider.setStyleSheet(grooveSliderStyleSheet(themeColor(), themeColor(), scale));
        slider.resize(scaledPixels(228, scale), scaledPixels(25, scale));
        QuorTwoBarSlider bars(nullptr, 100, 0);
        bars.updateGeometryAndStyle();
        for (QSlider *s : {static_cast<QSlider *>(&slider), bars.middleBar()}) {
            for (bool atMaximum : {false, true})
                verifyHandleAtEnd(*s, atMaximum);
            verifyGreyPart(*s);
        }
    }

    void singleValueRangeLeavesTheBubble()
    {
        SkinFixture skin;
        QuorSlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(7, 7);
        slider.resize(220, 30);
        slider.setShowValue(true);
        QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(10, 10));
        dragTo(slider, QPoint(150, 10));
        QCOMPARE(slider.valueBubble()->pos(), QPoint(1, 4));
        QCOMPARE(slider.valueBubble()->caption(), QStringLiteral("7"));
    }
};

MOUSECFG_TEST(TestQuorSlider)
#include "TestQuorSlider.moc"
