#include "macro/MacroDialog.h"
#include "macro/MacroRows.h"
#include "macro/QuorMacroItemDelegate.h"
#include "macro/QuorTreeItem.h"
#include "macro/QuorTreeWidget.h"
#include "tests/common/PointerInput.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"

#include <QLineEdit>

namespace {
const QString FiveKeys = "132/0/4 132/0/5 132/0/6 132/0/7 132/0/8";

// Each row's three cells as the table paints them, "|" between cells.
QStringList shownTexts(MacroDialog &page)
{
    QStringList texts;
    for (int r = 0; r < page.actionModel()->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 3; ++c)
            cells << QuorMacroItemDelegate::cellText(page.actionModel()->index(r, c));
        texts << cells.join('|');
    }
    return texts;
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}
}

class TestMacroTable : public QObject
{
    Q_OBJECT
private slots:
    // In edit mode a row's editor changes its one byte; choosing rows changes nothing.
    void editingChangesOnlyTheEditedRow_data()
    {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("edited");
        QTest::newRow("key press") << "132/0/4" << "key:48" << "132/0/5";
        QTest::newRow("key release") << "4/0/4" << "key:105" << "4/0/80";
        QTest::newRow("mouse button") << "129/0/1" << "menu:RIGHT CLICK" << "129/0/2";
        QTest::newRow("direction") << "2/0/251" << "direction:MOVE UP" << "2/251/0";
        QTest::newRow("distance") << "2/0/251" << "distance:7" << "2/0/249";
        QTest::newRow("distance cleared, held to 1") << "2/0/251" << "distance:" << "2/0/255";
        QTest::newRow("delay") << "6/0/25" << "delay:1500" << "6/0/150";
        QTest::newRow("long delay kept") << "6/46/224" << "" << "6/46/224";
        QTest::newRow("longest delay") << "6/0/25" << "delay:655350" << "6/255/255";
        QTest::newRow("cancel restores") << "6/0/25" << "delay:990 cancel" << "6/0/25";
    }
    void editingChangesOnlyTheEditedRow()
    {
        QFETCH(QString, row);
        QFETCH(QString, edit);
        QFETCH(QString, edited);
        MacroFixture fx;
        // The releases of every press here, the edited ones too: SAVE adds none.
        const QString around = "6/0/3 %1 132/0/9 4/0/9 4/0/5 1/0/2";
        MacroFixture::writeMacro("m", around.arg(row));
        auto page = shownPage();
        clickRow(*page, 0);
        click(page->button(MacroDialog::EditButton));
        QVERIFY(page->isKeyEditing());
        clickRow(*page, 1);
        clickRow(*page, 2);
        clickRow(*page, 1);
        QCOMPARE(rowsText(page->actionRows()), around.arg(row));
        if (row == "6/46/224")
            QCOMPARE(page->delayEditor()->text(), QString("120000"));

        const bool cancel = edit.endsWith(" cancel");
        const QString kind = edit.section(':', 0, 0);
        const QString value = QString(edit).remove(" cancel").section(':', 1);
        if (kind == "key")
            play(page.get(), value + "+ " + value + "-");
        else if (kind == "menu")
            QVERIFY(pickMenuEntry(page->button(MacroDialog::MouseEditorButton), value));
        else if (kind == "direction")
            QVERIFY(pickMenuEntry(page->button(MacroDialog::DirectionEditorButton), value));
        else if (kind == "distance")
            typeInto(page->distanceEditor(), value);
        else if (kind == "delay")
            typeInto(page->delayEditor(), value);
        click(page->button(cancel ? MacroDialog::CancelButton : MacroDialog::SaveButton));
        QVERIFY(!page->isKeyEditing());
        QVERIFY(!page->hasHook());
        QCOMPARE(rowsText(readMacroFile("m").rows), around.arg(edited));
        QCOMPARE(rowsText(page->actionRows()), around.arg(edited));
    }

