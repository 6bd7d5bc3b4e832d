#include "storage/SensorDpi.h"

#include <QtGlobal>

#include <climits>

namespace {
// Two straight pieces: step1 DPI per raw unit up to the knee, then step2 beyond it.
qint64 twoSlopes(qint64 r, qint64 knee, qint64 offset, qint64 step1, qint64 step2)
{
    return r <= knee ? (r + offset) * step1 : (knee + offset) * step1 + (r - knee) * step2;
}

qint64 tens(qint64 value)
{
    return value / 10 * 10;
}

// Lowered to the hundred up to 20 over it, raised to the next above 80, else kept.
qint64 hundredSnap(qint64 v)
{
    const qint64 m = v % 100;
    if (m <= 20)
        return v - m;
    if (m > 80)
        return v - m + 100;
    return v;
}

qint64 sensor3327(qint64 r)
{
    if (r <= 61)
        return (r + 1) * 100;
    if (r <= 92)
        return 6200 + (r - 61) * 200;
    return r == 106 ? 16400 : 12300 + (r - 92) * 300;
}

qint64 sensor3212(qint64 r)
{
    if (r <= 63) {
        const qint64 v = tens(r * 38);
        switch (v) {
        case 790: return 800;
        case 1210: return 1200;
        case 1630: return 1600;
        case 2390: return 2400;
        default: return v;
        }
    }
    if (r <= 94)
        return tens((r - 32) * 76);
    const qint64 v = tens((r - 63) * 152);
    return v == 7290 ? 7200 : v;
}

qint64 sensor3104(qint64 r)
{
    if (r <= 106) {
        const qint64 v = tens(r * 38);
        if (v == 530)
            return 500;
        if (v == 2090 || v == 3990)
            return v;
        return hundredSnap(v);
    }
    const qint64 v = tens((r - 53) * 76);
    if (v == 8050)
        return 8000;
    if (v == 4780)
        return 4800;
    return hundredSnap(v);
}

// Wide arithmetic, so a raw value far outside the sensor's range cannot overflow.
qint64 sensorDpi(qint64 raw, int sensor)
{
    switch (sensor) {
    case 3325:
    case 33252: return twoSlopes(raw, 50, 0, 100, 200);
    case 3327: return sensor3327(raw);
    case 3333: return twoSlopes(raw, 80, 0, 100, 200);
    case 3335:
    case 33352: return twoSlopes(raw, 160, 0, 100, 200);
    case 3360: return twoSlopes(raw, 120, 0, 100, 200);
    case 3389: return twoSlopes(raw, 320, 0, 50, 100);
    case 3395:
    case 33952: return twoSlopes(raw, 519, 1, 50, 100);
    case 3399: return twoSlopes(raw, 399, 1, 50, 100);
    case 3212: return sensor3212(raw);
    case 3104: return sensor3104(raw);
    default: return 0;
    }
}
}

int sensorDpiFromRaw(int raw, int sensor)
{
    return int(qBound<qint64>(INT_MIN, sensorDpi(raw, sensor), INT_MAX));
}

bool isNearValue(int a, int b)
{
    return qAbs(qint64(a) - qint64(b)) <= 9;
}
