#include "tests/common/NativeKeyInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestspontaneevent.h>

bool sendNativeKey(QWidget *widget, QEvent::Type type, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers,
                   bool autoRepeat, const QString &text)
{
    QWindow *window = widget ? widget->window()->windowHandle() : nullptr;
    if (!window)
        return false;
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(window, 0, key, modifiers, text, autoRepeat))
        return false;
    QKeyEvent event(type, key, modifiers, quint32(evdev + 8), 0, 0, text, autoRepeat);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::sendEvent(window, &event);
    return true;
}

void tapNativeKey(QWidget *widget, int evdev, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    sendNativeKey(widget, QEvent::KeyPress, evdev, key, modifiers);
    sendNativeKey(widget, QEvent::KeyRelease, evdev, key, modifiers);
}

void typeNativeNumber(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        const bool minus = c == '-';
        const int digit = c.digitValue();
        // Evdev codes: 1 to 9 are 2 to 10, 0 is 11, minus 12.
        const int evdev = minus ? 12 : digit == 0 ? 11 : digit + 1;
        const auto key = minus ? Qt::Key_Minus : Qt::Key(Qt::Key_0 + digit);
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            sendNativeKey(widget, type, evdev, key, Qt::NoModifier, false, QString(c));
    }
}
