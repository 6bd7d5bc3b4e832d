#pragma once

#include <QString>

constexpr int KeyTableSize = 104;

bool keyCodeToHidUsage(int keyCode, int *usage);
bool hidUsageToKeyCode(int usage, int *keyCode);
QString keyCodeName(unsigned keyCode);
