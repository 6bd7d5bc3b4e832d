#pragma once

#include "storage/MacroFile.h"

#include <QVector>
#include <QtGlobal>

// How the macro editor builds and reads [type, DataH, DataL] rows.

// The editors' mouse buttons: 0 left, 1 middle, 2 right, 3 forward, 4 backward.
constexpr int MouseButtonCount = 5;
// Move directions: 0 left, 1 right, 2 up, 3 down.
enum MoveDirection { MoveLeft = 0, MoveRight = 1, MoveUp = 2, MoveDown = 3 };
constexpr int MoveDirectionCount = 4;
// A move byte up to this value is a positive distance; above it, 256 less the byte.
constexpr int MaxMoveDistance = 120;
// Delay rows hold up to 65535 units of 10 ms.
constexpr int MaxDelayUnits = 0xFFFF;
constexpr int MaxDelayMs = MaxDelayUnits * 10;
constexpr int MinEditDelayMs = 10;
// The recoil rows' delays: as many digits as 65535 units would take, on the 10 ms step.
constexpr int MaxRecoilDelayMs = 65530;
// A shot of the recoil set waits three digits of milliseconds, on the 10 ms step.
constexpr int MaxShotDelayMs = 990;
// A macro without delay rows is sent with a delay after every four actions, so it
// keeps to fewer rows than one that carries its own delays.
constexpr int MaxRowsWithoutDelay = 40;

// Button bit of a button index; 0 for an index outside 0..4.
int mouseButtonBit(int button);
// Button index of a single button bit; -1 for any other value.
int mouseButtonIndex(int bit);
// [0x81 or 0x01, 0, bit]; [0, 0, 0] for a button outside 0..4.
MacroAction mouseButtonRow(int button, bool release);
// [2, DataH, DataL] along one axis, the distance cut to 8 bits; [2, 0, 0] for an
// unknown direction.
MacroAction mouseMoveRow(int direction, int distance);

struct MoveStep
{
    int direction = MoveDown;
    int distance = 0;
    bool singleAxis = true; // false when both bytes move
};
// A move row's direction and distance; [2, 0, 0] reads as down by 0, a row that
// moves on both axes as left by 0.
MoveStep decodeMove(quint8 dataH, quint8 dataL);

// The delay row of ms milliseconds (ms / 10 units, at most 65535).
MacroAction delayRow(int ms);
MacroAction delayRowOfUnits(int units);
int delayRowMs(const MacroAction &row);
// Units of a measured gap between two recorded events: at least 1, whole 10 ms
// steps, at most 65535.
int recordedDelayUnits(qint64 gapMs);

bool hasDelayRow(const QVector<MacroAction> &rows);
// Whether the rows still fit the mouse after `added` is put among them: 63 rows,
// or 40 when neither holds a delay row.
bool rowsFit(const QVector<MacroAction> &rows, const QVector<MacroAction> &added);
// Source text (context QObject) of the limit that applies to those rows.
const char *rowLimitText(const QVector<MacroAction> &rows, const QVector<MacroAction> &added);
// The same for a file of more rows than any macro holds.
constexpr const char *TooManyRowsText = "A macro holds at most 63 rows.";

// Every key and button press is followed, later in the table, by a release of the
// same kind and code; moves and delays take no part.
bool allKeysReleased(const QVector<MacroAction> &rows);
// The rows with a release at the end for each press left without one, the last
// pressed let go first. Where the mouse could not hold those releases, the last
// presses left without one go instead. Nothing stays down once the macro has run.
QVector<MacroAction> withHeldKeysReleased(QVector<MacroAction> rows);

// Source texts (context QObject) of the button indexes and move directions.
const char *mouseButtonName(int button);
const char *moveDirectionName(int direction);
// Shown where a typed or chosen name breaks the macro-name rule.
constexpr const char *InvalidMacroNameText = "A macro name cannot be empty or hold / \\ or ..";
