#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"

#include <QSignalSpy>
#include <QTest>

namespace {
class PressCounter : public QWidget
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

QPalette whiteText()
{
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}
}

class TestQuorLabel : public QObject
{
    Q_OBJECT
private slots:
    void fontSizeRules_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("override");
        QTest::addColumn<int>("shrink");
        QTest::addColumn<int>("pixels");
        QTest::newRow("configured") << 1.0 << 0 << 0 << 12;
        QTest::newRow("shrink 2 at 1.25") << 1.25 << 0 << 2 << 12;
        QTest::newRow("override 20 shrink 4 at 2.0") << 2.0 << 20 << 4 << 32;
        QTest::newRow("override 20 shrink 4 at 1.75") << 1.75 << 20 << 4 << 28;
        QTest::newRow("shrink past zero") << 1.0 << 0 << 15 << QFont().pixelSize();
    }
    void fontSizeRules()
    {
        QFETCH(double, scale);
        QFETCH(int, override);
        QFETCH(int, shrink);
        QFETCH(int, pixels);
        SkinFixture skin(12);
        setUiScale(scale);
        QuorLabel label(QStringLiteral("800"));
        if (override)
            label.setFontSizeOverride(override);
        if (shrink)
            label.setFontShrink(shrink);
        QCOMPARE(label.paintFont().pixelSize(), pixels);
    }

    void paintsItsOwnTextAtEveryScale_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.5") << 2.5;
    }
    void paintsItsOwnTextAtEveryScale()
    {
        QFETCH(double, scale);
        SkinFixture skin(12);
        setUiScale(scale);
        QuorLabel label(QStringLiteral("HELLO"));
        label.setPalette(whiteText());
        label.resize(300, 100);
        const QImage before = renderOver(label);
        const QRect ink = inkBox(before);
        QVERIFY(ink.left() < 3);
        QVERIFY(qAbs(ink.center().y() - 50) <= 2);
        QVERIFY(ink.height() >= 7 * scale && ink.height() <= 11 * scale);

        // The base label's text is never drawn.
        label.setText(QStringLiteral("SOMETHING ELSE"));
        QCOMPARE(renderOver(label), before);

        label.setTextAlignment(Qt::AlignCenter);
        QVERIFY(qAbs(inkBox(renderOver(label)).center().x() - 150) <= 2);
        label.setNumber(42);
        QCOMPARE(label.caption(), QStringLiteral("42"));
    }

    void wrapsLongTexts()
    {
        SkinFixture skin(12);
        QuorLabel label(QStringLiteral("Send data failed, please try again."));
        label.setPalette(whiteText());
        label.resize(90, 100);
        const int oneLine = inkBox(renderOver(label)).height();
        label.setTextWrap(true);
        QVERIFY(inkBox(renderOver(label)).height() > 2 * oneLine);
    }

    void filledWhateverTheArgument()
    {
        SkinFixture skin;
        QuorLabel label;
        label.resize(20, 20);
        label.setFilled(0);
        QCOMPARE(renderOver(label).pixelColor(10, 10), QColor(30, 30, 30));
    }

    void pressStaysWithTheLabel()
    {
        SkinFixture skin;
        PressCounter parent;
        auto *label = new QuorLabel(QStringLiteral("x"), &parent);
        label->resize(20, 20);
        QSignalSpy spy(label, &QuorLabel::EnterSignal);
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().value<QuorLabel *>(), label);
        QCOMPARE(parent.presses, 0);
    }
};

MOUSECFG_TEST(TestQuorLabel)
#include "TestQuorLabel.moc"
