#include "tests/common/NativeKeyInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestspontaneevent.h>

bool sendNativeKey(QWidget *widget, QEvent::Type type, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers,
                   bool autoRepeat)
{
    QWindow *window = widget ? widget->window()->windowHandle() : nullptr;
    if (!window)
        return false;
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(window, 0, key, modifiers, QString(), autoRepeat))
        return false;
    QKeyEvent event(type, key, modifiers, quint32(evdev + 8), 0, 0, QString(), autoRepeat);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(window, &event);
    return true;
}

void tapNativeKey(QWidget *widget, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    sendNativeKey(widget, QEvent::KeyPress, evdev, key, modifiers);
    sendNativeKey(widget, QEvent::KeyRelease, evdev, key, modifiers);
}
