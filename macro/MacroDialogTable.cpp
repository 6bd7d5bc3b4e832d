// The event table of the macro page: rows, inserts, moves, row editing and the
// mouse-command tree.
#include "macro/MacroDialog.h"

#include "macro/MacroRows.h"
#include "macro/QuorTreeItem.h"
#include "macro/QuorTreeWidget.h"
#include "storage/KeyCodes.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QDebug>
#include <QLineEdit>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace {
constexpr int ColumnCount = 3;
constexpr int ColumnWidth = 160;

QList<QStandardItem *> rowItems(const MacroAction &row)
{
    return {new QStandardItem(QString::number(row.type)), new QStandardItem(QString::number(row.dataH)),
            new QStandardItem(QString::number(row.dataL))};
}
}

void MacroDialog::setupActionTable()
{
    m_pModel->clear();
    m_pModel->setColumnCount(ColumnCount);
    m_pModel->setHorizontalHeaderLabels({QObject::tr("KEY"), QObject::tr("ACTION"), QObject::tr("DELAY(ms)")});
    applyColumnWidths();
}

void MacroDialog::applyColumnWidths()
{
    for (int c = 0; c < ColumnCount; ++c)
        m_pTable->setColumnWidth(c, scaledPixels(ColumnWidth));
}

QStandardItem *MacroDialog::cell(int row, int column) const
{
    return m_pModel->item(row, column);
}

MacroAction MacroDialog::rowAt(int row) const
{
    const auto byte = [this, row](int column) {
        const QStandardItem *item = cell(row, column);
        return quint8(item ? item->text().toInt() & 0xFF : 0);
    };
    return MacroAction{byte(0), byte(1), byte(2)};
}

QVector<MacroAction> MacroDialog::actionRows() const
{
    QVector<MacroAction> rows;
    for (int r = 0; r < m_pModel->rowCount(); ++r)
        rows.append(rowAt(r));
    return rows;
}

int MacroDialog::currentRow() const
{
    return m_pTable->currentIndex().row();
}

void MacroDialog::selectRow(int row)
{
    const int column = std::max(m_pTable->currentIndex().column(), 0);
    m_pTable->setCurrentIndex(m_pModel->index(row, column));
    m_pTable->selectRow(row);
}

void MacroDialog::setCurrentRowCells(int type, int dataH, int dataL)
{
    const int row = currentRow();
    if (row < 0)
        return;
    const int values[ColumnCount] = {type, dataH, dataL};
    for (int c = 0; c < ColumnCount; ++c) {
        if (values[c] != -1)
            m_pModel->setItem(row, c, new QStandardItem(QString::number(values[c])));
    }
    applyColumnWidths();
    m_pTable->selectRow(row);
}

void MacroDialog::appendActionRow(const MacroAction &row)
{
    m_pModel->appendRow(rowItems(row));
}

// The table holds the rows, the last one current.
void MacroDialog::showRows(const QVector<MacroAction> &rows)
{
    setupActionTable();
    for (const MacroAction &row : rows)
        appendActionRow(row);
    if (m_pModel->rowCount() > 0) {
        selectRow(m_pModel->rowCount() - 1);
        m_pTable->scrollTo(m_pTable->currentIndex());
    }
}

int MacroDialog::insertionPoint() const
{
    return currentRow() + 1;
}

bool MacroDialog::insertRows(int at, const QVector<MacroAction> &rows)
{
    if (rows.isEmpty() || !rowsFit(actionRows(), rows))
        return false;
    at = std::clamp(at, 0, m_pModel->rowCount());
    for (int i = 0; i < rows.size(); ++i)
        m_pModel->insertRow(at + i, rowItems(rows[i]));
    applyColumnWidths();
    selectRow(at + rows.size() - 1);
    return true;
}

// An insert the user asked for: one that the mouse could not hold says why.
void MacroDialog::insertOrExplain(const QVector<MacroAction> &rows)
{
    if (!rowsFit(actionRows(), rows)) {
        showMessage(2, "Warning", rowLimitText(actionRows(), rows));
        return;
    }
    insertRows(insertionPoint(), rows);
}

bool MacroDialog::insertMouseButtonRow(quint8 button, bool release, int row)
{
    return insertRows(row < 0 ? insertionPoint() : row, {mouseButtonRow(button, release)});
}

