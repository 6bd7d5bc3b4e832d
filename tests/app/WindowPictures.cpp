// Renders the main window on each tab into PNG files, with the application folder's
// skin, fonts and catalogs and the emulated receiver plugged or nothing plugged:
//   window_pictures <output folder> mouse|nomouse [language index]
// The UI scale follows the screen's DPI (QT_FONT_DPI). On each tab the keyboard focus
// stands on another tab, moved there by Tab (Shift+Tab from the last). With the mouse
// plugged, also the file dialogs as the window and the macro tab open them.
#include "app/MousecfgWidget.h"
#include "storage/ConfigIni.h"
#include "tests/app/SampleAppFolder.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/fakehid/FakeMouse.h"
#include "widgets/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
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

// Each dialog is grabbed once its folder has been read, then cancelled.
int saveFileDialogs(MousecfgWidget &window, const QString &prefix)
{
    QWidget *macroPage = MousecfgWidgetProbe(window).macroPage();
    const QString profiles = QCoreApplication::translate("MousecfgWidget", "Profile File(*.prof)");
    const QString macros = QCoreApplication::translate("MacroDialog", "Macro File(*.MSMACRO)");
    const struct
    {
        QWidget *parent;
        FileDialogKind kind;
        QString filter;
        const char *name;
    } dialogs[] = {{&window, FileDialogKind::SaveFile, profiles, "save"},
                   {&window, FileDialogKind::OpenFile, profiles, "load"},
                   {macroPage, FileDialogKind::OpenFile, macros, "macro-import"},
                   {macroPage, FileDialogKind::SaveFile, macros, "macro-export"},
                   {macroPage, FileDialogKind::Directory, QString(), "macro-export-batch"}};
    int failures = 0;
    for (const auto &d : dialogs) {
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            poll.stop();
            QTimer::singleShot(300, dialog, [&, dialog] {
                failures += !save(*dialog, QStringLiteral("%1-file-%2.png").arg(prefix, d.name));
                dialog->reject();
            });
        });
        poll.start(20);
        runFileDialog({d.kind, d.parent, QString::fromLatin1(d.name), QString(), d.filter});
    }
    return failures;
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
        if (plugged)
            failures += saveFileDialogs(window, prefix);
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
