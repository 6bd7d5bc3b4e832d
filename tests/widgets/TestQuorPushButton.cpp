#include "storage/Theme.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorPushButton.h"

#include "tests/common/ModalRunner.h"
#include "tests/common/PointerInput.h"

#include <QCursor>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace {
const QColor Red(255, 0, 0);
const QColor Green(0, 255, 0);
const QColor Blue(0, 0, 255);

void sendEnter(QWidget &w)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &event);
}

void sendLeave(QWidget &w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &event);
}

// Colour in the middle of the picture area, away from the caption.
QColor shownColor(QuorPushButton &button)
{
    return renderOver(button).pixelColor(1, 1);
}
}

class TestQuorPushButton : public QObject
{
    Q_OBJECT
    SkinFixture *m_skin = nullptr;

    QStringList threeStates() const
    {
        return {m_skin->skin("n.png"), m_skin->skin("h.png"), m_skin->skin("p.png")};
    }

private slots:
    void init()
    {
        m_skin = new SkinFixture;
        m_skin->writeSkin("n.png", Red);
        m_skin->writeSkin("h.png", Green);
        m_skin->writeSkin("p.png", Blue);
        m_skin->writeSkin("halves.png", Red, QSize(40, 20), Green);
    }
    void cleanup()
    {
        QuorPushButton::setCaptionFitFirst(false);
        delete m_skin;
    }

    void pointerDrivesStatesAndSignals()
    {
        QuorPushButton button(threeStates());
        button.resize(80, 30);
        QSignalSpy over(&button, &QuorPushButton::OverSignal);
        QSignalSpy enter(&button, &QuorPushButton::EnterSignal);
        QSignalSpy clicked(&button, &QPushButton::clicked);

        // The normal picture is drawn at 200/255 opacity.
        QCOMPARE(shownColor(button), QColor(200, 0, 0));
        sendEnter(button);
        QCOMPARE(over.count(), 1);
        QCOMPARE(over.last().at(1).toBool(), true);
        QCOMPARE(shownColor(button), Green);

        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(enter.count(), 1);
        QVERIFY(!button.isSelected());
        QCOMPARE(shownColor(button), Blue);
        QCOMPARE(clicked.count(), 0);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(shownColor(button), Green);

        // The leave after a press reports nothing; the next one does.
        sendLeave(button);
        QCOMPARE(over.count(), 1);
        QCOMPARE(shownColor(button), QColor(200, 0, 0));
        sendEnter(button);
        sendLeave(button);
        QCOMPARE(over.count(), 3);
        QCOMPARE(over.last().at(1).toBool(), false);
    }

