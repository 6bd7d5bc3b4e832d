#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

constexpr int ButtonTableSize = 98;
constexpr int ButtonTableEntries = 24;
constexpr int WheelUpEntry = 22;
constexpr int WheelDownEntry = 23;

// The button table as last built: 0x0A 0x00, then 24 four-byte entries. Entries that
// no button reaches keep their earlier content.
extern std::array<quint8, ButtonTableSize> buttonTableImage;

// One row of the button function table: program function code -> device entry.
struct ButtonFunction
{
    int fun;
    quint8 code;
    quint8 b1;
    quint8 b2;
    quint8 b3;
};

// The row of a program function code, nullptr when none holds it.
const ButtonFunction *findButtonFunction(int fun);
// The first row whose device code, b2 or b3 matches; nullptr when none.
const ButtonFunction *findButtonFunctionByCode(quint8 code);
const ButtonFunction *findButtonFunctionByB2(quint8 b2);
const ButtonFunction *findButtonFunctionByB3(quint8 b3);

// Builds the table from a profile of deviceSettings and numbers its macros; returns the
// button count used (at most 16), or -1 with nothing built when two of the model's
// buttons have one place in the table (a descriptor without matrix entries reads them
// all as 0, the left button's place).
int buildButtonTable(int profile);
// 0x03: builds the table of deviceSettings' current profile and sends it.
quint8 sendButtonTable();
// Builds the device entry of a button slot of a profile of deviceSettings at a table entry.
void buildButtonEntry(int profile, int slot, int entry);
// The index stored for a macro name; 255 when absent, -1 when the map is empty.
int findMacroIndex(const QString &name);
