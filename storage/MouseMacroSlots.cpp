#include "storage/MouseMacroSlots.h"

#include "storage/ConfigIni.h"
#include "storage/FunctionCodes.h"
#include "storage/IniFile.h"
#include "storage/ModelDescriptor.h"

#include <algorithm>

namespace {
QString slotKey(int k)
{
    return QStringLiteral("MOUSE_MACROS/%1").arg(k);
}

bool contains(const std::vector<QString> &names, const QString &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool usedByOtherProfile(const QString &name, const SettingsBlock &working, const SettingsBlock &lastWritten,
                        int profile)
{
    for (int i = 0; i < ProfileCount; ++i) {
        if (i != profile
            && (contains(tableMacroNames(working.profiles[size_t(i)]), name)
                || contains(tableMacroNames(lastWritten.profiles[size_t(i)]), name)))
            return true;
    }
    return false;
}
}

MouseMacroSlots readMouseMacroSlots()
{
    IniFile ini(configIniPath());
    MouseMacroSlots names;
    for (int k = 0; k < MouseMacroSlotCount; ++k)
        names[size_t(k)] = ini.text(slotKey(k));
    return names;
}

bool writeMouseMacroSlots(const MouseMacroSlots &names)
{
    if (names == readMouseMacroSlots())
        return true;
    IniFile ini(configIniPath());
    for (int k = 0; k < MouseMacroSlotCount; ++k)
        ini.setValue(slotKey(k), names[size_t(k)]);
    return ini.commit();
}

bool renameMouseMacroSlot(const QString &oldName, const QString &newName)
{
    MouseMacroSlots names = readMouseMacroSlots();
    std::replace(names.begin(), names.end(), oldName, newName);
    return writeMouseMacroSlots(names);
}

std::vector<int> tableButtonSlots()
{
    std::vector<int> order;
    const int count = std::clamp(modelButtonCount(), 0, MatrixSize);
    for (int i = 0; i < count; ++i)
        order.push_back(i);
    order.push_back(40);
    order.push_back(41);
    return order;
}

std::vector<QString> tableMacroNames(const ProfileRecord &record)
{
    std::vector<QString> names;
    for (int slot : tableButtonSlots()) {
        const ButtonSlot &button = record.buttons[size_t(slot)];
        if (usesMacroFile(button.Fun) && !button.macroname.isEmpty() && !contains(names, button.macroname))
            names.push_back(button.macroname);
    }
    return names;
}

std::optional<MouseMacroSlots> planMouseMacroSlots(const MouseMacroSlots &stored, const SettingsBlock &working,
                                                   const SettingsBlock &lastWritten, int profile)
{
    MouseMacroSlots plan;
    for (int k = 0; k < MouseMacroSlotCount; ++k) {
        const QString &name = stored[size_t(k)];
        if (!name.isEmpty() && std::find(plan.begin(), plan.end(), name) == plan.end()
            && usedByOtherProfile(name, working, lastWritten, profile))
            plan[size_t(k)] = name;
    }
    for (const QString &name : tableMacroNames(working.profiles[size_t(safeProfileIndex(profile))])) {
        if (std::find(plan.begin(), plan.end(), name) != plan.end())
            continue;
        auto freeSlot = std::find(plan.begin(), plan.end(), QString());
        if (freeSlot == plan.end())
            return std::nullopt;
        *freeSlot = name;
    }
    return plan;
}
