#include "storage/ProfileNames.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"

#include <algorithm>

namespace {
// A name is taken when either profile tree holds its file.
bool profileFileExists(const QString &name)
{
    return !existingProfileFile(name).isEmpty();
}

template <class Taken>
QString freeCopyName(const QString &name, Taken taken)
{
    QString target = name + QStringLiteral(" copy");
    for (int m = 2; taken(target); ++m)
        target = name + QStringLiteral(" copy %1").arg(m);
    return target;
}

// The walk's order over the other entries of the list.
QVector<int> replacementOrder(int count, int index)
{
    QVector<int> order;
    if (index < 0 || index >= count) {
        for (int j = 0; j < count; ++j)
            order << j;
        return order;
    }
    if (index + 1 < count)
        order << index + 1;
    for (int j = index - 1; j >= 0; --j)
        order << j;
    for (int j = index + 2; j < count; ++j)
        order << j;
    return order;
}
}

bool isDefaultProfileName(const QString &name)
{
    for (int k = 1; k <= ProfileCount; ++k) {
        if (name == QStringLiteral("Profile %1").arg(k))
            return true;
    }
    return false;
}

QString newProfileName()
{
    int n = 1;
    while (profileFileExists(QStringLiteral("Profile %1").arg(n)))
        ++n;
    return QStringLiteral("Profile %1").arg(n);
}

QString copyProfileName(const QString &name)
{
    return freeCopyName(name, profileFileExists);
}

NewProfileName checkNewProfileName(const QString &name)
{
    if (!isSafeProfileName(name))
        return NewProfileName::Unsafe;
    return profileFileExists(name) ? NewProfileName::Exists : NewProfileName::Accepted;
}

void repairSlotNames(SettingsBlock &block, RepairedSlots records)
{
    for (int i = 0; i < ProfileCount; ++i) {
        if (isSafeProfileName(block.names[size_t(i)]))
            continue;
        QString name = QStringLiteral("Profile %1").arg(i + 1);
        for (int n = 1; isNameUsedByOtherSlotOf(block, i, name); ++n)
            name = QStringLiteral("Profile %1").arg(n);
        block.names[size_t(i)] = name;
        if (records == RepairedSlots::Load && profileFileExists(name))
            loadSlotProfile(block.profiles[size_t(i)], name);
    }
}

void renameRepeatedSlotNames(SettingsBlock &block)
{
    auto &names = block.names;
    for (int i = 1; i < ProfileCount; ++i) {
        const auto earlier = names.begin() + i;
        if (std::find(names.begin(), earlier, names[size_t(i)]) == earlier)
            continue;
        names[size_t(i)] = freeCopyName(names[size_t(i)], [&names](const QString &candidate) {
            return profileFileExists(candidate) || std::find(names.begin(), names.end(), candidate) != names.end();
        });
    }
}

bool loadReplacesStoredProfile(const SettingsBlock &loaded, const SettingsBlock &current)
{
    for (const QString &name : loaded.names) {
        const bool held = std::find(current.names.begin(), current.names.end(), name) != current.names.end();
        if (!held && profileFileExists(name))
            return true;
    }
    return false;
}

bool isNameUsedByOtherSlot(const SettingsBlock &block, const QString &name)
{
    return isNameUsedByOtherSlotOf(block, safeProfileIndex(block.currentProfile), name);
}

bool isNameUsedByOtherSlotOf(const SettingsBlock &block, int slot, const QString &name)
{
    for (int k = 0; k < ProfileCount; ++k) {
        if (k != slot && block.names[size_t(k)] == name)
            return true;
    }
    return false;
}

QString pickReplacementProfileName(const QStringList &list, int index, const SettingsBlock &block)
{
    const QString deleted = index >= 0 && index < list.size() ? list[index] : QString();
    for (int j : replacementOrder(list.size(), index)) {
        const QString &candidate = list[j];
        if (candidate != deleted && isSafeProfileName(candidate) && !isNameUsedByOtherSlot(block, candidate))
            return candidate;
    }
    return QString();
}

ProfileDeletePlan planProfileDelete(const QStringList &list, const SettingsBlock &block, const QString &name)
{
    ProfileDeletePlan plan;
    plan.name = name;
    plan.listIndex = list.indexOf(plan.name);
    if (list.size() <= 1)
        plan.check = ProfileDeleteCheck::RetainOne;
    else if (isDefaultProfileName(plan.name))
        plan.check = ProfileDeleteCheck::DefaultName;
    else if (isNameUsedByOtherSlot(block, plan.name))
        plan.check = ProfileDeleteCheck::UsedByOtherSlot;
    else if ((plan.replacement = pickReplacementProfileName(list, plan.listIndex, block)).isEmpty())
        plan.check = ProfileDeleteCheck::RetainOne;
    else
        plan.check = ProfileDeleteCheck::Allowed;
    return plan;
}

int firstLetterOfMask(quint32 mask)
{
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i))
            return 'A' + i;
    }
    return 'A' + 26;
}
