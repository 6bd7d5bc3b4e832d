// Times a full upload (all four parts and two macros) against the emulated mouse with
// no added latency, next to the pauses the protocol mandates: 10 ms after each write
// and 50 ms per packed macro.
//   bench_upload [rounds]
#include "device/UploadDriver.h"
#include "storage/ChangeDetection.h"
#include "tests/device/DeviceFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

std::atomic<qint64> sleptNs{0};
std::atomic<int> pauses{0};

void timedSleep(int ms)
{
    QElapsedTimer t;
    t.start();
    QThread::msleep(ulong(ms));
    sleptNs += t.nsecsElapsed();
    ++pauses;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    DeviceFixture fx(3389, 6, 4);
    fx.writeMacro("first", keyRows(12));
    fx.writeMacro("second", keyRows(40));
    setSleepFunctionForTests(&timedSleep);
    SettingsBlock block;
    fillSampleBlock(block);

    std::printf("%d rounds; full upload (settings, button table, DPI stages, lighting, commits, 2 macros)\n",
                rounds);
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        fx.mouse().clearLog();
        sleptNs = 0;
        pauses = 0;
        QElapsedTimer wall;
        wall.start();
        const quint8 result = uploadSettings(block, ChangeAll);
        const double wallMs = wall.nsecsElapsed() / 1e6;
        const int writes = fx.mouse().writeCount();
        const int mandatedMs = 10 * writes + 50 * 2;
        const double sleptMs = sleptNs / 1e6;
        std::printf("round %d: result %d, %d writes, %d pauses; wall %.1f ms, mandated sleeps %d ms, "
                    "slept %.1f ms, own overhead %.2f ms (%.2f%% of the mandated sleeps)\n",
                    i + 1, result, writes, int(pauses), wallMs, mandatedMs, sleptMs, wallMs - sleptMs,
                    100.0 * (wallMs - sleptMs) / mandatedMs);
        failures += result != 0 || fx.mouse().protocolErrors().total() != 0;
    }
    setSleepFunctionForTests(nullptr);
    return failures ? 1 : 0;
}
