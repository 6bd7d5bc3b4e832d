#include "app/BatteryLevel.h"

namespace {
struct BatteryStep
{
    int millivolts;
    int percent;
};
constexpr BatteryStep kSteps[] = {{4100, 90}, {4000, 80}, {3900, 70}, {3800, 60},
                                  {3700, 50}, {3500, 40}, {3400, 30}, {3200, 20}};
constexpr int kEmptyPercent = 10;
}

bool isMouseOffReport(quint8 charging, quint8 low, quint8 high)
{
    return charging == 0 && low == 0 && high == 0;
}

int batteryMillivolts(quint8 low, quint8 high)
{
    const quint32 raw = (quint32(high) * 256 + low) * 990;
    return int(raw / 240);
}

int batteryPercent(quint8 low, quint8 high, int fullMillivolts)
{
    const int millivolts = batteryMillivolts(low, high);
    if (millivolts >= fullMillivolts)
        return 100;
    for (const BatteryStep &step : kSteps) {
        if (millivolts >= step.millivolts)
            return step.percent;
    }
    return kEmptyPercent;
}
