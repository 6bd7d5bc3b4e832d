#pragma once

#include "storage/SettingsBlock.h"

enum ChangeBits {
    ChangeGeneral = 1,
    ChangeDpi = 2,
    ChangeButtons = 4,
    ChangeLighting = 8,
    ChangeAll = 15,
};

// Mask of the parts that differ between the working and the last-written block.
// Resets "Setting/WriteSign" of the first changed macro or gun file it meets.
int detectSettingsChanges(const SettingsBlock &working, const SettingsBlock &lastWritten);
