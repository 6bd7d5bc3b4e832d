#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSlider.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>

namespace {
void dragTo(QuorSlider &slider, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, slider.mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&slider, &move);
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
