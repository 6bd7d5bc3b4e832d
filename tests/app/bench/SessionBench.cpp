// A long session of one window, offscreen, against the emulated receiver: Apply (every
// part sent) and receiver replugs in a loop, over settings files dated a day back, as a
// desktop's are. Prints resident memory and heap in use every 100 rounds, and the ratio
// of the last resident memory to the window's before its first Apply.
//   bench_session [applies] [replugs]
#include "tests/app/ModalScript.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/app/WindowFixture.h"
#include "platform/HeapTrim.h"

#include <QDirIterator>

#include <malloc.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace {
struct Memory
{
    double residentMiB;
    double heapMiB;
};

Memory memoryNow()
{
    long pages = 0, resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    const struct mallinfo2 heap = mallinfo2();
    return {double(resident) * double(sysconf(_SC_PAGESIZE)) / (1 << 20),
            double(heap.uordblks + heap.hblkhd) / (1 << 20)};
}

void print(const char *when, const Memory &m)
{
    std::printf("%s: resident %.1f MiB, heap in use %.1f MiB\n", when, m.residentMiB, m.heapMiB);
    std::fflush(stdout);
}

// Every file under the folder last modified a day ago.
void dateBack(const QString &dir)
{
    const struct timeval day[2] = {{time(nullptr) - 86400, 0}, {time(nullptr) - 86400, 0}};
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        utimes(QFile::encodeName(it.next()).constData(), day);
}

void settle(int ms)
{
    QTimer::singleShot(ms, qApp, &QCoreApplication::quit);
    QApplication::exec();
}

void replug(MousecfgWidget &window)
{
    MousecfgWidgetProbe probe(window);
    FakeMouse::instance().unplug(FakeLink::Receiver);
    probe.watcher()->rescan();
    FakeMouse::instance().plug(FakeLink::Receiver);
    probe.watcher()->rescan();
    // The new status thread's first reply, so that the next Apply finds the mouse awake.
    const int reads = FakeMouse::instance().readCount();
    if (!QTest::qWaitFor([reads] { return FakeMouse::instance().readCount() > reads + 1; }, 2000))
        std::printf("no status read after a replug\n");
}
}

int main(int argc, char **argv)
{
    keepHeapTrimmed(); // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    const int applies = argc > 1 ? std::max(0, atoi(argv[1])) : 500;
    const int replugs = argc > 2 ? std::max(0, atoi(argv[2])) : 200;
    TestAppFolder folder;
    fillSampleAppFolder(folder);
    dateBack(folder.configDir());
    MousecfgWidget::setDeviceWatcherWake(DeviceWatcher::Wake::Manual);
    FakeMouse::instance().plug(FakeLink::Receiver);
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int failures = 0;
    {
        MousecfgWidget window;
        window.show();
        settle(400);
        QuorPushButton *apply = MousecfgWidgetProbe(window).button(13);
        ModalScript script({}, 3600 * 1000);
        const Memory start = memoryNow();
        print("before the first Apply", start);
        Memory last = start;
        for (int round = 1; round <= std::max(applies, replugs); ++round) {
            if (round <= applies) {
                writeConfigDiff(1);
                FakeMouse::instance().clearLog(); // the emulator's own record of reports
                const int ends = FakeMouse::instance().state().sessionEnds;
                apply->click();
                if (FakeMouse::instance().state().sessionEnds == ends) {
                    ++failures;
                    std::printf("round %d: the write did not end its session\n", round);
                }
            }
            if (round <= replugs)
                replug(window);
            QApplication::processEvents();
            if (round % 100 == 0 || round == std::max(applies, replugs)) {
                last = memoryNow();
                print(qPrintable(QStringLiteral("round %1").arg(round)), last);
            }
        }
        std::printf("%d failed writes, messages: \"%s\"; resident ratio to the start %.2f\n", failures,
                    qPrintable(script.messages.join(QStringLiteral("\", \""))),
                    last.residentMiB / start.residentMiB);
    }
    return failures ? 1 : 0;
}
