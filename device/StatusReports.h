#pragma once

#include "device/VendorReport.h"

#include <QtGlobal>

// Writes the status request 05 24 FA 48 00..; hid_write's result.
int writeStatusRequest(hid_device *handle);
// readVendorReport into a buffer that holds only what arrived: all zero after a
// time-out or a failure. Returns its result.
int readStatusReply(hid_device *handle, quint8 *reply, int timeoutMs);
