#pragma once

#include <QtGlobal>

// A monotonic millisecond clock for measured delays: it never goes back and does
// not stop while the process waits. Tests swap in a function of their own.
qint64 monotonicMs();
using ClockFunction = qint64 (*)();
// nullptr restores the real clock.
void setClockFunctionForTests(ClockFunction function);
