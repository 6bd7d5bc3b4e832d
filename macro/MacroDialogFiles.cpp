// The macro list of the macro page and the macro files behind it.
#include "macro/MacroDialog.h"

#include "macro/MacroRows.h"
#include "macro/QuorGunsetDialog.h"
#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/MacroFolder.h"
#include "storage/MouseMacroSlots.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/FileDialogs.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QCheckBox>
#include <QDebug>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {
constexpr int NewMacroDelayMs = 10;
constexpr int NewMacroLoopTime = 1;
const MacroDialog::PageButton LoopButtons[] = {MacroDialog::LoopTimesButton, MacroDialog::LoopWhileDownButton,
                                               MacroDialog::LoopUntilDownButton};
constexpr int ListedInMessage = 5;

// The first few names for a message box.
QString shortList(const QStringList &names)
{
    QString text = names.mid(0, ListedInMessage).join(QStringLiteral(", "));
    if (names.size() > ListedInMessage)
        text += QStringLiteral(", ...");
    return text;
}

bool listIsFull()
{
    return countMacros() >= MacroListSize || firstFreeMacroSlot() < 0;
}

// Why an imported file is not taken, null when it is: a file of another kind or one
// cut short would list a macro that is not the one exported, one that the mouse
// cannot hold whole would reach it cut short.
const char *importRefusal(const QString &name)
{
    switch (checkMacroFile(name)) {
    case MacroFileCheck::NotWhole:
        return QT_TRANSLATE_NOOP("QObject", "The file is not a macro file.");
    case MacroFileCheck::TooLong:
        return TooManyRowsText;
    case MacroFileCheck::Whole:
        break;
    }
    const QVector<MacroAction> rows = readMacroFile(name).rows;
    return rowsFit(rows, {}) ? nullptr : rowLimitText(rows, {});
}
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

// The current macro stays current, so the table keeps what it shows, unsaved rows
// included; another current macro is loaded.
void MacroDialog::rebuildMacroList()
{
    const QString current = currentMacroName();
    {
        const QSignalBlocker quiet(m_pMacroList);
        m_pMacroList->clear();
        for (const QString &name : listedMacroNames())
            appendListRow(name);
        const QList<QListWidgetItem *> found = m_pMacroList->findItems(current, Qt::MatchExactly);
        if (!current.isEmpty() && !found.isEmpty())
            m_pMacroList->setCurrentItem(found.first());
        else if (m_pMacroList->count() > 0)
            m_pMacroList->setCurrentRow(0);
    }
    if (currentMacroName() != current)
        loadMacroFile();
}

// In batch mode a check box stands over the row; the item keeps the name.
void MacroDialog::appendListRow(const QString &name)
{
    auto *item = new QListWidgetItem(name, m_pMacroList);
    if (!m_bBatch)
        return;
    auto *box = new QCheckBox(name);
    // White text and the page's check pictures, as the BATCH box has them.
    box->setStyleSheet(m_pBatchBox->styleSheet());
    box->setFont(m_pMacroList->font());
    m_pMacroList->setItemWidget(item, box);
}

QStringList MacroDialog::checkedMacroNames() const
{
    QStringList names;
    for (int i = 0; i < m_pMacroList->count(); ++i) {
        QListWidgetItem *item = m_pMacroList->item(i);
        const auto *box = qobject_cast<QCheckBox *>(m_pMacroList->itemWidget(item));
        if (box && box->isChecked())
            names << item->text();
    }
    return names;
}

bool MacroDialog::addMacroToList(const QString &name)
{
    if (addToMacroList(name) < 0)
        return false;
    appendListRow(name);
    m_pMacroList->setCurrentRow(m_pMacroList->count() - 1);
    return true;
}

bool MacroDialog::removeMacroFromList(const QString &name)
{
    if (removeFromMacroList(name) < 0)
        return false;
    removeListRow(name);
    return true;
}

