#include "app/MousecfgWidget.h"

#include "device/BatteryThreadControl.h"
#include "device/QuorProcessThread.h"
#include "storage/AppFolder.h"
#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/FileCopy.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"
#include "storage/ProfileNames.h"
#include "storage/RegularFile.h"
#include "storage/SettingsBlock.h"
#include "widgets/FileDialogs.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorProcessDialog.h"
#include "widgets/QuorPushButton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFileInfo>
#include <QLineEdit>

namespace {
constexpr int ExportButton = 4, ImportButton = 5, ResetButton = 6, AddButton = 7, DeleteButton = 8,
              CopyButton = 9, ResetAllButton = 10, OkButton = 11, CancelButton = 12, ApplyButton = 13,
              LoadButton = 14, SaveButton = 15;
const QString ProfileSuffix = QStringLiteral(".prof");
constexpr const char *UnreadableFileText = "The file could not be read.";

// The profile a file holds is named by the file name less its final ".prof".
QString profileNameOfFile(const QString &path)
{
    QString name = QFileInfo(path).fileName();
    if (name.endsWith(ProfileSuffix))
        name.chop(ProfileSuffix.size());
    return name;
}
}

// Rows in the order the sender is looked for; the first match runs.
std::vector<MousecfgWidget::DispatchRow> MousecfgWidget::dispatchRows()
{
    auto button = [this](int i) { return m_buttons[size_t(i)]; };
    std::vector<DispatchRow> rows = {
        {m_closeButton, [this] { hideWindow(); }},
        {m_minButton, [this] { showMinimized(); }},
        {m_nameApplyButton, [this] { renameProfile(); }},
        {button(AddButton), [this] { addProfile(); }},
        {button(DeleteButton), [this] { deleteProfile(); }},
        {button(CopyButton), [this] { copyProfile(); }},
        {button(LoadButton), [this] { loadConfiguration(); }},
        {button(SaveButton), [this] { saveConfiguration(); }},
        {button(ExportButton), [this] { exportProfile(); }},
        {button(ImportButton), [this] { importProfile(); }},
        {button(ResetButton), [this] { resetProfile(); }},
        {button(ResetAllButton), [this] { resetAllProfiles(); }},
        {button(OkButton), [this] { confirmAndClose(); }},
        {button(CancelButton), [this] { cancelChanges(); }},
        {button(ApplyButton), [this] { applyChanges(); }},
        {m_frontButton, [this] { showFrontView(); }},
        {m_sideButton, [this] { showSideView(); }},
    };
    for (QuorPushButton *slot : m_slotButtons)
        rows.emplace_back(slot, [this] { markFirstSlotButton(); });
    for (int i = 0; i < TabCount; ++i)
        rows.emplace_back(button(i), [this, i] { switchPage(i); });
    for (int k = 0; k < 20; ++k)
        rows.emplace_back(m_hotspots[size_t(k)], [this, k] { onHotspot(k, 0); });
    rows.emplace_back(m_arrowUp, [this] { onHotspot(0, 2); });
    rows.emplace_back(m_arrowDown, [this] { onHotspot(1, 2); });
    return rows;
}

void MousecfgWidget::onButtonClicked()
{
    auto *button = qobject_cast<QuorPushButton *>(sender());
    if (!button)
        return;
    for (const DispatchRow &row : dispatchRows()) {
        if (row.first == button) {
            row.second();
            return;
        }
    }
}

void MousecfgWidget::writeToMouse(bool sendAll)
{
    if (m_bWriting)
        return;
    QuorProcessDialog dialog(this);
    QuorProcessThread thread;
    thread.setSendAll(sendAll);
    connect(&thread, &QuorProcessThread::DoProcessDlg, &dialog, &QuorProcessDialog::slotProcessDlg);
    // Stopped before any event loop runs: news the mouse sent before the click waits
    // for the write, which may overwrite it, instead of being shown after it.
    const bool polling = m_batteryControl->isBatteryThreadRunning();
    m_batteryControl->stopBatteryThread();
    m_bWriting = true;
    const int shown = ModalGate::run([&] {
        thread.start(QThread::InheritPriority);
        const int result = dialog.exec();
        // A quit from outside ends every event loop; the thread still needs this one for
        // the status thread's stop and start.
        while (!thread.wait(10))
            QCoreApplication::processEvents();
        return result;
    });
    m_bWriting = false;
    if (polling && !m_batteryControl->isBatteryThreadRunning())
        m_batteryControl->startBatteryThread();
    if (shown == QDialog::Accepted) {
        if (thread.result() == QuorProcessThread::ResultMouseOff)
            showMessage(TwoButtons, "Mouse is sleeping or not connected.");
        else if (thread.result() == QuorProcessThread::ResultTooManyMacros)
            showMessageText(OneButton, QObject::tr("The profiles use more than 20 macros; the mouse holds 20. "
                                                   "Nothing was written."));
        else if (thread.result() != QuorProcessThread::ResultWritten)
            showMessage(TwoButtons, "Send data failed, please try again.");
        if (!thread.settingsSaved())
            showMessage(OneButton, "The settings could not be saved.");
        for (const FaultyMacro &macro : thread.faultyMacros())
            showMessageText(OneButton, macro.fault == FaultyMacro::Missing
                                           ? QObject::tr("The macro file %1 is missing.").arg(macro.name)
                                           : QObject::tr("The macro file %1 is damaged.").arg(macro.name));
    }
}

