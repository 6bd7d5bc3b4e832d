#pragma once

#include "storage/SettingsBlock.h"

enum ChangeBits {
    ChangeGeneral = 1,
    ChangeDpi = 2,
    ChangeButtons = 4,
    ChangeLighting = 8,
    ChangeAll = 15,
};

// Mask of the parts that differ between the working and the last-written block. A
// macro or gun file whose "Setting/WriteSign" is set counts as a change of the
// buttons that use it; the mark stays until the macro has been sent.
int detectSettingsChanges(const SettingsBlock &working, const SettingsBlock &lastWritten);

// Bit i set for each profile i other than the current one whose DPI stages, buttons
// (or the macros they use) or lighting differ: an upload writes them only while that
// profile is current.
int waitingProfiles(const SettingsBlock &working, const SettingsBlock &lastWritten);

// After an upload the last-written block takes the working one, except what the upload
// did not write: the DPI stages and buttons of the other profiles and the lighting of
// every record but the lighting record keep their last-written values, so their
// changes still go out once their profile is current.
void markUploaded(SettingsBlock &lastWritten, const SettingsBlock &working);