bool MacroDialog::insertMouseMoveRow(quint8 direction, int distance, int row)
{
    return insertRows(row < 0 ? insertionPoint() : row, {mouseMoveRow(direction, distance)});
}

bool MacroDialog::insertDelayRow(int ms)
{
    return insertRows(insertionPoint(), {delayRow(ms)});
}

// The delay row that follows a row inserted from the tree.
QVector<MacroAction> MacroDialog::insertedDelay() const
{
    if (m_delayType == DelayRecorded)
        return {delayRow(MinEditDelayMs)};
    if (m_delayType == DelayDefault)
        return {delayRow(holdBoundedField(m_pDefaultDelayEdit))};
    return {};
}

void MacroDialog::moveActionRow(int from, int to)
{
    const int n = m_pModel->rowCount();
    if (from == to || from < 0 || from >= n || to < 0 || to >= n)
        return;
    const int column = std::max(m_pTable->currentIndex().column(), 0);
    m_pModel->insertRow(to, m_pModel->takeRow(from));
    m_pTable->setCurrentIndex(m_pModel->index(to, column));
    m_pTable->selectRow(to);
}

void MacroDialog::moveRowToTop()
{
    moveActionRow(currentRow(), 0);
}

void MacroDialog::moveRowToBottom()
{
    moveActionRow(currentRow(), m_pModel->rowCount() - 1);
}

void MacroDialog::moveRowUp()
{
    if (currentRow() > 0)
        moveActionRow(currentRow(), currentRow() - 1);
}

void MacroDialog::moveRowDown()
{
    if (currentRow() >= 0)
        moveActionRow(currentRow(), currentRow() + 1);
}

void MacroDialog::deleteRow()
{
    const int n = m_pModel->rowCount();
    const int r = currentRow();
    if (n == 0 || r < 0)
        return;
    m_pModel->removeRow(r);
    if (n > 1)
        selectRow(r < n - 1 ? r : n - 2);
}

void MacroDialog::clearRows()
{
    if (m_pModel->rowCount() > 0)
        setupActionTable();
}

void MacroDialog::insertDefaultDelay()
{
    insertOrExplain({delayRow(MinEditDelayMs)});
}

bool MacroDialog::allKeysReleased() const
{
    return ::allKeysReleased(actionRows());
}

// Row editing

void MacroDialog::editRow()
{
    const QModelIndex current = m_pTable->currentIndex();
    if (!current.isValid())
        return;
    m_bKeyEdit = true;
    setEditPanelHidden(true);
    onCurrentRowChanged(current);
    selectRow(current.row());
    setAllControlsEnabled(false, true);
}

void MacroDialog::saveCurrentMacro()
{
    // A table the mouse cannot hold whole (its last delay row deleted, a longer file
    // loaded) would reach the mouse cut short.
    if (!rowsFit(actionRows(), {})) {
        showMessage(2, "Warning", rowLimitText(actionRows(), {}));
        return;
    }
    releaseHeldKeys();
    if (!saveMacroFile(currentMacroName())) {
        showMessage(2, "Warning", "The macro could not be saved.");
        return;
    }
    leaveEditMode();
}

// A press without its release would keep its key down on the mouse once the macro
// has run: the table gets the releases, as the file will, and the user is told.
void MacroDialog::releaseHeldKeys()
{
    if (allKeysReleased())
        return;
    showRows(withHeldKeysReleased(actionRows()));
    showMessage(2, "Warning", "ONE OR MORE KEYS HAS NOT BEEN RELEASED.");
}

void MacroDialog::cancelEdits()
{
    loadMacroFile();
    leaveEditMode();
}

void MacroDialog::leaveEditMode()
{
    m_bKeyEdit = false;
    setEditPanelHidden(false);
    removeHook();
    setAllControlsEnabled(true, false);
}

void MacroDialog::CurrentChanged(const QModelIndex &current, const QModelIndex &)
{
    if (current.isValid() && m_bKeyEdit) {
        setEditPanelHidden(true);
        onCurrentRowChanged(current);
    }
}