void MacroDialog::removeListRow(const QString &name)
{
    const QList<QListWidgetItem *> found = m_pMacroList->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        delete m_pMacroList->takeItem(m_pMacroList->row(found.first()));
}

MacroFile MacroDialog::pageMacro() const
{
    MacroFile macro;
    macro.defaultDelay = holdBoundedField(m_pDefaultDelayEdit);
    macro.delayType = m_delayType;
    for (int i = 0; i < 3; ++i) {
        if (macro.loopType == 0 && button(LoopButtons[i])->isSelected())
            macro.loopType = i + 1;
    }
    macro.loopTime = holdBoundedField(m_pLoopTimeEdit);
    // No key the macro presses stays down on the mouse.
    macro.rows = withHeldKeysReleased(actionRows());
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
    showRows(macro.rows);
    noteDamagedMacro(name, macro.damaged);
}

// A damaged macro is told of once each time it is opened, once the page shows; a
// load of the macro still open (CANCEL, a second signal of one click) tells nothing.
void MacroDialog::noteDamagedMacro(const QString &name, bool damaged)
{
    if (!damaged) {
        m_damagedToTell.clear();
        m_damagedTold.clear();
        return;
    }
    if (name == m_damagedTold || name == m_damagedToTell)
        return;
    m_damagedTold.clear();
    m_damagedToTell = name;
    QTimer::singleShot(0, this, &MacroDialog::tellDamagedMacro);
}

void MacroDialog::tellDamagedMacro()
{
    if (m_damagedToTell.isEmpty() || !isVisible())
        return;
    m_damagedTold = std::exchange(m_damagedToTell, QString());
    showMessageText(2, "Warning",
                    QObject::tr("The macro file %1 is damaged. Only its whole rows are kept.").arg(m_damagedTold));
}

void MacroDialog::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_damagedToTell.isEmpty())
        QTimer::singleShot(0, this, &MacroDialog::tellDamagedMacro);
}

bool MacroDialog::refuseWhenListFull()
{
    if (!listIsFull())
        return false;
    showMessage(1, "WARNING", "TOO MANY MACROS TO BE CREATE!");
    return true;
}

bool MacroDialog::listWrittenMacro(const QString &name)
{
    if (!addMacroToList(name)) {
        QFile::remove(macroFilePath(name));
        showMessage(2, "Warning", "The settings could not be saved.");
        return false;
    }
    loadMacroFile();
    return true;
}

int MacroDialog::createMacro()
{
    if (refuseWhenListFull())
        return 0;
    QString name;
    for (int n = 1; name.isEmpty() || isMacroNameTaken(name); ++n)
        name = QStringLiteral("name_%1").arg(n);
    qDebug() << macroFilePath(name);
    MacroFile macro;
    macro.defaultDelay = NewMacroDelayMs;
    macro.loopTime = NewMacroLoopTime;
    if (!writeMacroFile(name, macro, WriteSign::Mark)) {
        showMessage(2, "Warning", "The macro could not be saved.");
        return 0;
    }
    return listWrittenMacro(name) ? 1 : 0;
}

void MacroDialog::newMacro()
{
    createMacro();
}

void MacroDialog::itemClicked(const QModelIndex &)
{
    loadMacroFile();
}

void MacroDialog::renameMacro()
{
    const QString typed = m_pNameEdit->text();
    const QString old = currentMacroName();
    // Only a typed name renames: the edit may show a long name cut to its length.
    if (typed == old || !m_pNameEdit->isModified())
        return;
    if (!isValidMacroName(typed)) {
        showMessage(2, "Warning", InvalidMacroNameText);
        return;
    }
    const QString name = freeMacroName(typed);
    const QString from = macroFilePath(old);
    const QString to = macroFilePath(name);
    const bool hasFile = fileExists(from);
    if (hasFile && !QFile::rename(from, to)) {
        showMessage(2, "Warning", "The macro could not be renamed.");
        return;
    }
    if (!setMacroListSlot(findMacroSlot(old), name)) {
        if (hasFile)
            QFile::rename(to, from);
        showMessage(2, "Warning", "The settings could not be saved.");
        return;
    }
    m_pMacroList->currentItem()->setText(name);
    m_pNameEdit->setModified(false);
    // The mouse and the stored profiles follow the rename too.
    renameMacroInButtons(lastWrittenSettings, old, name);
    bool saved = renameMacroInProfileFiles(workingSettings, old, name);
    saved = renameMouseMacroSlot(old, name) && saved;
    buttonsFollowed(saved, renameMacroInButtons(workingSettings, old, name));
}