bool MousecfgWidget::deferWhileBusy(std::function<void()> work)
{
    return ModalGate::defer(this, std::move(work));
}

// A quit asked for while a dialog is open (a write, too) comes once it has closed;
// meanwhile the window and the dialog come to the front, so the user sees what holds it.
void MousecfgWidget::requestQuit()
{
    if (deferWhileBusy([] { QCoreApplication::quit(); }))
        raiseWithDialog();
    else
        QCoreApplication::quit();
}

int MousecfgWidget::showMessage(int type, const char *text)
{
    return showMessageText(type, QObject::tr(text));
}

int MousecfgWidget::showMessageText(int type, const QString &text)
{
    QuorMessageBox box(type, QString(), QObject::tr("Warning"), text, this, false, Qt::FramelessWindowHint);
    return ModalGate::exec(box);
}

QString MousecfgWidget::askFileName(bool save, const char *title, const char *filter)
{
    // "Profile File(*.prof)": a file saved without a suffix takes ".prof".
    const QString suffix =
        QString::fromLatin1(filter).section(QStringLiteral("(*."), 1).section(QLatin1Char(')'), 0, 0);
    const QStringList paths = runFileDialog(
        {save ? FileDialogKind::SaveFile : FileDialogKind::OpenFile, this, tr(title), QString(), tr(filter)}, suffix);
    return paths.value(0);
}

