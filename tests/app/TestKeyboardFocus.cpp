#include "app/WindowScale.h"
#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "macro/MacroRows.h"
#include "macro/QuorGunEditDialog.h"
#include "macro/QuorGunsetDialog.h"
#include "macro/QuorTreeItem.h"
#include "pages/QuorColorArea.h"
#include "storage/Theme.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"

#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QTest>

#include <algorithm>

namespace {
void tab(QWidget *window, bool back = false)
{
    tapNativeKey(window, 15, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
}

// Whether stop b comes before stop a on screen, wholly above it or beside it on its left,
// judged by the widgets that hold them side by side in one parent.
bool comesFirst(QWidget *b, QWidget *a)
{
    for (QWidget *x = a; x; x = x->parentWidget())
        for (QWidget *y = b; y; y = y->parentWidget())
            if (x != y && x->parentWidget() == y->parentWidget()) {
                const QRect ra = x->geometry(), rb = y->geometry();
                return rb.bottom() < ra.top()
                       || (rb.top() <= ra.bottom() && ra.top() <= rb.bottom() && rb.right() < ra.left());
            }
    return false;
}

// The widget and its surround; of a field only the outer pixels, its cursor and selection aside.
QImage around(QWidget &window, QWidget *w)
{
    QImage image = window.grab(QRect(w->mapTo(&window, QPoint()), w->size()).adjusted(-3, -3, 3, 3)).toImage();
    if (w->inherits("QLineEdit") || w->inherits("QAbstractSpinBox"))
        QPainter(&image).fillRect(image.rect().adjusted(4, 4, -4, -4), Qt::black);
    return image;
}

// Whether the stop, focused from other (or from none), shows it; a skinned control, slider
// or field by the focus cue alone.
bool showsOneCue(QWidget &window, QWidget *stop, QWidget *other)
{
    other ? other->setFocus(Qt::TabFocusReason) : stop->clearFocus();
    const QImage elsewhere = around(window, stop);
    stop->setFocus(Qt::TabFocusReason);
    const QImage focused = around(window, stop);
    const bool cueOnly = stop->inherits("QAbstractButton") || stop->inherits("QAbstractSlider")
                         || stop->inherits("QLineEdit") || stop->inherits("QAbstractSpinBox");
    return focused != elsewhere && (!cueOnly || onlyFocusCueDiffers(elsewhere, focused));
}
}

// The keyboard runs through what the window shows, in screen order, and shows where it is.
class TestKeyboardFocus : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setLogicalDpiForTests(0); }

    // Every tab at every scale, the theme colours taken in turn.
    void tabFollowsTheScreen_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("theme");
        int row = 0;
        for (double scale : {1.0, 1.25, 1.5, 2.0})
            for (int page = 0; page < MousecfgWidget::TabCount; ++page, ++row)
                QTest::addRow("tab %d at %.2f", page, scale) << page << scale << row % ThemeColorCount;
    }
    void tabFollowsTheScreen()
    {
        QFETCH(int, page);
        QFETCH(double, scale);
        QFETCH(int, theme);
        WindowFixture fixture;
        writeThemeColorId(theme);
        setLogicalDpiForTests(96 * scale);
        MousecfgWidget &window = fixture.open();
        QCOMPARE(window.scale(), scale);
        MousecfgWidgetProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The focus starts on the current tab; Tab goes down the tabs, Space opens one.
        QCOMPARE(QApplication::focusWidget(), probe.button(0));
        for (int i = 0; i < page; ++i)
            tab(&window);
        QCOMPARE(QApplication::focusWidget(), probe.button(page));
        tapNativeKey(&window, 57, Qt::Key_Space);
        QVERIFY(probe.button(page)->isSelected());

        QList<QWidget *> ring;
        do {
            tab(&window);
            ring << QApplication::focusWidget();
        } while (ring.last() != probe.button(page) && ring.size() < 150);
        QCOMPARE(ring.last(), probe.button(page));
        for (int i = ring.size() - 2; i >= 0; --i) {
            tab(&window, true);
            QCOMPARE(QApplication::focusWidget(), ring[i]);
        }
        // Read from a stop that nothing comes before, the ring keeps to the screen; every
        // stop can be seen, and shows that it has the focus: a skinned control by the
        // focus cue alone, not by a look of its own such as the selected tab's.
        std::rotate(ring.begin(), std::find_if(ring.begin(), ring.end(), [&](QWidget *a) {
            return std::none_of(ring.begin(), ring.end(), [a](QWidget *b) { return comesFirst(b, a); });
        }), ring.end());
        for (int i = 0; i < ring.size(); ++i) {
            QWidget *stop = ring[i];
            const char *name = stop->metaObject()->className();
            for (int j = i + 1; j < ring.size(); ++j)
                QVERIFY2(!comesFirst(ring[j], stop), qPrintable(QString("%1 %2 after %3").arg(name).arg(i).arg(j)));
            QVERIFY2(!stop->visibleRegion().isEmpty(), name);
            QVERIFY2(window.rect().contains(QRect(stop->mapTo(&window, QPoint()), stop->size())), name);
            QVERIFY2(showsOneCue(window, stop, ring[(i + 1) % ring.size()]), name);
        }
    }

    // The boxes of the dialogs and of the macro page's move entries show the focus cue,
    // and it alone.
    void dialogBoxesShowOneCue()
    {
        SkinFixture fx;
        QuorColorArea colour(nullptr, 1.0);
        QuorGunsetDialog set(nullptr, 1.0, Qt::FramelessWindowHint);
        QuorGunEditDialog edit(MoveUp, 10, nullptr, 1.0, Qt::FramelessWindowHint);
        QuorFireKeyWindow fire;
        QuorMacroSelect select(QString(), "MACRO SELECT", "m", 5, 0);
        const std::pair<QDialog *, QList<QWidget *>> dialogs[] = {
            {&colour, {colour.box(3), colour.box(4), colour.box(5)}},
            {&set, {set.nameField(), set.delayBox(0), set.yBox(4), set.xBox(2)}},
            {&edit, {edit.distanceBox()}},
            {&fire, {fire.timesEdit(), fire.delayEdit()}},
            {&select, {select.countEdit()}}};
        for (const auto &[dialog, boxes] : dialogs) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            for (QWidget *box : boxes)
                QVERIFY2(showsOneCue(*dialog, box, nullptr), dialog->metaObject()->className());
            dialog->hide();
        }
        WindowFixture window;
        MousecfgWidget &shown = window.open();
        MousecfgWidgetProbe probe(shown);
        shown.show();
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        probe.button(MousecfgWidget::MacroTab)->click();
        probe.macroPage()->button(MacroDialog::MouseActionButton)->click();
        for (int direction : {MoveLeft, MoveDown})
            QVERIFY(showsOneCue(shown, probe.macroPage()->moveEntry(direction)->distanceEdit(), nullptr));
    }
};

MOUSECFG_TEST(TestKeyboardFocus)
#include "TestKeyboardFocus.moc"
