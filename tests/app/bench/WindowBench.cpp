// Start-up of the main window next to a bare Qt window of 999 x 640: each is started
// in a process of its own, offscreen, from the application object to its first paint
// (the main window with the emulated receiver plugged, in a test application folder
// with the build's skin and factory profiles). Reports the median wall time
// and the peak memory of each and their ratios.
//   bench_window [rounds]
#include "app/MousecfgWidget.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/fakehid/FakeMouse.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
// Notes the time once the window's first frame is painted and ends the event loop.
class FirstPaint : public QObject
{
public:
    explicit FirstPaint(const QElapsedTimer &clock) : m_clock(clock) {}
    double ms = 0;

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued behind the rest of the frame.
            QMetaObject::invokeMethod(
                qApp,
                [this] {
                    ms = m_clock.nsecsElapsed() / 1e6;
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    const QElapsedTimer &m_clock;
    bool m_seen = false;
};

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One start in this process; prints "<ms> <peak KiB>".
int runChild(int argc, char **argv, bool mainWindow)
{
    std::unique_ptr<TestAppFolder> folder;
    if (mainWindow) {
        folder = std::make_unique<TestAppFolder>();
        fillSampleAppFolder(*folder);
        FakeMouse::instance().plug(FakeLink::Receiver);
    }
    QElapsedTimer clock;
    clock.start();
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mainWindow) {
        window = std::make_unique<MousecfgWidget>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(DesignWidth, DesignHeight);
    }
    FirstPaint watch(clock);
    window->installEventFilter(&watch);
    window->show();
    app.exec();
    std::printf("%.2f %ld\n", watch.ms, peakKiB());
    return 0;
}

struct Sample
{
    double ms = 0;
    long kib = 0;
};

bool runOnce(const QString &program, const char *kind, Sample &sample)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program, {QStringLiteral("--child"), QString::fromLatin1(kind)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return false;
    sample = {fields[0].toDouble(), fields[1].toLong()};
    return true;
}

Sample median(std::vector<Sample> samples)
{
    std::sort(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) { return a.ms < b.ms; });
    Sample m = samples[samples.size() / 2];
    m.kib = std::max_element(samples.begin(), samples.end(), [](const Sample &a, const Sample &b) {
                return a.kib < b.kib;
            })->kib;
    return m;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc > 2 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QByteArray(argv[2]) == "window");
    const QString program = QString::fromLocal8Bit(argv[0]);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    std::vector<Sample> bare, window;
    for (int i = 0; i < rounds; ++i) {
        Sample b, w;
        if (!runOnce(program, "bare", b) || !runOnce(program, "window", w)) {
            std::fprintf(stderr, "a start failed\n");
            return 1;
        }
        bare.push_back(b);
        window.push_back(w);
    }
    const Sample mb = median(bare), mw = median(window);
    std::printf("rounds %d (median time, largest peak memory)\n", rounds);
    std::printf("bare 999x640 window: %8.1f ms %8.1f MiB\n", mb.ms, mb.kib / 1024.0);
    std::printf("main window:         %8.1f ms %8.1f MiB\n", mw.ms, mw.kib / 1024.0);
    std::printf("ratio:               %8.2fx   %7.2fx\n", mw.ms / mb.ms, double(mw.kib) / double(mb.kib));
    return 0;
}