void MacroDialog::onCurrentRowChanged(const QModelIndex &index)
{
    const MacroAction row = rowAt(index.row());
    // A new row takes the next key, whatever the last one was.
    m_lastCode = -1;
    m_lastFlags = -1;
    if ((row.type & 0x7F) == MacroKeyRelease) {
        int code = 0;
        hidUsageToKeyCode(row.dataL, &code);
        button(KeyEditorButton)->setCaption(keyCodeName(unsigned(code)));
        showEditors({label(KeyLabel), button(KeyEditorButton)});
        installHook();
        label(FocusLabel)->setFocus(Qt::OtherFocusReason);
        return;
    }
    removeHook();
    if ((row.type & 0x7F) == MacroButtonRelease) {
        const int button = std::max(mouseButtonIndex(row.dataL), 0);
        this->button(MouseEditorButton)->setCaption(QObject::tr(mouseButtonName(button)));
        showEditors({label(MouseKeyLabel), this->button(MouseEditorButton)});
    } else if (row.type == MacroMove) {
        const MoveStep move = decodeMove(row.dataH, row.dataL);
        m_editDirection = move.direction;
        button(DirectionEditorButton)->setCaption(QObject::tr(moveDirectionName(move.direction)));
        m_pDistanceEditor->setText(QString::number(move.distance));
        showEditors({label(MovementLabel), button(DirectionEditorButton), label(DistanceLabel), m_pDistanceEditor});
    } else if (row.type == MacroDelay) {
        m_pDelayEditor->setText(QString::number(delayRowMs(row)));
        showEditors({label(DelayLabel), m_pDelayEditor});
        m_pDelayEditor->setFocus(Qt::OtherFocusReason);
    }
}

void MacroDialog::EditDelayChanged(const QString &)
{
    if (rowAt(currentRow()).type != MacroDelay)
        return;
    const MacroAction row = delayRow(heldFieldValue(m_pDelayEditor));
    setCurrentRowCells(-1, row.dataH, row.dataL);
}

void MacroDialog::EditMoveChanged(const QString &)
{
    if (rowAt(currentRow()).type != MacroMove)
        return;
    const MacroAction row = mouseMoveRow(m_editDirection, heldFieldValue(m_pDistanceEditor));
    if (m_editDirection == MoveLeft || m_editDirection == MoveRight)
        setCurrentRowCells(-1, -1, row.dataL);
    else
        setCurrentRowCells(-1, row.dataH, -1);
}

void MacroDialog::onMouseCommandMenu(QuorAction *action)
{
    for (size_t i = 0; i < m_mouseActions.size(); ++i) {
        if (m_mouseActions[i].get() == action) {
            button(MouseEditorButton)->setCaption(action->text());
            setCurrentRowCells(-1, -1, mouseButtonBit(int(i)));
        }
    }
    for (size_t i = 0; i < m_directionActions.size(); ++i) {
        if (m_directionActions[i].get() == action) {
            m_editDirection = int(i);
            button(DirectionEditorButton)->setCaption(action->text());
            const MacroAction row = mouseMoveRow(int(i), heldFieldValue(m_pDistanceEditor));
            setCurrentRowCells(-1, row.dataH, row.dataL);
        }
    }
}

// The mouse-command tree

void MacroDialog::TreeitemClick(QTreeWidgetItem *item, int)
{
    QTreeWidgetItem *top = item->parent() ? item->parent() : item;
    const int buttonIndex = m_pTree->indexOfTopLevelItem(top);
    qDebug("TreeitemClick = %d\n", buttonIndex);
    if (m_pMacroList->count() == 0 || buttonIndex < 0 || buttonIndex >= MouseButtonCount)
        return;
    const QVector<MacroAction> delay = insertedDelay();
    QVector<MacroAction> rows;
    if (!item->parent()) {
        if (!item->isExpanded()) {
            m_pTree->collapseAll();
            item->setExpanded(true);
            return;
        }
        rows << mouseButtonRow(buttonIndex, false) << delay << mouseButtonRow(buttonIndex, true) << delay;
    } else {
        rows << mouseButtonRow(buttonIndex, top->indexOfChild(item) == 1) << delay;
    }
    insertOrExplain(rows);
}

void MacroDialog::QuorItemPressed()
{
    const auto it = std::find(m_moveEntries.begin(), m_moveEntries.end(), sender());
    if (it == m_moveEntries.end() || m_pMacroList->count() == 0)
        return;
    const int distance = holdBoundedField((*it)->distanceEdit());
    insertOrExplain(QVector<MacroAction>{mouseMoveRow(int(it - m_moveEntries.begin()), distance)} << insertedDelay());
}

void MacroDialog::mousemove_test()
{
    m_pTree->clearMarks();
}
