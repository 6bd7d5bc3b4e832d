// Renders the main window on each tab into PNG files, with the application folder's
// skin, fonts and catalogs and the emulated receiver plugged or nothing plugged:
//   window_pictures <output folder> mouse|nomouse [language index]
// The UI scale follows the screen's DPI (QT_FONT_DPI). On each tab the keyboard focus
// stands on another tab, moved there by Tab (Shift+Tab from the last).
#include "app/MousecfgWidget.h"
#include "storage/ConfigIni.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/fakehid/FakeMouse.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTimer>

#include <cstdio>

namespace {
const char *const TabNames[MousecfgWidget::TabCount] = {"lighting", "buttons", "dpi", "macro"};

bool save(QWidget &widget, const QString &path)
{
    const QImage image = widget.grab().toImage();
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}
}

int main(int argc, char **argv)
{
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <output folder> mouse|nomouse [language index]\n", argv[0]);
        return 2;
    }
    const bool plugged = QByteArray(argv[2]) == "mouse";
    TestAppFolder folder;
    fillSampleAppFolder(folder);
    if (argc > 3)
        writeLangId(QByteArray(argv[3]).toInt());
    if (plugged)
        FakeMouse::instance().plug(FakeLink::Receiver);

    int failures = 0;
    MousecfgWidget window;
    const QString out =
        QStringLiteral("%1/scale-%2").arg(QString::fromLocal8Bit(argv[1]), QString::number(window.scale(), 'f', 2));
    QDir().mkpath(out);
    const QString prefix = out + "/" + (plugged ? "mouse" : "nomouse") + (argc > 3 ? QString("-lang") + argv[3] : "");
    if (plugged)
        window.show();
    const auto renderTabs = [&] {
        for (int tab = 0; tab < MousecfgWidget::TabCount; ++tab) {
            window.switchPage(tab);
            const bool last = tab == MousecfgWidget::TabCount - 1;
            tapNativeKey(&window, 15, last ? Qt::Key_Backtab : Qt::Key_Tab,
                         last ? Qt::ShiftModifier : Qt::NoModifier);
            failures += !save(window, QStringLiteral("%1-tab%2-%3.png").arg(prefix).arg(tab).arg(TabNames[tab]));
        }
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    };
    // Without a mouse the window shows itself with the no-mouse box 200 ms after it was
    // made; once the box is answered, the window takes the keyboard again.
    QTimer::singleShot(1000, &app, [&] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            return renderTabs();
        failures += !save(*box, prefix + "-box.png");
        QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        QTimer::singleShot(300, &app, [&] {
            window.activateWindow();
            QTimer::singleShot(300, &app, renderTabs);
        });
    });
    app.exec();
    return failures == 0 ? 0 : 1;
}
