#include "app/MousecfgWidget.h"
#include "platform/HeapTrim.h"
#include "platform/SingleInstance.h"
#include "storage/ModelDescriptor.h"

#include <QApplication>

int main(int argc, char **argv)
{
    keepHeapTrimmed();
    // The window's own UI scale is the only scaling.
    QApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
    QApplication app(argc, argv);
    // Closing a message box while the window sits in the tray must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString productName = modelProductName();
    SingleInstance instance(productName + QStringLiteral(" Wireless Gaming Mouse Mutex1"));
    if (instance.acquire() == SingleInstance::HeldByAnother)
        return 1;

    MousecfgWidget window;
    if (window.connectedCount() != 0) {
        window.setWindowOpacity(1.0);
        window.show();
    }
    window.setWindowTitle(productName + QStringLiteral(" Config"));
    return app.exec();
}
