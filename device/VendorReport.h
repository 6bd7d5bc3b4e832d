#pragma once

#include <QtGlobal>

constexpr int VendorReportSize = 33;
// Callers hand sendReport a 34-byte buffer: byte 0 is not sent, byte k+1 is report byte k.
constexpr int VendorBufferSize = VendorReportSize + 1;

enum SendResult : quint8 {
    SendOk = 0,
    SendNoDevice = 1,
    SendVerifyFailed = 2,
    SendWriteFailed = 4,
};

// Fills in the checksum, writes the report and verifies the echo of echoed commands.
quint8 sendReport(const quint8 *buffer, int length);
// 0 match, 1 header mismatch, 2 data mismatch.
int compareEcho(const quint8 *sent, const quint8 *reply, bool compareData);
quint8 reportChecksum(const quint8 *buffer);
