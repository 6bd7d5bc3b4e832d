#pragma once

#include "storage/SettingsBlock.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Macro and recoil files: configDirPath() + "/MacroDB/" + name + ".MSMACRO", INI
// keys under "Setting/", and their names in the 50 slots of "MACRO_LIST" in
// Config.ini.

constexpr int MacroListSize = 50;
constexpr int MaxMacroRows = KeyStepCount;
constexpr int MaxDefaultDelayMs = 65535;
constexpr int MaxLoopTime = 255;

// Row types; bit 7 marks a press.
constexpr quint8 MacroKeyPress = 0x84;
constexpr quint8 MacroKeyRelease = 0x04;
constexpr quint8 MacroButtonPress = 0x81;
constexpr quint8 MacroButtonRelease = 0x01;
constexpr quint8 MacroMove = 0x02;
constexpr quint8 MacroDelay = 0x06;

// "Setting/DelayType"
constexpr int DelayNone = 0;
constexpr int DelayRecorded = 1;
constexpr int DelayDefault = 2;
// "Setting/LoopType": 0 no loop option, 1 to 3 the page's three loop options.
constexpr int LoopTypeCount = 4;

// One step as files and the editor hold it: [type, DataH, DataL]. Key rows carry
// the HID usage in DataL, button rows a button bit (1, 2, 4, 8, 16), move rows the
// vertical distance in DataH and the horizontal one in DataL, delay rows a
// big-endian count of 10 ms units.
struct MacroAction
{
    quint8 type = 0;
    quint8 dataH = 0;
    quint8 dataL = 0;
    bool operator==(const MacroAction &o) const { return type == o.type && dataH == o.dataH && dataL == o.dataL; }
    bool operator!=(const MacroAction &o) const { return !(*this == o); }
};

struct MacroFile
{
    int defaultDelay = 0; // ms, 0..65535
    int delayType = DelayNone;
    int loopType = 0;
    int loopTime = 0; // 0..255
    QVector<MacroAction> rows;
    bool writeSign = false; // changed since the last upload
    bool damaged = false;   // read from a regular file that is not whole (checkMacroFile)
};

// Whether the file's "Setting/WriteSign" is set by this write.
enum class WriteSign { Mark, Leave };

// Names of macro files, wherever one is typed or read: the profile-name rule (not
// empty, no "/", "\", NUL, not a bare "." or "..") and no control characters.
bool isValidMacroName(const QString &name);
// Empty for a name that breaks the rule.
QString macroFilePath(const QString &name);

// A stored row as every reader takes it, the kind from the type's low seven bits:
// key rows 0x84 or 0x04 without DataH; button rows 0x81 or 0x01 holding a single
// button bit, without DataH; moves [2, DataH, DataL] along one axis ([2, 0, 0] for
// one that moves on both); delays [6, DataH, DataL]. Nothing for any other row.
std::optional<MacroAction> readableMacroRow(const MacroAction &stored);
// At most 63 rows (a larger Count is clamped), each value cut to its low byte and
// read as readableMacroRow says. Unreadable rows are dropped and the rest close up;
// delay rows are kept whatever the delay type. A delay or loop type outside its
// values reads as 0. A missing file or an invalid name reads as the defaults.
// Of a damaged file only the whole rows are read, those whose three values are
// numbers: a row whose last line was cut would read as a key of its own.
// The editor, the button page and the upload all read macros through it.
MacroFile readMacroFile(const QString &name);

enum class MacroFileCheck {
    Whole,
    NotWhole, // no Count, a row's type missing or not a number, the last line cut
    TooLong,  // more rows than the mouse holds
};
// Whether the file holds the macro whole: a Count of 0 to 63, a Map number for each
// row below it, and a last line that ends. A row of a type the reader skips counts as
// held: the macro is taken without it.
MacroFileCheck checkMacroFile(const QString &name);
// A file that is there but not whole (checkMacroFile): its macro is not taken as it is.
bool macroFileDamaged(const QString &name);
// Writes the options, Count and the rows; row keys past Count of an older save are
// left alone. False, with nothing written, for an invalid name or more than 63
// rows; false when the file could not be written.
bool writeMacroFile(const QString &name, const MacroFile &macro, WriteSign sign);
// True when the file's change mark was set; the mark is cleared.
bool takeMacroWriteSign(const QString &name);

// The device and the button slots hold a step as [type, DataL, DataH].
KeyStep keyStepFromMacroRow(int type, int dataH, int dataL);
KeyStep keyStepFromMacroRow(const MacroAction &row);
// The rows into the slot's first key steps, their count into KeyNumber; the key
// steps after them keep what they held.
void copyMacroRowsToSlot(const QVector<MacroAction> &rows, ButtonSlot &slot);

// "MACRO_LIST/0" to "MACRO_LIST/49"; an empty value is a free slot.
QStringList readMacroList();
// The names of the used slots, in slot order.
QStringList listedMacroNames();
int countMacros();
// -1 when there is none.
int firstFreeMacroSlot();
int findMacroSlot(const QString &name);
bool setMacroListSlot(int slot, const QString &name);
// Stores a valid name in the first free slot; its index, -1 when the list is full,
// the name is invalid or Config.ini could not be written.
int addToMacroList(const QString &name);
// Frees the first slot holding the name; its index, -1 when none holds it or
// Config.ini could not be written.
int removeFromMacroList(const QString &name);
