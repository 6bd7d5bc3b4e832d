#pragma once

#include <QEvent>
#include <QString>
#include <Qt>

class QWidget;

// Key events as the window system delivers them: a press is preceded by its
// ShortcutOverride twin (a shortcut that matches takes the press there), and the
// key event carries the native scan code (Linux input code + 8) and goes to the
// widget's window, which hands it to the focus widget. The widget must be shown.
//   sendNativeKey(&dialog, QEvent::KeyPress, 29);  // left Ctrl down

// False when a shortcut took the press or the widget has no window.
bool sendNativeKey(QWidget *widget, QEvent::Type type, int evdev, Qt::Key key = Qt::Key_unknown,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false,
                   const QString &text = QString());
// Press and release.
void tapNativeKey(QWidget *widget, int evdev, Qt::Key key = Qt::Key_unknown,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Taps the keys of a number's text, digits and '-', each with its text.
void typeNativeNumber(QWidget *widget, const QString &text);
