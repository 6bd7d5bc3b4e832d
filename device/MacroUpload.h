#pragma once

#include "storage/SettingsBlock.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

#include <array>

constexpr int MacroSlotCount = 20;
constexpr int MacroSlotSize = 200;
constexpr int MaxMacroSteps = KeyStepCount;

// The mouse's macro memory as last packed: 20 slots of 200 bytes.
extern std::array<quint8, MacroSlotCount * MacroSlotSize> macroImage;

// A macro step record for a button slot: the slot's fields with the rows of its file
// (readMacroFile) as key steps and their count in KeyNumber.
ButtonSlot readMacroStepRecord(const ButtonSlot &button);
// Packs a step record into slot k of the macro image; an inserted 10 ms delay follows
// every four actions of a macro without delays, and an end record closes it.
void packMacroActions(const ButtonSlot &record, int slot);
// Packs the macros of deviceSettings that the button table numbered into the macro
// image, erasing each name from the map and adding it to `packed` (a damaged or
// missing file's to takeFaultyMacros); false (after logging) when an index passes the
// 20 slots.
bool packNumberedMacros(const char *overflowLog, QStringList *packed = nullptr);
struct FaultyMacro
{
    enum Fault { Damaged, Missing };
    QString name;
    Fault fault = Damaged;
    bool operator==(const FaultyMacro &o) const { return name == o.name && fault == o.fault; }
};
// The macros packed since the last call whose files were not whole or not there: each
// was packed without rows. The list is emptied.
QVector<FaultyMacro> takeFaultyMacros();
// Whether slot k of the macro image holds a macro (its first five bytes are not all zero).
bool macroSlotInUse(int k);
// 0x05: packs and sends the macros numbered by the button table; 0 when nothing is sent.
// Clears the change mark of every macro the mouse then holds.
quint8 uploadMacros();
// Removes the map entry that holds the name.
void eraseMacroName(const QString &name);
// Whether a step record holds a delay step (type 6).
bool macroHasDelay(const ButtonSlot &record);
