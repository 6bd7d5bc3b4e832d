#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

constexpr int MouseMacroSlotCount = 20;

// The macro (or recoil set) name each of the mouse's 20 macro slots was given, empty
// where none: Config.ini "MOUSE_MACROS/0" .. "MOUSE_MACROS/19".
using MouseMacroSlots = std::array<QString, MouseMacroSlotCount>;

MouseMacroSlots readMouseMacroSlots();
// Writes the slots that differ from the file; true when nothing failed.
bool writeMouseMacroSlots(const MouseMacroSlots &names);
// A renamed macro keeps its slot.
bool renameMouseMacroSlot(const QString &oldName, const QString &newName);

// The button slots in the order the button table takes them: the model's buttons, then
// the wheel's two.
std::vector<int> tableButtonSlots();
// The macro names a profile's buttons use, each once, in table order.
std::vector<QString> tableMacroNames(const ProfileRecord &record);

// The slots after writing `profile`'s button table: a stored name keeps its slot while
// another profile uses it, in the working block or in the last-written one (the mouse
// may still run it there); the profile's other macros take the lowest free slots in
// table order. Nothing when they do not fit.
std::optional<MouseMacroSlots> planMouseMacroSlots(const MouseMacroSlots &stored, const SettingsBlock &working,
                                                   const SettingsBlock &lastWritten, int profile);