    // The menu takes the release and the leave: once it is closed the button shows
    // whether the pointer is over it.
    void menuClosedWhereThePointerIs_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("away") << QPoint(300, 300) << QColor(200, 0, 0);
        QTest::newRow("over the button") << QPoint(10, 10) << Green;
    }
    void menuClosedWhereThePointerIs()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QColor, shown);
        QuorPushButton button(threeStates());
        button.resize(80, 30);
        QMenu menu;
        menu.addAction(QStringLiteral("entry"));
        button.setMenu(&menu);
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        sendEnter(button);
        QVERIFY(runModal([&] { QTest::mousePress(&button, Qt::LeftButton); },
                         [&](QWidget *popup) {
                             QCursor::setPos(button.mapToGlobal(pointer));
                             popup->close();
                         }));
        QCOMPARE(shownColor(button), shown);
    }

    void selectableKeepsSelectedLook()
    {
        QuorPushButton button(threeStates());
        button.resize(80, 30);
        button.setSelectable(true);
        sendEnter(button);
        QTest::mouseClick(&button, Qt::LeftButton);
        sendLeave(button);
        QVERIFY(button.isSelected());
        QCOMPARE(shownColor(button), Green);
        // The press shows itself; the click that ends it takes the selection away.
        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.isSelected());
        QCOMPARE(shownColor(button), Blue);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QVERIFY(!button.isSelected());
        sendLeave(button);
        QCOMPARE(shownColor(button), QColor(200, 0, 0));
        button.setSelected(true);
        QCOMPARE(shownColor(button), Green);
    }

    // Only a click changes the selection, by mouse or by keyboard; a press that ends
    // away from the button clicks nothing. A held Space shows the pressed look.
    void selectionChangesOnlyOnAClick_data()
    {
        QTest::addColumn<bool>("selectable");
        QTest::addColumn<QString>("way"); // click, outside (released away from it) or Space
        for (bool selectable : {true, false}) {
            for (const char *way : {"click", "outside", "Space"})
                QTest::addRow("%s, %s", selectable ? "selectable" : "plain", way) << selectable << QString(way);
        }
    }
    void selectionChangesOnlyOnAClick()
    {
        QFETCH(bool, selectable);
        QFETCH(QString, way);
        QuorPushButton button(threeStates());
        button.resize(80, 30);
        button.setSelectable(selectable);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        if (way == "Space") {
            QTest::keyPress(&button, Qt::Key_Space);
            QCOMPARE(shownColor(button), Blue);
            QTest::keyRelease(&button, Qt::Key_Space);
        } else {
            slideRelease(&button, QPoint(10, 10), QPoint(way == "click" ? 10 : 120, 10));
        }
        const bool selected = selectable && way != "outside";
        QCOMPARE(button.isSelected(), selected);
        QCOMPARE(clicked.count(), way == "outside" ? 0 : 1);
        sendLeave(button);
        QCOMPARE(shownColor(button), selected ? Green : QColor(200, 0, 0));
    }

    // The keyboard focus shows as the focus cue alone, never as the hover or the selected
    // look, on plain, glowing and round glowing buttons at each scale and theme colour.
    void focusIsSeenAsFocusOnly_data() { addScaleAndThemeRows(); }
    void focusIsSeenAsFocusOnly()
    {
        QFETCH(double, scale);
        QFETCH(int, theme);
        writeThemeColorId(theme);
        setUiScale(scale);
        for (int kind = 0; kind < 3; ++kind) {
            QuorPushButton button(threeStates());
            button.resize(scaledPixels(80, scale), scaledPixels(30, scale));
            button.setGlowMode(kind > 0);
            button.setGlowEllipse(kind == 2);
            button.show();
            QVERIFY(QTest::qWaitForWindowActive(&button));
            button.clearFocus();
            const QImage normal = renderOver(button);
            sendEnter(button);
            const QImage hover = renderOver(button);
            sendLeave(button);
            button.setSelected(true);
            const QImage selected = renderOver(button);
            button.setFocus();
            QVERIFY(onlyFocusCueDiffers(selected, renderOver(button)));
            button.setSelected(false);
            const QImage focused = renderOver(button);
            QVERIFY(focused != hover && focused != selected && focused != normal);
            QVERIFY(onlyFocusCueDiffers(normal, focused));
        }
    }

    void disabledButtonOnlyReportsOver()
    {
        QuorPushButton button(threeStates());
        button.resize(80, 30);
        button.setButtonEnabled(false);
        QVERIFY(!button.isEnabled());
        QSignalSpy over(&button, &QuorPushButton::OverSignal);
        QSignalSpy enter(&button, &QuorPushButton::EnterSignal);
        QSignalSpy clicked(&button, &QPushButton::clicked);
        sendEnter(button);
        QTest::mouseClick(&button, Qt::LeftButton);
        sendLeave(button);
        QCOMPARE(over.count(), 2);
        QCOMPARE(enter.count(), 0);
        QCOMPARE(clicked.count(), 0);
        QVERIFY(!button.isSelected());
        QCOMPARE(shownColor(button), QColor(200, 0, 0));
    }

    void fewerPicturesThanStates()
    {
        // One picture: hover and press keep state 0; selected shows the last picture.
        QuorPushButton one({m_skin->skin("h.png")});
        one.resize(40, 20);
        sendEnter(one);
        QTest::mousePress(&one, Qt::LeftButton);
        QCOMPARE(shownColor(one), QColor(0, 200, 0));
        one.setSelected(true);
        QCOMPARE(shownColor(one), QColor(0, 200, 0));

        // Two pictures: a press leaves the state, the release shows the hover picture.
        QuorPushButton two({m_skin->skin("n.png"), m_skin->skin("h.png")});
        two.resize(40, 20);
        QTest::mousePress(&two, Qt::LeftButton);
        QCOMPARE(shownColor(two), QColor(200, 0, 0));
        QTest::mouseRelease(&two, Qt::LeftButton);
        QCOMPARE(shownColor(two), Green);
        two.setSelected(true);
        two.setSelected(false);
        QTest::mousePress(&two, Qt::LeftButton);
        QTest::mouseRelease(&two, Qt::LeftButton);
        QCOMPARE(shownColor(two), Green);

        // No picture at all, or a missing file: nothing is drawn.
        QuorPushButton none(QStringList{});
        none.resize(40, 20);
        none.setSelected(true);
        QCOMPARE(shownColor(none), QColor(Qt::black));
        QuorPushButton missing({m_skin->skin("absent.png")});
        missing.resize(40, 20);
        QTest::mouseClick(&missing, Qt::LeftButton);
        QCOMPARE(shownColor(missing), QColor(Qt::black));
    }

    void partialRepaintKeepsThePictureInPlace()
    {
        QuorPushButton button({m_skin->skin("halves.png")});
        button.resize(80, 20);
        const QImage half = renderOver(button, Qt::black, QRegion(0, 0, 40, 20));
        // The picture's left half lies under the left half of the button, not squashed into it.
        QCOMPARE(half.pixelColor(37, 2), QColor(200, 0, 0));
        QCOMPARE(half.pixelColor(60, 2), QColor(Qt::black));
        QCOMPARE(renderOver(button).pixelColor(60, 2), QColor(0, 200, 0));
    }

    void captionFollowsScaleAndMargins_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("2.0") << 2.0;
    }
    void captionFollowsScaleAndMargins()
    {
        QFETCH(double, scale);
        setUiScale(scale);
        QuorPushButton button(QStringList{});
        button.resize(200, 60);
        button.setCaption(QStringLiteral("DPI"));
        QCOMPARE(button.toolTip(), QStringLiteral("DPI"));
        const QRect ink = inkBox(renderOver(button));
        QVERIFY(qAbs(ink.center().x() - 100) <= 2);
        QVERIFY(qAbs(ink.center().y() - 30) <= 2);
        // Cap height of a 12-pixel font is about 9 pixels; it scales with the factor.
        QVERIFY2(ink.height() >= 7 * scale && ink.height() <= 11 * scale, qPrintable(QString::number(ink.height())));

        button.setCaption(QString(60, QChar('W')));
        const QRect longInk = inkBox(renderOver(button));
        QVERIFY(longInk.left() >= 3);
        QVERIFY(longInk.right() <= 200 - 4);

        QuorPushButton::setCaptionFitFirst(true);
        const QRect altInk = inkBox(renderOver(button));
        QVERIFY(altInk.left() >= 10);
        QVERIFY(altInk.right() <= 200 - 11);
    }

    void badgeDrawnAtTheLeft()
    {
        QuorPushButton button(QStringList{});
        button.resize(200, 40);
        button.setCaption(QStringLiteral("DPI"));
        const QRect captionOnly = inkBox(renderOver(button));
        button.setNumberBadge(254);
        const QRect withBadge = inkBox(renderOver(button));
        QVERIFY(withBadge.left() < captionOnly.left() - 50);
        QCOMPARE(withBadge.right(), captionOnly.right());
    }

    void verticalCaptionIsTurned()
    {
        QuorPushButton button(QStringList{});
        button.resize(30, 200);
        button.setVerticalText(true);
        button.setCaption(QStringLiteral("LIGHTING"));
        const QRect ink = inkBox(renderOver(button));
        QVERIFY(ink.height() > ink.width() * 2);
    }

    void glowTakesTheThemeColour()
    {
        m_skin->writeSkin("grey.png", QColor(100, 100, 100), QSize(80, 40));
        QuorPushButton button({m_skin->skin("grey.png"), m_skin->skin("h.png")});
        button.resize(80, 40);
        button.setGlowMode(true);
        sendEnter(button);
        const QColor glow = renderOver(button).pixelColor(60, 30);
        const QColor theme = themeColor();
        // The overlay pulls the picture's colour toward the theme colour.
        QVERIFY(glow != QColor(80, 80, 80));
        QCOMPARE(glow.red() > 80, theme.red() > 100);
        QCOMPARE(glow.blue() > 80, theme.blue() > 100);
    }

    void sizeHintIsThePictureSize()
    {
        QuorPushButton button(threeStates());
        QCOMPARE(button.sizeHint(), QSize(40, 20));
        m_skin->writeSkin("icon.png", Red, QSize(33, 17));
        QuorPushButton withIcon(threeStates(), nullptr, m_skin->skin("icon.png"));
        QCOMPARE(withIcon.sizeHint(), QSize(33, 17));
    }
};

MOUSECFG_TEST(TestQuorPushButton)
#include "TestQuorPushButton.moc"
