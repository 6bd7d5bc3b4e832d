#pragma once

// The protocol's fixed pauses. Tests swap in a function that only counts.
void sleepMs(int ms);
using SleepFunction = void (*)(int ms);
// nullptr restores the real sleep.
void setSleepFunctionForTests(SleepFunction function);
// Whether a test function stands in for the sleep (wakeable waits then call sleepMs).
bool sleepReplacedForTests();
