#pragma once

#include "storage/SettingsBlock.h"

#include <QString>
#include <QStringList>

// Names of the profile files of the current product (configDirPath() + "/" + product +
// "/Profile/"); a name is the file's base name.

// "Profile 1" .. "Profile 5", letter case included.
bool isDefaultProfileName(const QString &name);
// "Profile <n>" with the lowest n from 1 up whose file does not exist.
QString newProfileName();
// name + " copy", else name + " copy <m>" with the lowest m from 2 up whose file does not exist.
QString copyProfileName(const QString &name);

enum class NewProfileName {
    Accepted,
    Unsafe, // empty, or a path that leaves the profile folder
    Exists, // "Profile Exist!"
};
// The check of a name a rename or an import gives a profile file.
NewProfileName checkNewProfileName(const QString &name);

// A slot whose stored name gives no profile file (empty, or a path that leaves the
// folder) would never be saved: it takes "Profile <slot + 1>", else the lowest
// "Profile <n>" that no other slot holds; with Load, also that file's profile.
enum class RepairedSlots { Load, KeepRecords };
void repairSlotNames(SettingsBlock &block, RepairedSlots records);

// Slots of one name share one file, so a restart would give them the first one's
// values: a slot whose name an earlier slot holds takes the copy name (as
// copyProfileName gives it) that neither a file nor a slot holds.
void renameRepeatedSlotNames(SettingsBlock &block);

// Whether writing the loaded block would replace a stored profile file that no slot of
// the current block holds: every slot's file is written with its record.
bool loadReplacesStoredProfile(const SettingsBlock &loaded, const SettingsBlock &current);

// Whether a slot other than the current one (or than `slot`) holds the name.
bool isNameUsedByOtherSlot(const SettingsBlock &block, const QString &name);
bool isNameUsedByOtherSlotOf(const SettingsBlock &block, int slot, const QString &name);
// 'A' + i for the lowest set bit i of bits 0..25; '[' when none of them is set.
int firstLetterOfMask(quint32 mask);

// The name that takes the place of list entry `index` when it is deleted: the first
// of the other entries, from index + 1 downwards and then upwards (index - 1 downwards
// for the last entry), that no other slot holds, is not the deleted name and is a safe
// name. An index outside the list walks every entry in order. Empty when there is none.
QString pickReplacementProfileName(const QStringList &list, int index, const SettingsBlock &block);

enum class ProfileDeleteCheck {
    Allowed,
    RetainOne,       // "AT LEAST ONE PROFILE TO BE RETAINED.": no other name to take its place
    DefaultName,     // "The default Profile cannot be deleted or renamed."
    UsedByOtherSlot, // another slot holds the same name and its file
};
struct ProfileDeletePlan
{
    ProfileDeleteCheck check = ProfileDeleteCheck::RetainOne;
    QString name;        // the name to delete
    int listIndex = -1;  // its entry in the list, -1 when it is not listed (no file is removed then)
    QString replacement; // the current slot's name afterwards
};
// DELETE acts on the name in the name edit; the current slot takes the replacement.
ProfileDeletePlan planProfileDelete(const QStringList &list, const SettingsBlock &block, const QString &name);
