#include "storage/MacroFolder.h"

#include "storage/AppFolder.h"
#include "storage/FileCopy.h"
#include "storage/MacroFile.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"

#include <QFile>
#include <QFileInfo>

#include <functional>

namespace {
const QString kSuffix = QStringLiteral(".MSMACRO");

bool endsWithSuffix(const QString &path)
{
    return path.endsWith(kSuffix, Qt::CaseInsensitive);
}

// Visits (slot, profile index, button index) for each slot that names the macro.
template <typename Block, typename Visit>
int forEachButtonUsing(Block &block, const QString &name, Visit visit)
{
    int n = 0;
    for (int p = 0; p < ProfileCount; ++p) {
        auto &buttons = block.profiles[size_t(p)].buttons;
        for (size_t i = 0; i < buttons.size(); ++i) {
            if (usesMacroFile(buttons[i].Fun) && buttons[i].macroname == name) {
                visit(buttons[i], p, i);
                ++n;
            }
        }
    }
    return n;
}

// Runs the change on the stored profile of each slot name of the block and of the
// profile list, each file once, and writes back the files it changed.
bool changeProfileFiles(const SettingsBlock &block, const std::function<int(SettingsBlock &)> &change)
{
    bool saved = true;
    QStringList done;
    // The listed profiles that no slot holds name the macro as well.
    QStringList names = loadProfileList();
    names.append(QStringList(block.names.begin(), block.names.end()));
    for (const QString &name : qAsConst(names)) {
        if (done.contains(name) || existingProfileFile(name).isEmpty())
            continue;
        done << name;
        SettingsBlock stored;
        loadSlotProfile(stored.profiles[0], name);
        if (change(stored) > 0)
            saved = saveProfileFile(stored.profiles[0], name) && saved;
    }
    return saved;
}
}

bool isMacroNameTaken(const QString &name)
{
    return fileExists(macroFilePath(name)) || findMacroSlot(name) >= 0;
}

QString freeMacroName(const QString &name)
{
    QString candidate = name;
    for (int k = 2; isMacroNameTaken(candidate); ++k)
        candidate = name + QStringLiteral("_%1").arg(k);
    return candidate;
}

QString macroNameOfFile(const QString &path)
{
    const QString file = QFileInfo(path).fileName();
    return endsWithSuffix(file) ? file.chopped(kSuffix.size()) : file;
}

QString withMacroSuffix(const QString &path)
{
    return endsWithSuffix(path) ? path : path + kSuffix;
}

CopyResult copyMacroFile(const QString &from, const QString &to, TargetFolder folder)
{
    const CopyResult result = copyFileReplacing(from, to, folder);
    if (result != CopyResult::Copied)
        return result;
    QFile copy(to);
    const bool owned = copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return owned ? CopyResult::Copied : CopyResult::TargetRefused;
}

int countButtonsUsingMacro(const SettingsBlock &block, const QString &name)
{
    return forEachButtonUsing(block, name, [](const ButtonSlot &, int, size_t) {});
}

int renameMacroInButtons(SettingsBlock &block, const QString &from, const QString &to)
{
    return forEachButtonUsing(block, from, [&to](ButtonSlot &slot, int, size_t) { slot.macroname = to; });
}

int resetButtonsUsingMacro(SettingsBlock &block, const QString &name)
{
    ProfileRecord factory;
    resetProfileToDefaults(factory);
    return forEachButtonUsing(block, name, [&factory](ButtonSlot &slot, int, size_t i) { slot = factory.buttons[i]; });
}

int profilesUsingMacro(const SettingsBlock &block, const QString &name)
{
    int mask = 0;
    forEachButtonUsing(block, name, [&mask](const ButtonSlot &, int p, size_t) { mask |= 1 << p; });
    return mask;
}

bool renameMacroInProfileFiles(const SettingsBlock &block, const QString &from, const QString &to)
{
    return changeProfileFiles(block, [&](SettingsBlock &stored) { return renameMacroInButtons(stored, from, to); });
}

bool resetButtonsUsingMacroInProfileFiles(const SettingsBlock &block, const QString &name)
{
    return changeProfileFiles(block, [&](SettingsBlock &stored) { return resetButtonsUsingMacro(stored, name); });
}