// The profile file on disk is exported, not what the pages hold unsaved.
void MousecfgWidget::exportProfile()
{
    const QString fileName = askFileName(true, QT_TR_NOOP("Save Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (fileName.isEmpty())
        return;
    const int current = safeProfileIndex(workingSettings.currentProfile);
    const QString name = workingSettings.names[size_t(current)];
    QString source = existingProfileFile(name);
    if (source.isEmpty()) {
        source = modelProfileFilePath(modelFolderProductName(), name);
        if (source.isEmpty() || !saveProfile(0, workingSettings.profiles[size_t(current)], source))
            source.clear();
    }
    const bool exported = !source.isEmpty() && writeMouseName(modelFolderProductName(), source)
                          && copyFileReplacing(source, fileName) == CopyResult::Copied;
    if (!exported)
        showMessage(OneButton, "The file could not be saved.");
}

void MousecfgWidget::importProfile()
{
    const QString fileName = askFileName(false, QT_TR_NOOP("Load Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (fileName.isEmpty())
        return;
    const QString name = profileNameOfFile(fileName);
    if (!isReadableFile(fileName)) {
        showMessage(OneButton, UnreadableFileText);
        return;
    }
    if (readMouseName(fileName) != modelFolderProductName()) {
        showMessage(OneButton, "The file is not match current mouse!");
        return;
    }
    if (!holdsProfile(fileName)) {
        showMessage(OneButton, "The file is not a profile file.");
        return;
    }
    qDebug() << name;
    if (!acceptNewProfileName(name))
        return;
    if (!profileListHasRoom(m_profileList)) {
        showMessage(OneButton, "The profile list is full.");
        return;
    }
    const QString target = modelProfileFilePath(modelFolderProductName(), name);
    const CopyResult copied = copyFileReplacing(fileName, target);
    if (copied == CopyResult::SourceRefused) {
        showMessage(OneButton, UnreadableFileText);
        return;
    }
    if (copied == CopyResult::TargetRefused) {
        showMessage(OneButton, "The profile file could not be written.");
        return;
    }
    addToProfileList(name);
    const int current = safeProfileIndex(workingSettings.currentProfile);
    loadProfile(0, workingSettings.profiles[size_t(current)], target);
    refreshPages();
    showCurrentName(name);
    writeToMouse(false);
}

void MousecfgWidget::saveConfiguration()
{
    const QString fileName = askFileName(true, QT_TR_NOOP("Save Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (fileName.isEmpty())
        return;
    // What the pages show, unapplied edits too; the working block stays as it is.
    if (!exportConfiguration(modelFolderProductName(), settingsAsShown(), fileName))
        showMessage(OneButton, "The file could not be saved.");
}

void MousecfgWidget::loadConfiguration()
{
    const QString fileName = askFileName(false, QT_TR_NOOP("Load Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (fileName.isEmpty())
        return;
    if (!isReadableFile(fileName)) {
        showMessage(OneButton, UnreadableFileText);
        return;
    }
    if (readMouseName(fileName) != modelFolderProductName()) {
        showMessage(OneButton, "The file is not match current mouse!");
        return;
    }
    if (!holdsProfileSections(fileName)) {
        showMessage(OneButton, "The file is not a complete configuration file.");
        return;
    }
    // The last-written block keeps what the mouse was sent: the profiles this write does
    // not reach still differ and go out once they are current.
    SettingsBlock loaded = lastWrittenSettings;
    importProfiles(loaded, fileName);
    repairSlotNames(loaded, RepairedSlots::KeepRecords);
    renameRepeatedSlotNames(loaded);
    if (loadReplacesStoredProfile(loaded, workingSettings)
        && showMessage(TwoButtons, "Are you sure you want replace the stored profiles of the same name?")
               != QDialog::Accepted)
        return;
    loaded.currentProfile = quint8(safeProfileIndex(loaded.currentProfile));
    workingSettings = loaded;
    switchPage(LightingTab);
    refreshPages();
    updateArrowButtons();
    showCurrentName(workingSettings.names[size_t(safeProfileIndex(workingSettings.currentProfile))]);
    writeToMouse(true);
}

// A damaged model file counts as none: the built-in model and factory profile serve,
// and the user hears of it once.
void MousecfgWidget::tellIfInstallDamaged()
{
    if (m_bInstallDamageTold || !modelDescriptorDamaged())
        return;
    m_bInstallDamageTold = true;
    showMessage(OneButton, "The install is damaged: the built-in settings are used.");
}

void MousecfgWidget::resetProfile()
{
    tellIfInstallDamaged();
    if (showMessage(TwoButtons, "Are you sure you want reset this profile?") != QDialog::Accepted)
        return;
    const int current = safeProfileIndex(workingSettings.currentProfile);
    qDebug("Accepted %d", current);
    resetProfileToDefaults(workingSettings.profiles[size_t(current)]);
    retranslateUi();
    refreshPages();
    m_nameEdit->setText(workingSettings.names[size_t(current)]);
    writeToMouse(false);
}

void MousecfgWidget::resetAllProfiles()
{
    tellIfInstallDamaged();
    if (showMessage(TwoButtons, "Are you sure you want reset all profiles?") != QDialog::Accepted)
        return;
    initSettingsBlock(workingSettings);
    refreshPages();
    m_nameEdit->setText(workingSettings.names[size_t(safeProfileIndex(workingSettings.currentProfile))]);
    writeToMouse(true);
}

// OK writes what the pages show, as Apply does.
void MousecfgWidget::confirmAndClose()
{
    storeUiIntoProfile();
    writeToMouse(false);
    hideWindow();
}

void MousecfgWidget::cancelChanges()
{
    hideWindow();
    switchProfileSlot(safeProfileIndex(workingSettings.currentProfile), true);
}

void MousecfgWidget::applyChanges()
{
    storeUiIntoProfile();
    writeToMouse(false);
}

void MousecfgWidget::showFrontView()
{
    m_iKeyGroup = m_iSavedKey;
    m_bFrontView = true;
    showMouseView(true);
}

void MousecfgWidget::showSideView()
{
    m_iSavedKey = m_iKeyGroup;
    m_bFrontView = false;
    m_iKeyGroup = 1;
    showMouseView(false);
}

void MousecfgWidget::onHotspot(int index, int group)
{
    selectKeyButton(quint8(index), quint8(group));
    showButtonGroupOnPage();
}

// The slot buttons have no area; a click marks the first of them, whichever it was.
void MousecfgWidget::markFirstSlotButton()
{
    for (QuorPushButton *slot : m_slotButtons)
        slot->setSelected(false);
    m_slotButtons[0]->setSelected(true);
}
