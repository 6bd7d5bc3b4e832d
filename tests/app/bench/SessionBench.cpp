// A long session of one window against the emulated receiver (offscreen unless
// QT_QPA_PLATFORM names a platform): a DPI edit and Apply, and receiver replugs in a
// loop, over settings files dated a day back, as a desktop's are. Some writes fail:
// alternately the mouse stops answering, and a profile is taken on the mouse during the
// write. Prints resident memory, heap in use and the malloc arenas every 100 rounds,
// and the ratio of the last resident memory to the window's before its first Apply.
//   bench_session [applies] [replugs] [failed writes]
#include "tests/app/ModalScript.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/app/WindowFixture.h"
#include "pages/QuorSingleDPI.h"
#include "platform/HeapTrim.h"
#include "widgets/QuorTwoBarSlider.h"

#include <QDirIterator>
#include <QSlider>

#include <malloc.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {
struct Memory
{
    double residentMiB;
    double heapMiB;
    int arenas;
};

int arenaCount()
{
    char *text = nullptr;
    size_t size = 0;
    FILE *info = open_memstream(&text, &size);
    if (!info)
        return 0;
    malloc_info(0, info);
    std::fclose(info);
    int count = 0;
    for (const char *p = text; (p = std::strstr(p, "<heap nr=")); ++p)
        ++count;
    std::free(text);
    return count;
}

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
            double(heap.uordblks + heap.hblkhd) / (1 << 20), arenaCount()};
}

void print(const char *when, const Memory &m)
{
    std::printf("%s: resident %.1f MiB, heap in use %.1f MiB, %d arenas\n", when, m.residentMiB, m.heapMiB,
                m.arenas);
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

// One step of the first DPI stage, up and down in turn.
void editDpi(MousecfgWidget &window, int round)
{
    QWidget *bar = MousecfgWidgetProbe(window).dpiPage()->row(0)->slider()->middleBar();
    QTest::keyClick(bar, round % 2 ? Qt::Key_Right : Qt::Key_Left);
}

// The write of a failing round: the mouse stops answering, or profile 1 and 2 are
// taken on the mouse in turn while the DPI stages go out.
void armFailure(int failure)
{
    if (failure % 2 == 0)
        FakeMouse::instance().armFault(FakeFault::NoAnswer);
    else
        FakeMouse::instance().pushStatusAt(0x02, -1, quint8(failure / 2 % 2 ? 0 : 1), 0, 1);
}

// Whether the round's Apply went as planned: a whole bracket, or one failure box.
bool applyRound(MousecfgWidget &window, ModalScript &script, int round, bool failing, int failure)
{
    editDpi(window, round);
    FakeMouse &mouse = FakeMouse::instance();
    mouse.clearLog(); // the emulator's own record of reports
    if (failing)
        armFailure(failure);
    const int ends = mouse.state().sessionEnds;
    const int messages = script.messages.size();
    MousecfgWidgetProbe(window).button(13)->click();
    mouse.clearFaults();
    const bool planned = failing ? script.messages.size() == messages + 1
                                 : mouse.state().sessionEnds > ends && script.messages.size() == messages;
    if (!planned)
        std::printf("round %d (%s): the write did not go as planned; %d sessions ended, messages \"%s\"\n", round,
                    failing ? "failing" : "plain", mouse.state().sessionEnds - ends,
                    qPrintable(script.messages.mid(messages).join(QStringLiteral("\", \""))));
    return planned;
}
}

int main(int argc, char **argv)
{
    keepHeapTrimmed(); // as the program does
    // Offscreen unless a platform is named, e.g. xcb under a desktop or Xvfb.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    const int applies = argc > 1 ? std::max(0, atoi(argv[1])) : 300;
    const int replugs = argc > 2 ? std::max(0, atoi(argv[2])) : 100;
    const int failed = argc > 3 ? std::clamp(atoi(argv[3]), 0, applies / 2) : std::min(20, applies / 2);
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
        window.switchPage(MousecfgWidget::DpiTab);
        ModalScript script({}, 3600 * 1000);
        const Memory start = memoryNow();
        print("before the first Apply", start);
        Memory last = start;
        for (int round = 1; round <= std::max(applies, replugs); ++round) {
            // The failing rounds spread evenly over the Applies.
            const int failure = failed ? round * failed / applies : 0;
            const bool failing = failed && failure != (round - 1) * failed / applies;
            if (round <= applies && !applyRound(window, script, round, failing, failure))
                ++failures;
            if (round <= replugs)
                replug(window);
            QApplication::processEvents();
            if (round % 100 == 0 || round == std::max(applies, replugs)) {
                last = memoryNow();
                print(qPrintable(QStringLiteral("round %1").arg(round)), last);
            }
        }
        const int shown = script.messages.size();
        script.messages.removeDuplicates();
        std::printf("%d rounds not as planned, %d messages: \"%s\"; resident ratio to the start %.2f\n", failures,
                    shown, qPrintable(script.messages.join(QStringLiteral("\", \""))),
                    last.residentMiB / start.residentMiB);
    }
    return failures ? 1 : 0;
}
