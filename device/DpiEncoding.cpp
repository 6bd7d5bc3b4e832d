#include "device/DpiEncoding.h"

#include <algorithm>
#include <array>

namespace {

// Register tables indexed by raw value from their first defined index.
constexpr std::array<quint8, 51> TA = {
    0, 2, 4, 6, 8, 11, 13, 15, 18, 20, 22, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55,
    57, 59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108,
    111, 113, 115};
constexpr std::array<quint8, 62> TB = {
    0, 4, 6, 9, 11, 13, 15, 18, 20, 22, 24, 27, 29, 31, 33, 36, 38, 40, 43, 45, 47, 49, 52, 54, 56,
    58, 61, 63, 65, 67, 70, 72, 74, 77, 79, 81, 83, 86, 88, 90, 92, 95, 97, 99, 102, 104, 106, 108,
    111, 113, 115, 117, 120, 122, 124, 127, 129, 131, 133, 135, 138, 140};
constexpr int TCFirst = 2;
constexpr std::array<quint8, 79> TC = {
    4, 6, 9, 11, 14, 16, 18, 21, 23, 25, 27, 29, 32, 34, 36, 39, 41, 43, 46, 48, 50, 52, 55, 57, 59,
    62, 64, 66, 69, 72, 74, 77, 78, 81, 84, 85, 88, 91, 93, 95, 98, 100, 102, 105, 107, 109, 112,
    114, 116, 119, 121, 123, 126, 128, 130, 133, 135, 137, 140, 142, 145, 147, 149, 151, 154, 156,
    158, 161, 163, 165, 168, 171, 173, 175, 178, 180, 182, 185, 187};
constexpr int TDFirst = 1;
constexpr std::array<quint8, 160> TD = {
    0, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 22, 23, 24, 25, 26, 27, 29, 30,
    31, 32, 33, 35, 37, 38, 39, 40, 41, 42, 44, 45, 46, 47, 48, 50, 51, 52, 53, 54, 56, 57, 58, 59,
    60, 62, 63, 64, 65, 66, 68, 69, 70, 71, 72, 74, 75, 76, 77, 78, 80, 81, 82, 83, 84, 86, 87, 88,
    89, 90, 92, 93, 94, 95, 96, 98, 99, 100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113,
    114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129, 130, 131, 132, 134, 135, 136,
    137, 138, 140, 141, 142, 143, 144, 146, 147, 148, 149, 150, 152, 153, 154, 155, 156, 158, 159,
    160, 161, 162, 164, 165, 166, 167, 168, 170, 171, 172, 173, 174, 176, 177, 178, 179, 180, 181,
    182, 183, 184, 185, 186, 187, 188, 188};

// Raw values come from files: an index outside the table's defined range is clamped into it.
template<size_t N>
quint8 lookup(const std::array<quint8, N> &table, int first, qint64 index)
{
    return table[size_t(std::clamp<qint64>(index, first, first + qint64(N) - 1) - first)];
}

DpiRegister reg(qint64 low, quint8 range)
{
    return {quint8(low & 0xFF), range};
}

DpiRegister word(quint32 v)
{
    return {quint8(v & 0xFF), quint8((v >> 8) & 0xFF)};
}

// Above the bound: w = v - offset as (w low, (w >> 8) OR 0x80).
DpiRegister highForm(quint32 v, quint32 bound, quint32 offset)
{
    if (v <= bound)
        return word(v);
    const quint32 w = v - offset;
    return {quint8(w & 0xFF), quint8(((w >> 8) | 0x80) & 0xFF)};
}

} // namespace

DpiRegister encodeDpiRegister(int sensor, quint32 raw, bool second, quint8 statusByte)
{
    const qint64 v = raw;
    switch (sensor) {
    case 3325:
    case 33252:
        return v <= 50 ? reg(lookup(TA, 0, v), 0) : reg(lookup(TA, 0, v - 25), 1);
    case 3327:
        if (v <= 61)
            return reg(lookup(TB, 0, v), 0);
        if (v <= 92)
            return reg(lookup(TB, 0, v - 31), 1);
        return reg(lookup(TB, 0, v - 52), 4);
    case 3333:
        return v <= 79 ? reg(lookup(TC, TCFirst, v), 0) : reg(lookup(TC, TCFirst, v - 40), 1);
    case 3335:
    case 33352:
        return v <= 160 ? reg(lookup(TD, TDFirst, v), 0) : reg(lookup(TD, TDFirst, v - 40), 1);
    case 3360:
        return v <= 120 ? reg(v - 1, 0) : reg(v - 61, 1);
    case 3212:
        if (v <= 63)
            return reg(v, 0);
        if (v <= 94)
            return reg(v - 32, 1);
        return reg(v - 63, 2);
    case 3104:
        return v <= 106 ? reg(v, 0) : reg(v - 53, 1);
    case 3389:
        return highForm(raw, 320, 160);
    case 33952:
        return highForm(raw, second ? 520 : 519, 260);
    case 3395:
        if (statusByte == 8 && qint32(raw) > 399)
            return word(399);
        return word(raw);
    default:
        return {};
    }
}

quint8 sniperRegister(int sensor, quint8 raw)
{
    switch (sensor) {
    case 3325:
        return lookup(TA, 0, raw);
    case 3327:
        return lookup(TB, 0, raw);
    case 3335:
        return lookup(TD, TDFirst, raw);
    case 3360:
        return quint8(raw - 1);
    case 3389:
    case 3212:
    case 3104:
        return raw;
    default:
        return 4;
    }
}

void dpiRegisterSources(int sensor, quint32 x, quint32 y, quint32 *first, quint32 *second)
{
    *first = x;
    *second = y;
    if (sensor == 3104) {
        *first = y;
        *second = x;
    } else if (sensor == 3335 || sensor == 33352) {
        *second = x;
    }
}
