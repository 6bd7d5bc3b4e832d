// Writing from the window against the emulated mouse with the protocol's real pauses,
// offscreen, in a sample application folder.
//   bench_writing apply [rounds]  Apply with every part to send: from the click until the
//                                 write sequence returns, next to the mandated pauses (10 ms
//                                 after each write), and the time the upload thread's saving
//                                 of the files takes (it comes before the upload).
//   bench_writing idle [seconds]  the window open while the status thread polls: CPU time
//                                 used and peak resident memory.
#include "app/MousecfgWidget.h"
#include "storage/ConfigIni.h"
#include "storage/SettingsBlock.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/fakehid/FakeMouse.h"
#include "widgets/QuorProcessDialog.h"
#include "widgets/QuorPushButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
rusage usage()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u;
}

double cpuSeconds()
{
    const rusage u = usage();
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// Writes of one upload: every vendor report but the status request.
int uploadWrites()
{
    int n = 0;
    for (const FakeWrittenReport &report : FakeMouse::instance().writtenReports())
        n += report.bytes.size() > 3 && quint8(report.bytes[3]) != 0x48;
    return n;
}

double saveMs()
{
    QElapsedTimer clock;
    clock.start();
    saveAllSettings(workingSettings);
    writeConfigDiff(0);
    return clock.nsecsElapsed() / 1e6;
}

int benchApply(MousecfgWidget &window, int rounds)
{
    QuorPushButton *apply = nullptr;
    for (QuorPushButton *button : window.findChildren<QuorPushButton *>())
        if (button->caption() == QLatin1String("Apply"))
            apply = button;
    if (!apply)
        return 1;
    std::vector<double> ratios;
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        writeConfigDiff(1);
        FakeMouse::instance().clearLog();
        QElapsedTimer clock;
        clock.start();
        apply->click();
        const double wall = clock.nsecsElapsed() / 1e6;
        const int mandated = 10 * uploadWrites();
        failures += FakeMouse::instance().state().sessionEnds == 0;
        const double save = saveMs();
        std::printf("round %d: wall %.1f ms, mandated pauses %d ms (%d writes), ratio %.3f, saving the files "
                    "%.1f ms before the upload (%.1f%% of the wall time)\n",
                    i + 1, wall, mandated, mandated / 10, wall / mandated, save, 100.0 * save / wall);
        ratios.push_back(wall / mandated);
    }
    std::sort(ratios.begin(), ratios.end());
    std::printf("median ratio to the mandated pauses: %.3f\n", ratios[ratios.size() / 2]);
    return failures ? 1 : 0;
}

int benchIdle(MousecfgWidget &window, int seconds)
{
    window.show();
    QApplication::processEvents();
    const double cpu = cpuSeconds();
    const int reads = FakeMouse::instance().readCount();
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double wall = clock.nsecsElapsed() / 1e9;
    const double used = cpuSeconds() - cpu;
    std::printf("idle %.1f s: CPU %.3f s (%.3f%% of one core), %d status reads, peak resident %.1f MiB\n", wall,
                used, 100.0 * used / wall, FakeMouse::instance().readCount() - reads, usage().ru_maxrss / 1024.0);
    return 0;
}
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray("apply");
    const int count = argc > 2 ? std::max(1, atoi(argv[2])) : (mode == "idle" ? 30 : 5);
    TestAppFolder folder;
    fillSampleAppFolder(folder);
    FakeMouse::instance().plug(FakeLink::Receiver);
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int result = 0;
    {
        MousecfgWidget window;
        // The window's own start-up (the no-mouse check, the default profile) first.
        QTimer::singleShot(400, qApp, &QCoreApplication::quit);
        QApplication::exec();
        result = mode == "idle" ? benchIdle(window, count) : benchApply(window, count);
    }
    return result;
}
