#pragma once

#include <QtGlobal>

struct hid_device_;
typedef struct hid_device_ hid_device;

constexpr int VendorReportSize = 33;
// Callers hand sendReport a 34-byte buffer: byte 0 is not sent, byte k+1 is report byte k.
constexpr int VendorBufferSize = VendorReportSize + 1;
constexpr quint8 VendorReportId = 0x05;
constexpr quint8 VendorSignature = 0xFA;
// Data bytes a report carries at most (report bytes 8-32).
constexpr int VendorMaxData = 25;

enum SendResult : quint8 {
    SendOk = 0,
    SendNoDevice = 1,
    SendVerifyFailed = 2,
    SendWriteFailed = 4,
    SendBadButtonMatrix = 8, // the model descriptor gives two buttons one place: nothing sent
    SendProfileChanged = 16, // the mouse changed profile during the upload: the rest not sent
};

enum EchoComparison : int {
    EchoMatch = 0,
    EchoHeaderMismatch = 1,
    EchoDataMismatch = 2,
};

// Fills in the checksum, writes the report on vendorHandle() and verifies the
// echo of echoed commands within fixed budgets; status news read meanwhile is kept
// (keepStatusNews). Takes deviceMutex() itself. During an upload nothing is written
// once kept news names another profile (SendProfileChanged).
quint8 sendReport(const quint8 *buffer, int length);
// Compares two 34-byte buffers: 0 match, 1 header mismatch, 2 data mismatch.
int compareEcho(const quint8 *sent, const quint8 *reply, bool compareData);
// ((report bytes 2..7) mod 256) XOR 0x66, from a 34-byte buffer (report byte k at k+1).
quint8 reportChecksum(const quint8 *buffer);
// Commands 0x00-0x0A, 0x40 and 0x46 are echoed by the mouse.
bool isEchoedCommand(quint8 command);
// Reads one vendor report (first byte 0x05) into report[0..length-1], skipping
// the other input reports of the shared path. Returns the byte count, 0 when
// none arrived within the time-out (report untouched), -1 on a read failure.
int readVendorReport(hid_device *handle, quint8 *report, int length, int timeoutMs);
