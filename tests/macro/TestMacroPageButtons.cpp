#include "tests/common/PointerInput.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"

#include "macro/QuorTreeWidget.h"

// MOUSE ACTION and the mouse-command tree act on a click, by mouse or by Space; a press
// that slides off before its release does nothing.
class TestMacroPageButtons : public QObject
{
    Q_OBJECT
private slots:
    void pressesActOnAClickOnly_data()
    {
        QTest::addColumn<QString>("way"); // click, slide (off before the release) or space
        QTest::addColumn<bool>("onTree"); // a tree entry instead of MOUSE ACTION
        QTest::addColumn<bool>("acted");
        QTest::newRow("MOUSE ACTION, Space") << "space" << false << true;
        QTest::newRow("MOUSE ACTION, slid off") << "slide" << false << false;
        QTest::newRow("tree entry, click") << "click" << true << true;
        QTest::newRow("tree entry, slid off") << "slide" << true << false;
    }
    void pressesActOnAClickOnly()
    {
        QFETCH(QString, way);
        QFETCH(bool, onTree);
        QFETCH(bool, acted);
        MacroFixture fx;
        auto page = shownPage();
        QuorPushButton *mouseAction = page->button(MacroDialog::MouseActionButton);
        QWidget *target = mouseAction;
        QPoint at(5, 5);
        if (onTree) {
            click(mouseAction);
            QuorTreeWidget *tree = page->commandTree();
            target = tree->viewport();
            at = tree->visualItemRect(tree->topLevelItem(0)).center();
            QTest::mouseClick(target, Qt::LeftButton, {}, at); // opens the entry
        }
        if (way == "space") {
            target->setFocus();
            tapNativeKey(page.get(), 57, Qt::Key_Space);
        } else {
            slideRelease(target, at, way == "click" ? at : QPoint(at.x(), target->height() + 40));
        }
        if (onTree)
            QCOMPARE(page->actionModel()->rowCount() > 0, acted);
        else
            QCOMPARE(page->commandTree()->isVisible(), acted);
        QCOMPARE(page->macroList()->isVisible(), !onTree && !acted);
        QCOMPARE(mouseAction->isSelected(), onTree || acted);
    }
};

MOUSECFG_TEST(TestMacroPageButtons)
#include "TestMacroPageButtons.moc"
