// Writing from the window against the emulated mouse with the protocol's real pauses,
// offscreen, in a sample application folder.
//   bench_writing apply [rounds]  Apply with every part to send: from the click until the
//                                 write sequence returns, next to the mandated pauses (10 ms
//                                 after each write), and the time the upload thread's saving
//                                 of the files takes (it comes before the upload).
//   bench_writing slot [rounds]   Apply of one DPI stage of the current slot, every slot's file
//                                 whole: the time from the click to the first report (the
//                                 saving of the files) next to the upload's own time, from
//                                 its first report to its last.
//   bench_writing idle [seconds]  the window open while the status thread polls: CPU time
//                                 used and peak resident memory.
#include "app/MousecfgWidget.h"
#include "pages/QuorDPIWindow.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"
#include "storage/SettingsBlock.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/fakehid/FakeMouse.h"
#include "widgets/QuorProcessDialog.h"
#include "widgets/QuorPushButton.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
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

using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Writes of one upload: every vendor report but the status request.
QVector<FakeWrittenReport> uploadReports()
{
    QVector<FakeWrittenReport> upload;
    for (const FakeWrittenReport &report : FakeMouse::instance().writtenReports())
        if (report.bytes.size() > 3 && quint8(report.bytes[3]) != 0x48)
            upload.append(report);
    return upload;
}

int uploadWrites()
{
    return uploadReports().size();
}

QuorPushButton *applyButton(MousecfgWidget &window)
{
    for (QuorPushButton *button : window.findChildren<QuorPushButton *>())
        if (button->caption() == QLatin1String("Apply"))
            return button;
    return nullptr;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
    QuorPushButton *apply = applyButton(window);
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
    std::printf("median ratio to the mandated pauses: %.3f\n", median(ratios));
    return failures ? 1 : 0;
}

// A first Apply writes every slot's file whole; each round then moves the first stage
// of the current slot between its own value and the second stage's.
int benchSlotEdit(MousecfgWidget &window, int rounds)
{
    QuorPushButton *apply = applyButton(window);
    if (!apply)
        return 1;
    writeConfigDiff(1);
    apply->click();
    for (int i = 0; i < ProfileCount; ++i)
        std::printf("%s: %lld bytes\n", qPrintable(workingSettings.names[i]),
                    QFileInfo(profileFilePath(workingSettings.names[i])).size());
    QuorDPIWindow *page = window.findChild<QuorDPIWindow *>();
    if (!page)
        return 1;
    const auto &stages = page->profileData().stages;
    const quint32 values[2] = {stages[1].x, stages[0].x};
    std::vector<double> shares;
    int failures = 0;
    for (int i = 0; i < rounds; ++i) {
        page->onSliderChanged(int(values[i % 2]), int(values[i % 2]), 0);
        FakeMouse::instance().clearLog();
        const Clock::time_point click = Clock::now();
        apply->click();
        const Clock::time_point done = Clock::now();
        const QVector<FakeWrittenReport> upload = uploadReports();
        failures += upload.isEmpty() || FakeMouse::instance().state().sessionEnds == 0;
        if (upload.isEmpty())
            continue;
        const double save = msBetween(click, upload.front().at);
        const double own = msBetween(upload.front().at, upload.back().at);
        std::printf("round %d: click to first report %.1f ms, upload %.1f ms (%d writes), wall %.1f ms, "
                    "save's share %.1f%%\n",
                    i + 1, save, own, upload.size(), msBetween(click, done), 100.0 * save / own);
        shares.push_back(100.0 * save / own);
    }
    if (!shares.empty())
        std::printf("median save's share of the upload's time: %.1f%%\n", median(shares));
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
        if (mode == "idle")
            result = benchIdle(window, count);
        else if (mode == "slot")
            result = benchSlotEdit(window, count);
        else
            result = benchApply(window, count);
    }
    return result;
}
