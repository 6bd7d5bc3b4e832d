#pragma once

#include "storage/SettingsBlock.h"

#include <QString>

// A record with a different value in every stored field, wide and awkward values
// included (32-bit extremes, texts with separators, 16-bit colour channels).
ProfileRecord sampleRecord(int seed);
SettingsBlock sampleBlock(int seed);
// What the reader gives for a missing profile file: zeros, LedMoveOFF 255, LedSleepTime 1.
ProfileRecord missingFileRecord();

// Name of the first field in which the two records differ; empty when equal.
// LedMoveOFF and LedSleepTime are compared only when withLedSwitches is set.
QString firstDifference(const ProfileRecord &a, const ProfileRecord &b, bool withLedSwitches = true);
