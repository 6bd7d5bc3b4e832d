// The macro list of the macro page and the macro files behind it.
#include "macro/MacroDialog.h"

#include "macro/MacroRows.h"
#include "storage/AppFolder.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorPushButton.h"

#include <QDebug>
#include <QFile>
#include <QListWidget>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>

namespace {
constexpr int NewMacroDelayMs = 10;
constexpr int NewMacroLoopTime = 1;
const MacroDialog::PageButton LoopButtons[] = {MacroDialog::LoopTimesButton, MacroDialog::LoopWhileDownButton,
                                               MacroDialog::LoopUntilDownButton};
}

QString MacroDialog::currentMacroName() const
{
    const QListWidgetItem *item = m_pMacroList->currentItem();
    return item ? item->text() : QString();
}

bool MacroDialog::setCurrentMacro(const QString &name)
{
    const QList<QListWidgetItem *> found = m_pMacroList->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    m_pMacroList->setCurrentItem(found.first());
    loadMacroFile();
    return true;
}

void MacroDialog::rebuildMacroList()
{
    m_pMacroList->clear();
    m_pMacroList->addItems(listedMacroNames());
    if (m_pMacroList->currentRow() < 0 && m_pMacroList->count() > 0)
        m_pMacroList->setCurrentRow(0);
}

bool MacroDialog::addMacroToList(const QString &name)
{
    if (addToMacroList(name) < 0)
        return false;
    m_pMacroList->addItem(name);
    m_pMacroList->setCurrentRow(m_pMacroList->count() - 1);
    return true;
}

bool MacroDialog::removeMacroFromList(const QString &name)
{
    if (removeFromMacroList(name) < 0)
        return false;
    const QList<QListWidgetItem *> found = m_pMacroList->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        delete m_pMacroList->takeItem(m_pMacroList->row(found.first()));
    return true;
}

MacroFile MacroDialog::pageMacro() const
{
    MacroFile macro;
    macro.defaultDelay = std::clamp(m_pDefaultDelayEdit->text().toInt(), 0, MaxDefaultDelayMs);
    macro.delayType = m_delayType;
    for (int i = 0; i < 3; ++i) {
        if (macro.loopType == 0 && button(LoopButtons[i])->isSelected())
            macro.loopType = i + 1;
    }
    macro.loopTime = std::clamp(m_pLoopTimeEdit->text().toInt(), 0, MaxLoopTime);
    macro.rows = actionRows();
    return macro;
}

bool MacroDialog::saveMacroFile(const QString &name)
{
    return writeMacroFile(name, pageMacro(), WriteSign::Mark);
}

void MacroDialog::applyMacroOptions(const MacroFile &macro)
{
    setDelayType(macro.delayType);
    m_pDefaultDelayEdit->setText(QString::number(macro.defaultDelay));
    m_pLoopTimeEdit->setText(QString::number(macro.loopTime));
    for (int i = 0; i < 3; ++i)
        button(LoopButtons[i])->setSelected(macro.loopType == i + 1);
}

void MacroDialog::loadMacroFile()
{
    if (m_pMacroList->count() == 0) {
        m_pNameEdit->setText(QString());
        return;
    }
    const QString name = currentMacroName();
    m_pNameEdit->setText(name);
    const MacroFile macro = readMacroFile(name);
    applyMacroOptions(macro);
    setupActionTable();
    for (const MacroAction &row : macro.rows)
        appendActionRow(editorRow(row));
    if (m_pModel->rowCount() > 0) {
        selectRow(m_pModel->rowCount() - 1);
        m_pTable->scrollTo(m_pTable->currentIndex());
    }
}

int MacroDialog::createMacro()
{
    if (countMacros() >= MacroListSize || firstFreeMacroSlot() < 0) {
        showMessage(1, "WARNING", "TOO MANY MACROS TO BE CREATE!");
        return 0;
    }
    // A name is free when neither a file nor a list slot holds it.
    QString name;
    for (int n = 1; name.isEmpty() || fileExists(macroFilePath(name)) || findMacroSlot(name) >= 0; ++n)
        name = QStringLiteral("name_%1").arg(n);
    qDebug() << macroFilePath(name);
    MacroFile macro;
    macro.defaultDelay = NewMacroDelayMs;
    macro.loopTime = NewMacroLoopTime;
    if (!writeMacroFile(name, macro, WriteSign::Mark)) {
        showMessage(2, "Warning", "The macro could not be saved.");
        return 0;
    }
    if (!addMacroToList(name)) {
        QFile::remove(macroFilePath(name));
        showMessage(2, "Warning", "The macro could not be saved.");
        return 0;
    }
    loadMacroFile();
    return 1;
}

void MacroDialog::newMacro()
{
    createMacro();
}

void MacroDialog::itemClicked(const QModelIndex &)
{
    loadMacroFile();
}
