#include "platform/Sleep.h"

#include <QThread>

#include <atomic>

namespace {
std::atomic<SleepFunction> testSleep{nullptr};
}

void sleepMs(int ms)
{
    if (SleepFunction f = testSleep.load()) {
        f(ms);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(ms));
}

void setSleepFunctionForTests(SleepFunction function)
{
    testSleep.store(function);
}

bool sleepReplacedForTests()
{
    return testSleep.load() != nullptr;
}
