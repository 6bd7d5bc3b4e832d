#include "tests/common/PointerInput.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"

#include "macro/QuorTreeWidget.h"

// MOUSE ACTION swaps the macro list for the mouse-command tree on a click, by mouse
// or by Space; a press that ends away from it changes nothing.
class TestMacroPageButtons : public QObject
{
    Q_OBJECT
private slots:
    void mouseActionFollowsClicksOnly_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("tree");
        QTest::newRow("click") << "click" << true;
        QTest::newRow("released outside") << "outside" << false;
        QTest::newRow("Space") << "space" << true;
        QTest::newRow("Space twice") << "space space" << false;
    }
    void mouseActionFollowsClicksOnly()
    {
        QFETCH(QString, way);
        QFETCH(bool, tree);
        MacroFixture fx;
        auto page = shownPage();
        QuorPushButton *button = page->button(MacroDialog::MouseActionButton);
        for (const QString &step : way.split(' ')) {
            if (step == "click") {
                click(button);
            } else if (step == "outside") {
                slideRelease(button, QPoint(5, 5), QPoint(button->width() / 2, button->height() + 40));
            } else {
                button->setFocus();
                tapNativeKey(page.get(), 57, Qt::Key_Space);
            }
        }
        QCOMPARE(button->isSelected(), tree);
        QCOMPARE(page->commandTree()->isVisible(), tree);
        QCOMPARE(page->macroList()->isVisible(), !tree);
    }

    // A tree entry inserts its rows on a click; a press that slides off inserts nothing.
    void treeEntryInsertsOnAClickOnly_data()
    {
        QTest::addColumn<bool>("slideOff");
        QTest::newRow("click") << false;
        QTest::newRow("slid off") << true;
    }
    void treeEntryInsertsOnAClickOnly()
    {
        QFETCH(bool, slideOff);
        MacroFixture fx;
        auto page = shownPage();
        click(page->button(MacroDialog::MouseActionButton));
        QuorTreeWidget *tree = page->commandTree();
        const QPoint entry = tree->visualItemRect(tree->topLevelItem(0)).center();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, entry); // opens the entry
        if (slideOff)
            slideRelease(tree->viewport(), entry, QPoint(entry.x(), tree->viewport()->height() + 40));
        else
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, entry);
        QCOMPARE(page->actionModel()->rowCount() > 0, !slideOff);
    }
};

MOUSECFG_TEST(TestMacroPageButtons)
#include "TestMacroPageButtons.moc"