    // The row buttons and the mouse-command tree, clicked as a user does.
    void tableCommands_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("after");
        QTest::newRow("top of row 0") << 0 << 0 << "top" << FiveKeys << 0;
        QTest::newRow("top") << 3 << 0 << "top" << "132/0/7 132/0/4 132/0/5 132/0/6 132/0/8" << 0;
        QTest::newRow("bottom") << 1 << 0 << "bottom" << "132/0/4 132/0/6 132/0/7 132/0/8 132/0/5" << 4;
        QTest::newRow("up") << 2 << 0 << "up" << "132/0/4 132/0/6 132/0/5 132/0/7 132/0/8" << 1;
        QTest::newRow("down of the last") << 4 << 0 << "down" << FiveKeys << 4;
        QTest::newRow("delete the last") << 4 << 0 << "delete" << "132/0/4 132/0/5 132/0/6 132/0/7" << 3;
        QTest::newRow("delete the middle") << 2 << 0 << "delete" << "132/0/4 132/0/5 132/0/7 132/0/8" << 2;
        QTest::newRow("clear") << 2 << 0 << "clear" << "" << -1;
        QTest::newRow("insert delay") << 1 << 0 << "delay" << "132/0/4 132/0/5 6/0/1 132/0/6 132/0/7 132/0/8" << 2;
        QTest::newRow("left click twice")
            << 3 << 1 << "tree:0" << "132/0/4 132/0/5 132/0/6 132/0/7 129/0/1 6/0/1 1/0/1 6/0/1 132/0/8" << 7;
        QTest::newRow("right button released")
            << 0 << 0 << "tree:2/1" << "132/0/4 1/0/2 132/0/5 132/0/6 132/0/7 132/0/8" << 1;
        QTest::newRow("move right by 7")
            << 4 << 2 << "move:1:7" << "132/0/4 132/0/5 132/0/6 132/0/7 132/0/8 2/0/7 6/0/3" << 6;
    }
    void tableCommands()
    {
        QFETCH(int, current);
        QFETCH(int, delayType);
        QFETCH(QString, command);
        QFETCH(QString, rows);
        QFETCH(int, after);
        MacroFixture fx;
        MacroFixture::writeMacro("m", FiveKeys, delayType);
        auto page = shownPage();
        page->defaultDelayEdit()->setText("30");
        clickRow(*page, current);
        const QStringList c = command.split(':');
        const std::pair<const char *, MacroDialog::PageButton> buttons[] = {
            {"top", MacroDialog::TopButton}, {"bottom", MacroDialog::BottomButton},
            {"up", MacroDialog::MoveUpButton}, {"down", MacroDialog::MoveDownButton},
            {"delete", MacroDialog::DeleteRowButton}, {"clear", MacroDialog::ClearButton},
            {"delay", MacroDialog::InsertDelayButton}};
        for (const auto &b : buttons) {
            if (c[0] == b.first)
                click(page->button(b.second));
        }
        if (c[0] == "tree" || c[0] == "move")
            click(page->button(MacroDialog::MouseActionButton));
        QuorTreeWidget *tree = page->commandTree();
        if (c[0] == "tree") {
            const QStringList path = c[1].split('/');
            QTreeWidgetItem *item = tree->topLevelItem(path[0].toInt());
            const auto press = [tree](QTreeWidgetItem *i) {
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(i).center());
            };
            press(item); // opens it
            press(path.size() > 1 ? item->child(path[1].toInt()) : item);
        }
        if (c[0] == "move") {
            QuorTreeItem *entry = page->moveEntry(c[1].toInt());
            typeInto(entry->distanceEdit(), c[2]);
            click(entry);
        }
        QCOMPARE(rowsText(page->actionRows()), rows);
        QCOMPARE(page->currentRow(), after);
    }

    // MOUSE ACTION and the tree's entries act on a click, by mouse or by Space; a press
    // that slides off before its release does nothing.
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
        QuorTreeWidget *tree = page->commandTree();
        QWidget *target = onTree ? tree->viewport() : mouseAction;
        QPoint at(5, 5);
        if (onTree) {
            click(mouseAction);
            at = tree->visualItemRect(tree->topLevelItem(0)).center();
            QTest::mouseClick(target, Qt::LeftButton, {}, at); // opens the entry
        }
        if (way == "space") {
            target->setFocus();
            tapNativeKey(page.get(), 57, Qt::Key_Space);
        } else {
            slideRelease(target, at, way == "click" ? at : QPoint(at.x(), target->height() + 40));
        }
        QCOMPARE(onTree ? page->actionModel()->rowCount() > 0 : tree->isVisible(), acted);
        QCOMPARE(page->macroList()->isVisible(), !onTree && !acted);
        QCOMPARE(mouseAction->isSelected(), onTree || acted);
    }

    // Moves and delays take no part; presses and releases pair by kind and code. Left
    // unreleased, each gets its release at the end, the last pressed first; where the
    // mouse could not hold them, the last such presses go instead.
    void pressReleaseCheck_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<bool>("released");
        QTest::addColumn<QString>("closed"); // the rows once nothing is left held
        const QString pairs = QString(" 132/0/4 4/0/4").repeated(19), more = QString(" 129/0/1 1/0/1").repeated(11);
        QTest::newRow("empty") << "" << true << "";
        QTest::newRow("key and button") << "132/0/4 129/0/1 6/0/5 1/0/1 4/0/4" << true
                                        << "132/0/4 129/0/1 6/0/5 1/0/1 4/0/4";
        QTest::newRow("pressed twice") << "132/0/4 132/0/4 4/0/4" << false << "132/0/4 132/0/4 4/0/4 4/0/4";
        QTest::newRow("move is no release") << "132/0/4 4/0/4 132/0/5 2/0/5" << false
                                            << "132/0/4 4/0/4 132/0/5 2/0/5 4/0/5";
        QTest::newRow("middle button is no key") << "132/0/4 1/0/4" << false << "132/0/4 1/0/4 4/0/4";
        QTest::newRow("release before press") << "4/0/4 132/0/4" << false << "4/0/4 132/0/4 4/0/4";
        QTest::newRow("two held, the last let go first") << "132/0/4 129/0/2 132/0/5 4/0/5" << false
                                                         << "132/0/4 129/0/2 132/0/5 4/0/5 1/0/2 4/0/4";
        QTest::newRow("40 rows without a delay: the last press goes")
            << pairs.mid(1) + " 132/0/5 132/0/6" << false << pairs.mid(1) + " 132/0/5 4/0/5";
        QTest::newRow("63 rows with a delay: the last press goes")
            << "6/0/1" + pairs + more + " 132/0/7 129/0/1" << false << "6/0/1" + pairs + more + " 132/0/7 4/0/7";
    }
    void pressReleaseCheck()
    {
        QFETCH(QString, rows);
        QFETCH(bool, released);
        QFETCH(QString, closed);
        QCOMPARE(allKeysReleased(rowsFrom(rows)), released);
        QCOMPARE(rowsText(withHeldKeysReleased(rowsFrom(rows))), closed);
        QVERIFY(allKeysReleased(rowsFrom(closed)));
    }

    // What the loader shows of each stored row, and the same after SAVE and a new page;
    // SAVE lets go, at the end, the middle button and the key left pressed.
    void savedMacroReloadsWithTheSameTexts()
    {
        MacroFixture fx;
        MacroFixture::writeMacro("m", "132/7/4 4/0/4 6/1/0 6/0/1 2/0/246 2/5/0 2/5/9 2/251/0 129/0/4 1/0/16 "
                                      "132/0/255 119/1/1 129/0/3 130/0/5 134/0/3");
        QStringList expected = {"A|Press|", "A|Release|", "||2560", "||10", "MOVE LEFT|10|", "MOVE DOWN|5|",
                                "MOVE DOWN|0|", "MOVE UP|5|", "MIDDLE CLICK|Press|", "BACKWARD|Release|",
                                "|Press|", "MOVE RIGHT|5|", "||30"};
        auto page = shownPage();
        QCOMPARE(shownTexts(*page), expected);
        QCOMPARE(rowsText(page->actionRows()).section(' ', 0, 0), QString("132/0/4"));
        QVERIFY(answerMessage([&] { click(page->button(MacroDialog::SaveButton)); },
                              "ONE OR MORE KEYS HAS NOT BEEN RELEASED."));
        expected << "|Release|" << "MIDDLE CLICK|Release|";
        QCOMPARE(shownTexts(*page), expected);
        QCOMPARE(rowsText(readMacroFile("m").rows).section(' ', -4), QString("2/0/5 6/0/3 4/0/255 1/0/4"));
        QCOMPARE(IniFile(macroFilePath("m")).number("Setting/Map_11"), qint64(MacroMove));
        page.reset();
        auto again = shownPage();
        QCOMPARE(shownTexts(*again), expected);
    }

    // Without its only delay row a long macro no longer fits the mouse: SAVE keeps the file.
    void saveRefusesRowsTheMouseCannotHold()
    {
        MacroFixture fx;
        MacroFixture::writeMacro("m", "6/0/1" + QString(" 132/0/4").repeated(45));
        auto page = shownPage();
        clickRow(*page, 0);
        click(page->button(MacroDialog::DeleteRowButton));
        QVERIFY(answerMessage([&] { click(page->button(MacroDialog::SaveButton)); },
                              "A macro without a delay holds at most 40 rows."));
        QCOMPARE(readMacroFile("m").rows.size(), 46);
    }

    // The tree tints the row under a press by a third of the theme colour, under the
    // mouse by a half; child rows are marked by their place under any parent.
    void treeMarksFollowTheMouse()
    {
        MacroFixture fx;
        auto page = shownPage();
        click(page->button(MacroDialog::MouseActionButton));
        QuorTreeWidget *tree = page->commandTree();
        const auto at = [tree](QTreeWidgetItem *item) { return tree->visualItemRect(item).center(); };
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at(tree->topLevelItem(3)));
        QCOMPARE(tree->topMark(3), int(QuorTreeWidget::PressMark));
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, {}, at(tree->topLevelItem(3)));
        QCOMPARE(tree->topMark(3), int(QuorTreeWidget::HoverMark));
        QVERIFY(tree->topLevelItem(3)->isExpanded());
        QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, at(tree->topLevelItem(3)->child(1)));
        QCOMPARE(tree->childMark(1), int(QuorTreeWidget::PressMark));
        QCOMPARE(tree->topMark(3), int(QuorTreeWidget::NoMark));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(tree, &leave);
        QCOMPARE(tree->childMark(1), int(QuorTreeWidget::NoMark));
    }

    // A resize lays the page out again and keeps what is not saved; CANCEL drops it.
    void resizeKeepsUnsavedRows()
    {
        MacroFixture fx;
        MacroFixture::writeMacro("m", FiveKeys);
        auto page = shownPage();
        click(page->button(MacroDialog::InsertDelayButton));
        const QString edited = rowsText(page->actionRows());
        setUiScale(1.5);
        page->resize(scaledPixels(665), scaledPixels(467));
        QCOMPARE(page->actionTable()->width(), scaledPixels(505));
        setUiScale(1.0);
        QCOMPARE(rowsText(page->actionRows()), edited);
        click(page->button(MacroDialog::CancelButton));
        QCOMPARE(rowsText(page->actionRows()), FiveKeys);
    }
};

MOUSECFG_TEST(TestMacroTable)
#include "TestMacroTable.moc"
