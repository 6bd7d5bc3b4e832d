#include "device/VendorReport.h"

#include "device/DeviceTable.h"
#include "device/StatusReports.h"
#include "platform/Sleep.h"

#include <hidapi.h>

#include <QDebug>
#include <QMutexLocker>

#include <algorithm>
#include <cstring>

namespace {
constexpr int WriteSleepMs = 10;
constexpr int RetrySleepMs = 50;
constexpr int EchoTimeoutMs = 150;
constexpr int MaxReadFailures = 29;
constexpr int MaxHeaderMismatches = 19;
constexpr int MaxZeroReplies = 5;
constexpr int MaxRewrites = 2;
// hidraw keeps 64 reports a reader: more foreign reports than that in a row
// count as no answer.
constexpr int MaxSkippedReports = 64;
// No reply compared yet in this call.
constexpr int EchoMissing = 3;

bool headerAllZero(const quint8 *reply)
{
    return std::all_of(reply + 1, reply + 9, [](quint8 b) { return b == 0; });
}
} // namespace

quint8 reportChecksum(const quint8 *buffer)
{
    int sum = 0;
    for (int i = 3; i <= 8; ++i)
        sum += buffer[i];
    return quint8((sum & 0xFF) ^ 0x66);
}

bool isEchoedCommand(quint8 command)
{
    return command <= 0x0A || command == 0x40 || command == 0x46;
}

int compareEcho(const quint8 *sent, const quint8 *reply, bool compareData)
{
    for (int byte : {0, 2, 3, 4, 5, 6}) {
        if (sent[byte + 1] != reply[byte + 1])
            return EchoHeaderMismatch;
    }
    const int length = std::min<int>(sent[7], VendorMaxData);
    if (compareData && length > 0 && std::memcmp(sent + 9, reply + 9, size_t(length)) != 0)
        return EchoDataMismatch;
    return EchoMatch;
}

int readVendorReport(hid_device *handle, quint8 *report, int length, int timeoutMs)
{
    quint8 incoming[VendorReportSize + 1] = {};
    length = std::clamp(length, 1, VendorReportSize);
    for (int skipped = 0; skipped < MaxSkippedReports; ++skipped) {
        std::memset(incoming, 0, sizeof incoming);
        const int n = hid_read_timeout(handle, incoming, size_t(length), timeoutMs);
        if (n <= 0)
            return n;
        if (incoming[0] == VendorReportId) {
            std::memcpy(report, incoming, size_t(length));
            return n;
        }
    }
    return 0;
}

quint8 sendReport(const quint8 *buffer, int length)
{
    QMutexLocker lock(&deviceMutex());
    // The rest of the upload would reach the profile the mouse has moved to.
    if (uploadProfileLeft())
        return SendProfileChanged;
    hid_device *handle = vendorHandle();
    if (!handle)
        return SendNoDevice;
    length = std::clamp(length, 1, VendorReportSize);
    quint8 sent[VendorBufferSize] = {};
    std::memcpy(sent, buffer, size_t(length) + 1);
    sent[2] = reportChecksum(sent);
    const quint8 command = sent[4];
    const bool compareData = command <= 0x0A;
    quint8 reply[VendorBufferSize] = {};
    int readFailures = 0;
    int headerMismatches = 0;
    int zeroReplies = 0;
    int rewrites = 0;
    int outcome = EchoMissing;

    for (;;) {
        if (hid_write(handle, sent + 1, size_t(length)) < 0) {
            qDebug("Unable to send a feature report.\n");
            return SendWriteFailed;
        }
        sleepMs(WriteSleepMs);
        if (!isEchoedCommand(command))
            return SendOk;
        bool rewrite = false;
        while (!rewrite) {
            const int n = readVendorReport(handle, reply + 1, length, EchoTimeoutMs);
            // A change made on the mouse meanwhile is no echo, but news for the window.
            if (replyKind(reply + 1, n) == StatusReply)
                keepStatusNews(reply + 1);
            if (n < 0) {
                if (++readFailures <= MaxReadFailures) {
                    sleepMs(RetrySleepMs);
                    continue;
                }
                if (++rewrites > MaxRewrites)
                    return SendVerifyFailed;
                rewrite = true;
                continue;
            }
            if (headerAllZero(reply)) {
                if (++zeroReplies <= MaxZeroReplies) {
                    rewrite = true;
                    continue;
                }
            } else {
                outcome = compareEcho(sent, reply, compareData);
            }
            if (outcome == EchoMatch)
                return SendOk;
            if (outcome == EchoMissing)
                return SendVerifyFailed;
            if (outcome == EchoHeaderMismatch && ++headerMismatches <= MaxHeaderMismatches) {
                sleepMs(RetrySleepMs);
                zeroReplies = 0;
                continue;
            }
            if (++rewrites > MaxRewrites)
                return SendVerifyFailed;
            zeroReplies = 0;
            rewrite = true;
        }
    }
}
