#include "platform/Clock.h"

#include <atomic>
#include <chrono>

namespace {
std::atomic<ClockFunction> testClock{nullptr};
}

qint64 monotonicMs()
{
    if (ClockFunction f = testClock.load())
        return f();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}

void setClockFunctionForTests(ClockFunction function)
{
    testClock.store(function);
}
