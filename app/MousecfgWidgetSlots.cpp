#include "app/MousecfgWidget.h"

#include "device/HostActions.h"
#include "device/SettingsCommands.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"
#include "storage/ProfileNames.h"
#include "storage/SettingsBlock.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include <algorithm>

namespace {
enum KeyGroup { FrontKeys = 0, SideKeys = 1, ArrowKeys = 2, KeyGroupCount = 3 };
constexpr int KeysPerView = 20;
}

bool MousecfgWidget::switchProfileSlot(int index, bool reload)
{
    index = safeProfileIndex(index);
    m_profileButton->setCaption(m_profileActions[size_t(index)]->text());
    workingSettings.currentProfile = quint8(index);
    if (reload)
        loadSlotFromFile(index, workingSettings.names[size_t(index)]);
    m_nameEdit->setText(workingSettings.names[size_t(index)]);
    refreshPages();
    return saveCurrentProfileId(index);
}

bool MousecfgWidget::loadSlotFromFile(int slot, const QString &name)
{
    const QString path = existingProfileFile(name);
    if (path.isEmpty()) {
        showMessage(OneButton, "The profile file could not be found.");
        return false;
    }
    ProfileRecord &record = workingSettings.profiles[size_t(slot)];
    loadSlotProfile(record, name);
    record.ProfileName = name;
    return true;
}

void MousecfgWidget::showCurrentName(const QString &name)
{
    workingSettings.names[size_t(safeProfileIndex(workingSettings.currentProfile))] = name;
    m_nameEdit->setText(name);
}

// The slot menu also tells the mouse at once.
void MousecfgWidget::onProfileMenuAction()
{
    const auto found = std::find_if(m_profileActions.begin(), m_profileActions.end(),
                                    [this](const std::unique_ptr<QuorAction> &a) { return a.get() == sender(); });
    if (found == m_profileActions.end())
        return;
    const int index = int(found - m_profileActions.begin());
    switchProfileSlot(index, false);
    buildProfileMenu();
    setActiveProfile(index);
    commitAll();
    setWindowsMouseSpeed();
    m_nameEdit->setText(workingSettings.names[size_t(index)]);
}

void MousecfgWidget::loadProfileList()
{
    m_profileList = ::loadProfileList();
}

bool MousecfgWidget::saveProfileList()
{
    return ::saveProfileList(m_profileList);
}

bool MousecfgWidget::addToProfileList(const QString &name)
{
    m_profileList << name;
    const bool saved = saveProfileList();
    if (!saved)
        showMessage(OneButton, "The settings could not be saved.");
    buildProfileMenu();
    return saved;
}

void MousecfgWidget::buildProfileMenu()
{
    m_spareMenu->clear();
    m_profileListActions.clear();
    for (const QString &name : qAsConst(m_profileList)) {
        auto action = std::make_unique<QuorAction>(m_spareMenu);
        action->setText(name);
        m_spareMenu->addAction(action.get());
        connect(action.get(), &QAction::triggered, this, &MousecfgWidget::onProfileListAction);
        m_profileListActions.push_back(std::move(action));
    }
    m_spareMenu->setFixedWidth(scaledPixels(152, m_dScale));
    m_nameApplyButton->setMenu(m_spareMenu);
}

// The entry's work waits for the event loop: a message box it opens may let the
// menu be rebuilt, which deletes the entry.
void MousecfgWidget::onProfileListAction()
{
    const auto found = std::find_if(m_profileListActions.begin(), m_profileListActions.end(),
                                    [this](const std::unique_ptr<QuorAction> &a) { return a.get() == sender(); });
    const int index = int(found - m_profileListActions.begin());
    if (found == m_profileListActions.end() || index >= m_profileList.size())
        return;
    const QString name = m_profileList[index];
    QTimer::singleShot(0, this, [this, name] { takeListedProfile(name); });
}

// Puts a stored profile into the current slot.
void MousecfgWidget::takeListedProfile(const QString &name)
{
    if (isNameUsedByOtherSlot(workingSettings, name)) {
        showMessage(OneButton, "Profile is Already Used!");
        return;
    }
    const int current = safeProfileIndex(workingSettings.currentProfile);
    if (!loadSlotFromFile(current, name))
        return;
    showCurrentName(name);
    refreshPages();
}

void MousecfgWidget::selectKeyButton(quint8 index, quint8 group)
{
    if (group >= KeyGroupCount)
        return;
    m_iKeyGroup = group;
    m_selectedKey[group] = index;
    highlightKeyButton(index, group);
}

// Marks the hot-spot or arrow of the key without storing it as the selection.
void MousecfgWidget::highlightKeyButton(quint8 index, quint8 group)
{
    if (group >= KeyGroupCount)
        return;
    for (QuorPushButton *spot : m_hotspots)
        spot->setSelected(true);
    m_arrowUp->setSelected(true);
    m_arrowDown->setSelected(true);
    QuorPushButton *chosen = nullptr;
    if (group == ArrowKeys)
        chosen = index == 0 ? m_arrowUp : index == 1 ? m_arrowDown : nullptr;
    else if (index < KeysPerView)
        chosen = m_hotspots[size_t(group == SideKeys ? KeysPerView + index : index)];
    if (chosen)
        chosen->setSelected(false);
}

// While a macro is recorded the window's commands wait.
void MousecfgWidget::slotEnableButtons(bool enable)
{
    std::vector<QuorPushButton *> buttons(m_buttons.begin(), m_buttons.begin() + TabCount);
    buttons.insert(buttons.end(), {m_langButton, m_closeButton, m_minButton, m_firmwareButton, m_profileButton});
    buttons.insert(buttons.end(), m_buttons.begin() + 4, m_buttons.begin() + 14);
    for (QuorPushButton *button : buttons)
        button->setButtonEnabled(enable);
    m_nameEdit->setEnabled(enable);
    for (QuorPushButton *button : {m_nameApplyButton, m_mouseButton, m_buttons[14], m_buttons[15]})
        button->setButtonEnabled(enable);
}

void MousecfgWidget::SelBtnChanged(quint8 index, quint8 group)
{
    selectKeyButton(index, group);
}

// A profile-menu entry names the current slot.
void MousecfgWidget::slot_show_profilename(QAction *action)
{
    if (!action)
        return;
    m_profileButton->setCaption(action->text());
    workingSettings.names[size_t(safeProfileIndex(workingSettings.currentProfile))] = action->text();
}
