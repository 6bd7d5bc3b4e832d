#include "app/MousecfgWidget.h"

#include "storage/ConfigIni.h"
#include "storage/FileCopy.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"
#include "storage/ProfileNames.h"
#include "storage/SettingsBlock.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>

namespace {
const QString TemplateProfile = QStringLiteral("DefaultProfile");
constexpr const char *UnreadableFileText = "The file could not be read.";

QString modelFile(const QString &name)
{
    return modelProfileFilePath(modelFolderProductName(), name);
}

ProfileRecord &currentProfile()
{
    return currentRecord(workingSettings);
}

QString &currentName()
{
    return workingSettings.names[size_t(safeProfileIndex(workingSettings.currentProfile))];
}

// A new profile file from the model's template, or from the factory values without a
// whole one that can be read.
bool createProfileFile(const QString &path)
{
    const QString source = modelFile(TemplateProfile);
    if (QFile::exists(source) && holdsProfile(source)) {
        const CopyResult copied = copyFileReplacing(source, path);
        if (copied != CopyResult::SourceRefused)
            return copied == CopyResult::Copied;
    }
    ProfileRecord record;
    resetProfileToDefaults(record);
    return saveProfile(0, record, path);
}

// Renames the file of a name in each profile tree that holds one; without a file the
// slot's values become the new file.
bool renameProfileFiles(const QString &from, const QString &to, const ProfileRecord &record)
{
    const std::pair<QString, QString> trees[] = {{profileFilePath(from), profileFilePath(to)},
                                                 {modelFile(from), modelFile(to)}};
    std::vector<std::pair<QString, QString>> renamed;
    for (const auto &tree : trees) {
        if (tree.first.isEmpty() || !QFile::exists(tree.first))
            continue;
        if (tree.second.isEmpty() || !QFile::rename(tree.first, tree.second)) {
            for (const auto &done : renamed)
                QFile::rename(done.second, done.first);
            return false;
        }
        renamed.push_back(tree);
    }
    return !renamed.empty() || saveProfile(0, record, modelFile(to));
}

// The name's file in each profile tree: one left behind keeps the name taken.
bool removeProfileFiles(const QString &name)
{
    for (const QString &path : {modelFile(name), profileFilePath(name)}) {
        if (!path.isEmpty() && QFile::exists(path) && !QFile::remove(path))
            return false;
    }
    return true;
}
}

// The current slot takes a new profile made from the template.
void MousecfgWidget::addProfile()
{
    tellIfInstallDamaged();
    if (!profileListHasRoom(m_profileList)) {
        showMessage(OneButton, "The profile list is full.");
        return;
    }
    const QString name = newProfileName();
    const QString path = modelFile(name);
    if (path.isEmpty() || !createProfileFile(path)) {
        showMessage(OneButton, "The profile file could not be written.");
        return;
    }
    addToProfileList(name);
    showCurrentName(name);
    loadProfile(0, currentProfile(), path);
    refreshPages();
}

// Deletes the profile the name edit names; the current slot takes a name no other slot
// holds, also in Config.ini, so a restart finds no deleted name.
void MousecfgWidget::deleteProfile()
{
    const ProfileDeletePlan plan = planProfileDelete(m_profileList, workingSettings, m_nameEdit->text());
    switch (plan.check) {
    case ProfileDeleteCheck::RetainOne:
        showMessage(OneButton, "AT LEAST ONE PROFILE TO BE RETAINED.");
        return;
    case ProfileDeleteCheck::DefaultName:
        showMessage(OneButton, "The default Profile cannot be deleted or renamed.");
        return;
    case ProfileDeleteCheck::UsedByOtherSlot:
        showMessage(OneButton, "Profile is Already Used!");
        return;
    case ProfileDeleteCheck::Allowed:
        break;
    }
    if (showMessage(TwoButtons, "Are you sure you want delete this profile?") != QDialog::Accepted)
        return;
    if (plan.listIndex >= 0 && !removeProfileFiles(plan.name)) {
        showMessage(OneButton, "The profile file could not be written.");
        return;
    }
    if (plan.listIndex >= 0)
        m_profileList.removeAt(plan.listIndex);
    showCurrentName(plan.replacement);
    const SettingsBlock copy = workingSettings;
    if (!saveProfileList() || !saveProfileNames(copy))
        showMessage(OneButton, "The settings could not be saved.");
    buildProfileMenu();
    loadSlotFromFile(safeProfileIndex(workingSettings.currentProfile), plan.replacement);
    refreshPages();
}

// The copy holds the stored profile; the slot keeps its values and takes the new name.
void MousecfgWidget::copyProfile()
{
    if (!profileListHasRoom(m_profileList)) {
        showMessage(OneButton, "The profile list is full.");
        return;
    }
    const QString target = copyProfileName(currentName());
    const QString targetPath = modelFile(target);
    if (targetPath.isEmpty()) {
        showMessage(OneButton, "The profile name is not valid.");
        return;
    }
    const QString source = existingProfileFile(currentName());
    CopyResult copied = CopyResult::Copied;
    if (source.isEmpty())
        copied = saveProfile(0, currentProfile(), targetPath) ? CopyResult::Copied : CopyResult::TargetRefused;
    else
        copied = copyFileReplacing(source, targetPath);
    if (copied == CopyResult::SourceRefused) {
        showMessage(OneButton, UnreadableFileText);
        return;
    }
    if (copied == CopyResult::TargetRefused) {
        showMessage(OneButton, "The profile file could not be written.");
        return;
    }
    addToProfileList(target);
    showCurrentName(target);
}

// A name a profile file is to take: safe, and no file of it yet.
bool MousecfgWidget::acceptNewProfileName(const QString &name)
{
    const NewProfileName check = checkNewProfileName(name);
    if (check != NewProfileName::Accepted)
        showMessage(OneButton, check == NewProfileName::Exists ? "Profile Exist!" : "The profile name is not valid.");
    return check == NewProfileName::Accepted;
}

void MousecfgWidget::renameProfile()
{
    renameCurrentProfile(m_nameEdit->text());
}

void MousecfgWidget::slotProfileNameChange()
{
    if (isDefaultProfileName(currentName())) {
        showMessage(OneButton, "The default Profile cannot be deleted or renamed.");
        m_nameEdit->setText(currentName());
        return;
    }
    renameCurrentProfile(m_nameEdit->text());
}

// The slot, its file, the list and the stored names follow the new name, or nothing
// changes. A name another slot holds, old or new, stays with that slot and its file.
bool MousecfgWidget::renameCurrentProfile(const QString &name)
{
    if (!acceptNewProfileName(name))
        return false;
    const QString old = currentName();
    if (isNameUsedByOtherSlot(workingSettings, old) || isNameUsedByOtherSlot(workingSettings, name)) {
        showMessage(OneButton, "Profile is Already Used!");
        return false;
    }
    if (!renameProfileFiles(old, name, currentProfile())) {
        showMessage(OneButton, "The profile file could not be written.");
        return false;
    }
    const int listed = m_profileList.indexOf(old);
    if (listed >= 0)
        m_profileList[listed] = name;
    currentName() = name;
    currentProfile().ProfileName = name;
    const SettingsBlock copy = workingSettings;
    if ((listed >= 0 && !saveProfileList()) || !saveProfileNames(copy))
        showMessage(OneButton, "The settings could not be saved.");
    buildProfileMenu();
    return true;
}
