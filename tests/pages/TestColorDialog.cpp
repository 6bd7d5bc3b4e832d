#include "pages/DefaultColorArea.h"
#include "pages/HColorArea.h"
#include "pages/PreviewColorArea.h"
#include "pages/QuorColorArea.h"
#include "pages/SVColorArea.h"
#include "tests/common/TestMain.h"
#include "tests/pages/PageFixture.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>

namespace {
void sendMouse(QWidget *w, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &event);
}

void drag(QWidget *w, QPoint from, QPoint to)
{
    sendMouse(w, QEvent::MouseButtonPress, from);
    sendMouse(w, QEvent::MouseMove, to);
    sendMouse(w, QEvent::MouseButtonRelease, to);
}

QVector<int> rgbBoxes(QuorColorArea &dialog)
{
    return {dialog.box(3)->value(), dialog.box(4)->value(), dialog.box(5)->value()};
}
}

class TestColorDialog : public QObject
{
    Q_OBJECT
private slots:
    void aColourIsShownInEveryView()
    {
        PageFixture fx;
        QuorColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(0, 128, 255));
        QCOMPARE(rgbBoxes(dialog), QVector<int>({0, 128, 255}));
        QCOMPARE(dialog.hexEdit()->text(), QString("0080ff"));
        QCOMPARE(dialog.square()->saturation(), 127);
        QCOMPARE(dialog.square()->value(), 127);
        QCOMPARE(dialog.color(), QColor(0, 128, 255));
    }

    // Typed boxes, a preset and a drag in the square each give one exact RGB colour.
    void userEditsGiveAnRgbColour()
    {
        PageFixture fx;
        QuorColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(255, 0, 0));
        dialog.box(5)->selectAll();
        QTest::keyClicks(dialog.box(5), "200");
        QCOMPARE(dialog.color(), QColor(255, 0, 200));
        QCOMPARE(dialog.hexEdit()->text(), QString("ff00c8"));

        dialog.box(5)->setValue(0);
        QTest::mouseClick(dialog.preset(4), Qt::LeftButton);
        QCOMPARE(dialog.color(), QColor(255, 255, 0));

        drag(dialog.square(), QPoint(10, 100), QPoint(64, 64));
        const QColor dragged = dialog.color();
        QCOMPARE(dragged.spec(), QColor::Rgb);
        QCOMPARE(dragged, QColor::fromHsv(dialog.box(0)->value(), 128, 128).toRgb());
        QCOMPARE(rgbBoxes(dialog), QVector<int>({dragged.red(), dragged.green(), dragged.blue()}));
    }

    // The hue bar's picture is as tall as the bar at every scale, and a press picks
    // the hue painted under it.
    void hueBarPicksTheHueUnderTheCursor_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.5") << 2.5;
    }
    void hueBarPicksTheHueUnderTheCursor()
    {
        QFETCH(double, scale);
        PageFixture fx;
        setUiScale(scale);
        QuorColorArea dialog(nullptr, scale);
        HColorArea *bar = dialog.hueBar();
        const int h = bar->barHeight();
        QCOMPARE(h, int(128 * scale));
        const QImage picture = bar->grab().toImage();
        const int top = HColorArea::BarTop;
        const QVector<QPair<int, int>> presses{{top - 3, 360}, {top, 360}, {top + h / 2, 180}, {top + h, 0}, {top + h + 3, 0}};
        for (const auto &press : presses) {
            sendMouse(bar, QEvent::MouseButtonPress, QPoint(10, press.first));
            QCOMPARE(bar->hue(), press.second);
        }
        for (int y = top; y < top + h; y += h / 16) {
            sendMouse(bar, QEvent::MouseButtonPress, QPoint(10, y));
            const QColor painted = picture.pixelColor(10, y);
            QCOMPARE(painted.alpha(), 255);
            const int diff = qAbs(qMax(0, painted.hsvHue()) - bar->hue() % 360);
            QVERIFY2(qMin(diff, 360 - diff) <= 6, qPrintable(QString("y %1: %2 %3").arg(y).arg(painted.hsvHue()).arg(bar->hue())));
        }
    }

    // A grey has no hue: the areas stand at red, the preview keeps the grey.
    void greyStartColourUsesHueZero()
    {
        PageFixture fx;
        QuorColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(128, 128, 128));
        QCOMPARE(dialog.square()->hue(), 0);
        QCOMPARE(dialog.box(0)->value(), 0);
        QCOMPARE(dialog.color(), QColor(128, 128, 128));
        drag(dialog.square(), QPoint(0, 0), QPoint(128, 0));
        QCOMPARE(dialog.color(), QColor(255, 0, 0));
    }

    void typedHexText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("completed");
        QTest::newRow("short form") << "f80" << QColor(255, 136, 0) << "ff8800";
        QTest::newRow("one digit") << "1" << QColor(0, 0, 1) << "000001";
        QTest::newRow("five digits") << "fabcd" << QColor(15, 171, 205) << "0fabcd";
        QTest::newRow("not hex") << "+1" << QColor(0, 0, 0) << "0000+1";
        QTest::newRow("too long") << "12345678" << QColor(0, 0, 0) << "12345678";
    }
    void typedHexText()
    {
        QFETCH(QString, typed);
        QFETCH(QColor, color);
        QFETCH(QString, completed);
        PageFixture fx;
        QuorColorArea dialog(nullptr, 1.0);
        dialog.setColor(QColor(9, 9, 9));
        dialog.hexEdit()->clear();
        QTest::keyClicks(dialog.hexEdit(), typed);
        QCOMPARE(dialog.color(), color);
        QCOMPARE(rgbBoxes(dialog), QVector<int>({color.red(), color.green(), color.blue()}));
        QTest::keyClick(dialog.hexEdit(), Qt::Key_Return);
        QCOMPARE(dialog.hexEdit()->text(), completed);
        QCOMPARE(dialog.color(), color);
    }

    // Only the editors a user sees take the focus.
    void hiddenEditorsTakeNoFocus()
    {
        PageFixture fx;
        QuorColorArea dialog(nullptr, 1.0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QSet<QWidget *> reached;
        for (int i = 0; i < 12; ++i) {
            if (QWidget *w = QApplication::focusWidget())
                reached << w;
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &dialog, Qt::Key_Tab);
        }
        QVERIFY(!reached.isEmpty());
        for (QWidget *w : reached)
            QVERIFY2(!w->geometry().isEmpty() && w->geometry().width() > 1, qPrintable(w->metaObject()->className()));
        for (QWidget *hidden : {static_cast<QWidget *>(dialog.box(0)), static_cast<QWidget *>(dialog.box(1)),
                                static_cast<QWidget *>(dialog.box(2)), static_cast<QWidget *>(dialog.hexEdit())})
            QCOMPARE(hidden->focusPolicy(), Qt::NoFocus);
    }
};

MOUSECFG_TEST(TestColorDialog)
#include "TestColorDialog.moc"
