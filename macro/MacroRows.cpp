#include "macro/MacroRows.h"

#include <algorithm>
#include <array>

namespace {
constexpr std::array<int, MouseButtonCount> buttonBits{{1, 4, 2, 8, 16}};
constexpr quint8 PressBit = 0x80;

quint8 negativeByte(int distance)
{
    return quint8((256 - (distance & 0xFF)) & 0xFF);
}

// Distance of one move byte: up to 120 forward, above it backward.
int byteDistance(quint8 value)
{
    return value > MaxMoveDistance ? 256 - value : value;
}

bool isKeyOrButtonRow(const MacroAction &row)
{
    const int kind = row.type & ~PressBit;
    return kind == MacroKeyRelease || kind == MacroButtonRelease;
}

// Indexes of the presses that no later release of their kind and code follows.
QVector<int> unreleasedPresses(const QVector<MacroAction> &rows)
{
    QVector<int> pending;
    for (int i = 0; i < rows.size(); ++i) {
        if (!isKeyOrButtonRow(rows[i]))
            continue;
        if (rows[i].type & PressBit) {
            pending.append(i);
            continue;
        }
        const auto pressed = std::find_if(pending.begin(), pending.end(), [&rows, i](int p) {
            return (rows[p].type & ~PressBit) == rows[i].type && rows[p].dataL == rows[i].dataL;
        });
        if (pressed != pending.end())
            pending.erase(pressed);
    }
    return pending;
}

// A delay row among them raises the limit: the mouse then adds no delays of its own.
bool delayLimitApplies(const QVector<MacroAction> &rows, const QVector<MacroAction> &added)
{
    return hasDelayRow(rows) || hasDelayRow(added);
}
}

int mouseButtonBit(int button)
{
    return button >= 0 && button < MouseButtonCount ? buttonBits[size_t(button)] : 0;
}

int mouseButtonIndex(int bit)
{
    const auto it = std::find(buttonBits.begin(), buttonBits.end(), bit);
    return it != buttonBits.end() ? int(it - buttonBits.begin()) : -1;
}

MacroAction mouseButtonRow(int button, bool release)
{
    const int bit = mouseButtonBit(button);
    if (bit == 0)
        return MacroAction{};
    return MacroAction{release ? MacroButtonRelease : MacroButtonPress, 0, quint8(bit)};
}

MacroAction mouseMoveRow(int direction, int distance)
{
    const quint8 forward = quint8(distance & 0xFF);
    switch (direction) {
    case MoveLeft:
        return MacroAction{MacroMove, 0, negativeByte(distance)};
    case MoveRight:
        return MacroAction{MacroMove, 0, forward};
    case MoveUp:
        return MacroAction{MacroMove, negativeByte(distance), 0};
    case MoveDown:
        return MacroAction{MacroMove, forward, 0};
    default:
        return MacroAction{MacroMove, 0, 0};
    }
}

MoveStep decodeMove(quint8 dataH, quint8 dataL)
{
    if (dataH != 0 && dataL != 0)
        return MoveStep{MoveLeft, 0, false};
    if (dataL != 0)
        return MoveStep{dataL > MaxMoveDistance ? MoveLeft : MoveRight, byteDistance(dataL), true};
    return MoveStep{dataH > MaxMoveDistance ? MoveUp : MoveDown, byteDistance(dataH), true};
}

MacroAction delayRow(int ms)
{
    return delayRowOfUnits(ms / 10);
}

MacroAction delayRowOfUnits(int units)
{
    units = std::clamp(units, 0, MaxDelayUnits);
    return MacroAction{MacroDelay, quint8(units >> 8), quint8(units & 0xFF)};
}

int delayRowMs(const MacroAction &row)
{
    return row.dataH * 2560 + row.dataL * 10;
}

int recordedDelayUnits(qint64 gapMs)
{
    return int(std::clamp<qint64>(gapMs / 10, 1, MaxDelayUnits));
}

bool hasDelayRow(const QVector<MacroAction> &rows)
{
    return std::any_of(rows.begin(), rows.end(), [](const MacroAction &r) { return r.type == MacroDelay; });
}

bool rowsFit(const QVector<MacroAction> &rows, const QVector<MacroAction> &added)
{
    const int limit = delayLimitApplies(rows, added) ? MaxMacroRows : MaxRowsWithoutDelay;
    return rows.size() + added.size() <= limit;
}

const char *rowLimitText(const QVector<MacroAction> &rows, const QVector<MacroAction> &added)
{
    return delayLimitApplies(rows, added) ? TooManyRowsText
                                          : QT_TRANSLATE_NOOP("QObject", "A macro without a delay holds at most 40 rows.");
}

bool allKeysReleased(const QVector<MacroAction> &rows)
{
    return unreleasedPresses(rows).isEmpty();
}

QVector<MacroAction> withHeldKeysReleased(QVector<MacroAction> rows)
{
    QVector<int> pending = unreleasedPresses(rows);
    const auto releases = [&rows, &pending] {
        QVector<MacroAction> added;
        for (auto it = pending.crbegin(); it != pending.crend(); ++it)
            added.append(MacroAction{quint8(rows[*it].type & ~PressBit), 0, rows[*it].dataL});
        return added;
    };
    // The last index is the largest: the rows before it keep their places.
    while (!pending.isEmpty() && !rowsFit(rows, releases()))
        rows.removeAt(pending.takeLast());
    return rows + releases();
}

const char *mouseButtonName(int button)
{
    static const char *const names[MouseButtonCount] = {
        QT_TRANSLATE_NOOP("QObject", "LEFT CLICK"), QT_TRANSLATE_NOOP("QObject", "MIDDLE CLICK"),
        QT_TRANSLATE_NOOP("QObject", "RIGHT CLICK"), QT_TRANSLATE_NOOP("QObject", "FORWARD"),
        QT_TRANSLATE_NOOP("QObject", "BACKWARD")};
    return button >= 0 && button < MouseButtonCount ? names[button] : "";
}

const char *moveDirectionName(int direction)
{
    static const char *const names[MoveDirectionCount] = {
        QT_TRANSLATE_NOOP("QObject", "MOVE LEFT"), QT_TRANSLATE_NOOP("QObject", "MOVE RIGHT"),
        QT_TRANSLATE_NOOP("QObject", "MOVE UP"), QT_TRANSLATE_NOOP("QObject", "MOVE DOWN")};
    return direction >= 0 && direction < MoveDirectionCount ? names[direction] : "";
}
