#pragma once

#include <QMutex>

struct hid_device_;
typedef struct hid_device_ hid_device;

// Serialises every sendReport call, every status write/read and opening and
// closing the handles.
QMutex &deviceMutex();
// The cable vendor handle when open, else the receiver vendor handle (may be null).
hid_device *vendorHandle();
