#pragma once

#include "storage/FileCopy.h"
#include "storage/SettingsBlock.h"

#include <QString>

// Names and files of the macro folder beyond one macro's keys: which names are
// free, the names of chosen files, copies in and out, and the button slots that
// name a macro.

// Whether a file in the macro folder or a slot of the macro list holds the name.
bool isMacroNameTaken(const QString &name);
// The name itself, else name + "_2", "_3", ...: the first that nothing holds.
QString freeMacroName(const QString &name);
// The macro a chosen file stands for: its file name less a final ".MSMACRO" in any
// letter case ("Fire.v2.MSMACRO" is "Fire.v2").
QString macroNameOfFile(const QString &path);
// The path with ".MSMACRO" added unless it already ends so in any letter case.
QString withMacroSuffix(const QString &path);
// copyFileReplacing, then lets the owner read and write the copy, whatever the
// permissions of the file it came from or replaced. The macro folder is made when
// it is missing; a folder the user chose must exist.
CopyResult copyMacroFile(const QString &from, const QString &to, TargetFolder folder = TargetFolder::MustExist);

// Button slots of the block's five profiles whose macro or recoil function names
// the macro.
int countButtonsUsingMacro(const SettingsBlock &block, const QString &name);
// Bit i set for each profile i of the block with such a slot.
int profilesUsingMacro(const SettingsBlock &block, const QString &name);
// Gives those slots the new name; how many were changed.
int renameMacroInButtons(SettingsBlock &block, const QString &from, const QString &to);
// Gives each of those slots that button's slot of the factory profile, for a macro
// that is gone; how many were changed.
int resetButtonsUsingMacro(SettingsBlock &block, const QString &name);
// The same in the stored profile files of the block's five slots and of the profile
// list, so a restart without Apply, or a profile picked later, finds the macro under
// its new name. False when a file that needed
// the change could not be written.
bool renameMacroInProfileFiles(const SettingsBlock &block, const QString &from, const QString &to);
bool resetButtonsUsingMacroInProfileFiles(const SettingsBlock &block, const QString &name);
