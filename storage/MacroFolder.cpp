#include "storage/MacroFolder.h"

#include "storage/AppFolder.h"
#include "storage/FileCopy.h"
#include "storage/MacroFile.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"

#include <QFile>
#include <QFileInfo>

namespace {
const QString kSuffix = QStringLiteral(".MSMACRO");

bool endsWithSuffix(const QString &path)
{
    return path.endsWith(kSuffix, Qt::CaseInsensitive);
}

template <typename Block, typename Visit>
int forEachButtonUsing(Block &block, const QString &name, Visit visit)
{
    int n = 0;
    for (auto &profile : block.profiles) {
        for (auto &slot : profile.buttons) {
            if (usesMacroFile(slot.Fun) && slot.macroname == name) {
                visit(slot);
                ++n;
            }
        }
    }
    return n;
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

bool copyMacroFile(const QString &from, const QString &to, TargetFolder folder)
{
    if (!copyFileReplacing(from, to, folder))
        return false;
    QFile copy(to);
    return copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

int countButtonsUsingMacro(const SettingsBlock &block, const QString &name)
{
    return forEachButtonUsing(block, name, [](const ButtonSlot &) {});
}

int renameMacroInButtons(SettingsBlock &block, const QString &from, const QString &to)
{
    return forEachButtonUsing(block, from, [&to](ButtonSlot &slot) { slot.macroname = to; });
}

bool renameMacroInProfileFiles(const SettingsBlock &block, const QString &from, const QString &to)
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
        if (renameMacroInButtons(stored, from, to) > 0)
            saved = saveProfileFile(stored.profiles[0], name) && saved;
    }
    return saved;
}
