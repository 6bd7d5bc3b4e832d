#pragma once

#include <functional>

class QDialog;
class QObject;
class QWidget;

// Every modal dialog, message box and file dialog of the program runs through the gate.
// While one is open, work handed to defer() waits: device events, news from the mouse,
// warning timers, a quit. It runs in order, each item once, right after the last open
// one has closed and the command that opened it has returned.
namespace ModalGate {
// Runs one nested event loop (a dialog's exec()) as an open modal; returns its result.
int run(const std::function<int()> &loop);
int exec(QDialog &dialog);
bool isOpen();
// Whether a dialog, box or popup menu of the program other than the widget's own window
// is open over it, gated or not: keys typed then are the dialog's.
bool isOpenOver(const QWidget *widget);
// True when the work was queued because a modal is open; false leaves it to the
// caller, to do now. Queued work whose context has gone meanwhile is dropped.
bool defer(QObject *context, std::function<void()> work);
}
