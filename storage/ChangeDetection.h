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

// After an upload the last-written block takes the working one, except what the upload
// did not write: the DPI stages and buttons of the other profiles and the lighting of
// every record but the lighting record keep their last-written values, so their
// changes still go out once their profile is current.
void markUploaded(SettingsBlock &lastWritten, const SettingsBlock &working);