// The buttons that ran the macro take their factory function on the page and in the
// stored profiles; the mouse gets it when their slot is next written, also after a
// restart, as their slots are marked waiting.
void MacroDialog::resetButtonsOf(const QString &name)
{
    const int waiting = profilesUsingMacro(workingSettings, name);
    bool saved = resetButtonsUsingMacroInProfileFiles(workingSettings, name);
    if (waiting != 0)
        saved = writeWaitingProfiles(readWaitingProfiles() | waiting) && saved;
    buttonsFollowed(saved, resetButtonsUsingMacro(workingSettings, name));
}

void MacroDialog::buttonsFollowed(bool saved, int changedSlots)
{
    if (!saved)
        showMessage(2, "Warning", "The settings could not be saved.");
    if (changedSlots > 0)
        emit RefreshButtonSlots();
}

bool MacroDialog::deleteMacro(const QString &name)
{
    const QString path = macroFilePath(name);
    return !fileExists(path) || QFile::remove(path);
}

// The slot is freed first, so no listed name is left without its file; the file goes
// only then, and when it cannot, the name takes its slot again. A macro no longer
// listed leaves no button that runs it.
void MacroDialog::deleteCurrentMacro()
{
    const QString name = currentMacroName();
    m_lastDeletedName = name;
    if (name.isEmpty())
        return;
    if (countButtonsUsingMacro(workingSettings, name) > 0
        && showMessage(1, "Warning", "A button uses this macro. Delete it all the same?") != QDialog::Accepted)
        return;
    const int slot = removeFromMacroList(name);
    if (slot < 0) {
        showMessage(2, "Warning", "The settings could not be saved.");
        return;
    }
    if (!deleteMacro(name)) {
        const bool relisted = setMacroListSlot(slot, name);
        showMessage(2, "Warning", "The macro could not be deleted.");
        if (relisted)
            return;
    }
    removeListRow(name);
    loadMacroFile();
    if (m_pMacroList->count() == 0)
        setupActionTable();
    resetButtonsOf(name);
}

void MacroDialog::gunSet()
{
    if (refuseWhenListFull())
        return;
    QuorGunsetDialog dialog(this, uiScale(), Qt::FramelessWindowHint);
    if (ModalGate::exec(dialog) != QDialog::Accepted)
        return;
    const QString name = freeMacroName(dialog.fileName());
    qDebug() << macroFilePath(name);
    // The page takes the file's options when it loads the new macro.
    if (!dialog.saveGunFile(name)) {
        showMessage(2, "Warning", "The macro could not be saved.");
        return;
    }
    listWrittenMacro(name);
}

void MacroDialog::importMacros()
{
    if (refuseWhenListFull())
        return;
    const QStringList files =
        runFileDialog({m_bBatch ? FileDialogKind::OpenFiles : FileDialogKind::OpenFile, this, tr("Load Macro File"),
                       QString(), tr("Macro File(*.MSMACRO)")});
    if (files.isEmpty())
        return;
    if (m_bBatch)
        importBatch(files);
    else
        importOne(files.first());
}

