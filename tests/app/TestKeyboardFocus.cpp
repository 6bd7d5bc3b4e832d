#include "tests/app/WindowFixture.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/TestMain.h"

#include <QTest>

#include <algorithm>
#include <utility>

namespace {
constexpr int TabKey = 15;
constexpr int SpaceKey = 57;

void tab(MousecfgWidget &window, bool back = false)
{
    sendNativeKey(&window, QEvent::KeyPress, TabKey, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
    sendNativeKey(&window, QEvent::KeyRelease, TabKey, back ? Qt::Key_Backtab : Qt::Key_Tab,
                  back ? Qt::ShiftModifier : Qt::NoModifier);
}

// The rectangles of a and b, or of their ancestors, that lie side by side in one parent.
std::pair<QRect, QRect> siblingRects(QWidget *a, QWidget *b)
{
    for (QWidget *x = a; x; x = x->parentWidget()) {
        for (QWidget *y = b; y; y = y->parentWidget()) {
            if (x != y && x->parentWidget() == y->parentWidget())
                return {x->geometry(), y->geometry()};
        }
    }
    return {};
}

// Whether stop b comes before stop a on screen: wholly above it, or beside it and on its left.
bool comesFirst(QWidget *b, QWidget *a)
{
    const std::pair<QRect, QRect> r = siblingRects(a, b);
    if (r.first.isNull())
        return false;
    const bool beside = r.second.top() <= r.first.bottom() && r.first.top() <= r.second.bottom();
    return r.second.bottom() < r.first.top() || (beside && r.second.right() < r.first.left());
}

QImage around(MousecfgWidget &window, QWidget *w)
{
    return window.grab(QRect(w->mapTo(&window, QPoint()), w->size()).adjusted(-3, -3, 3, 3)).toImage();
}
}

// The keyboard runs through what the window shows, in screen order, and shows where it is.
class TestKeyboardFocus : public QObject
{
    Q_OBJECT
private slots:
    void tabFollowsTheScreen_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("tree");
        QTest::newRow("lighting") << 0 << false;
        QTest::newRow("buttons") << 1 << false;
        QTest::newRow("dpi") << 2 << false;
        QTest::newRow("macro") << 3 << false;
        QTest::newRow("macro, mouse actions") << 3 << true;
    }
    void tabFollowsTheScreen()
    {
        QFETCH(int, page);
        QFETCH(bool, tree);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The focus starts on the current tab; Tab goes down the tabs, Space opens one.
        QCOMPARE(QApplication::focusWidget(), probe.button(0));
        for (int i = 0; i < page; ++i)
            tab(window);
        QCOMPARE(QApplication::focusWidget(), probe.button(page));
        tapNativeKey(&window, SpaceKey, Qt::Key_Space);
        QVERIFY(probe.button(page)->isSelected());
        if (tree) {
            QTest::mouseClick(probe.macroPage()->button(MacroDialog::MouseActionButton), Qt::LeftButton);
            probe.button(page)->setFocus();
        }

        QList<QWidget *> stops;
        do {
            tab(window);
            stops << QApplication::focusWidget();
        } while (stops.last() != probe.button(page) && stops.size() < 150);
        QCOMPARE(stops.last(), probe.button(page));
        // The chain is a ring: read from a stop that nothing comes before, it keeps to the screen.
        QList<QWidget *> ring = stops;
        const auto top = std::find_if(ring.begin(), ring.end(), [&](QWidget *a) {
            return std::none_of(ring.begin(), ring.end(), [a](QWidget *b) { return comesFirst(b, a); });
        });
        std::rotate(ring.begin(), top, ring.end());
        for (int i = 0; i < ring.size(); ++i) {
            QWidget *stop = ring[i];
            const char *name = stop->metaObject()->className();
            QVERIFY2(!stop->visibleRegion().isEmpty(), name);
            QVERIFY2(window.rect().contains(QRect(stop->mapTo(&window, QPoint()), stop->size())), name);
            for (int j = i + 1; j < ring.size(); ++j)
                QVERIFY2(!comesFirst(ring[j], stop), qPrintable(QString("%1 %2 after %3").arg(i).arg(name).arg(j)));
        }
        // Backtab runs the same way back.
        for (int i = stops.size() - 2; i >= 0; --i) {
            tab(window, true);
            QCOMPARE(QApplication::focusWidget(), stops[i]);
        }
        // Every stop shows that it has the focus.
        for (QWidget *stop : stops) {
            (stop == stops.first() ? stops.last() : stops.first())->setFocus(Qt::TabFocusReason);
            const QImage elsewhere = around(window, stop);
            stop->setFocus(Qt::TabFocusReason);
            QVERIFY2(around(window, stop) != elsewhere, stop->metaObject()->className());
        }
    }
};

MOUSECFG_TEST(TestKeyboardFocus)
#include "TestKeyboardFocus.moc"