void MacroDialog::importOne(const QString &path)
{
    const QString name = macroNameOfFile(path);
    qDebug() << name;
    if (!isValidMacroName(name)) {
        showMessage(2, "Warning", InvalidMacroNameText);
        return;
    }
    if (isMacroNameTaken(name)) {
        showMessage(2, "Warning", "Macro Exist!");
        return;
    }
    const CopyResult copied = copyMacroFile(path, macroFilePath(name), TargetFolder::Make);
    if (copied == CopyResult::SourceRefused) {
        showMessage(2, "Warning", "The file could not be read.");
        return;
    }
    if (copied == CopyResult::TargetRefused) {
        showMessage(2, "Warning", "The macro file could not be copied.");
        return;
    }
    if (const char *refusal = importRefusal(name)) {
        QFile::remove(macroFilePath(name));
        showMessage(2, "Warning", refusal);
        return;
    }
    listWrittenMacro(name);
}

void MacroDialog::importBatch(const QStringList &paths)
{
    QStringList skipped;
    bool imported = false;
    for (const QString &path : paths) {
        const QString name = macroNameOfFile(path);
        const bool copied = !listIsFull() && isValidMacroName(name) && !isMacroNameTaken(name)
                            && copyMacroFile(path, macroFilePath(name), TargetFolder::Make) == CopyResult::Copied;
        if (copied && !importRefusal(name) && addMacroToList(name)) {
            imported = true;
            continue;
        }
        if (copied)
            QFile::remove(macroFilePath(name));
        skipped << QFileInfo(path).fileName();
    }
    // The new current row's macro goes into the table.
    if (imported)
        loadMacroFile();
    if (!skipped.isEmpty())
        showMessageText(2, "Warning",
                        QObject::tr("These files were not imported (name taken or not allowed, list full, "
                                    "file unreadable or too long for the mouse): %1")
                            .arg(shortList(skipped)));
}

void MacroDialog::exportMacros()
{
    if (!m_bBatch) {
        exportOne();
        return;
    }
    const QStringList folder = runFileDialog(
        {FileDialogKind::Directory, this, tr("Save Macro File"), QStringLiteral("./"), QString()});
    if (!folder.isEmpty())
        exportBatch(folder.first());
}

void MacroDialog::exportOne()
{
    const QString name = currentMacroName();
    const QStringList chosen =
        runFileDialog({FileDialogKind::SaveFile, this, tr("Save Macro File"), name, tr("Macro File(*.MSMACRO)")});
    if (chosen.isEmpty())
        return;
    // The dialog asked about the path it returned, not about one we completed.
    const QString target = withMacroSuffix(chosen.first());
    if (target != chosen.first() && fileExists(target) && !confirmReplace({QFileInfo(target).fileName()}))
        return;
    if (copyMacroFile(macroFilePath(name), target) != CopyResult::Copied)
        showMessage(2, "Warning", "The macro file could not be copied.");
}

void MacroDialog::exportBatch(const QString &folder)
{
    const QStringList names = checkedMacroNames();
    QStringList existing;
    for (const QString &name : names) {
        if (fileExists(folder + QLatin1Char('/') + name + QStringLiteral(".MSMACRO")))
            existing << name + QStringLiteral(".MSMACRO");
    }
    const bool replace = existing.isEmpty() || confirmReplace(existing);
    QStringList failed;
    for (const QString &name : names) {
        const QString file = name + QStringLiteral(".MSMACRO");
        if (!replace && existing.contains(file))
            continue;
        if (copyMacroFile(macroFilePath(name), folder + QLatin1Char('/') + file) != CopyResult::Copied)
            failed << name;
    }
    if (!failed.isEmpty())
        showMessageText(2, "Warning", QObject::tr("These macros could not be exported: %1").arg(shortList(failed)));
}

bool MacroDialog::confirmReplace(const QStringList &files)
{
    return showMessageText(1, "Warning", QObject::tr("These files already exist. Replace them? %1").arg(shortList(files)))
           == QDialog::Accepted;
}

void MacroDialog::onBatchBoxClicked()
{
    m_bBatch = m_pBatchBox->isChecked();
    setControlsEnabled(!m_bBatch);
    applyListStyle();
    rebuildMacroList();
}
