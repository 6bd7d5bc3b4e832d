#include "device/StatusReports.h"

#include "storage/SettingsBlock.h"

#include <hidapi.h>

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <utility>

namespace {
constexpr int ShortestReply = 8;
// As many as hidraw keeps for a reader; past that the oldest goes.
constexpr int MaxKeptNews = 64;

QMutex keptMutex;
QVector<StatusNews> kept;
std::atomic<int> uploadProfile{-1};
} // namespace

int writeStatusRequest(hid_device *handle)
{
    quint8 request[VendorReportSize] = {0x05, 0x24, 0xFA, 0x48};
    return hid_write(handle, request, VendorReportSize);
}

int readStatusReply(hid_device *handle, quint8 *reply, int timeoutMs)
{
    std::memset(reply, 0, VendorReportSize);
    const int n = readVendorReport(handle, reply, VendorReportSize, timeoutMs);
    if (n <= 0)
        std::memset(reply, 0, VendorReportSize);
    return n;
}

quint8 replyKind(const quint8 *reply, int n)
{
    if (n < ShortestReply || (reply[3] != BatteryReply && reply[3] != StatusReply))
        return 0;
    return reply[3];
}

void keepStatusNews(const quint8 *reply)
{
    keepStatusNews(StatusNews{reply[4], reply[5], reply[6], reply[7]});
}

void keepStatusNews(const StatusNews &news)
{
    QMutexLocker lock(&keptMutex);
    if (kept.size() >= MaxKeptNews)
        kept.removeFirst();
    kept.append(news);
}

QVector<StatusNews> takeKeptStatusNews()
{
    QMutexLocker lock(&keptMutex);
    return std::exchange(kept, {});
}

bool keptNewsLeavesProfile(int profile)
{
    QMutexLocker lock(&keptMutex);
    return std::any_of(kept.begin(), kept.end(), [profile](const StatusNews &news) {
        return news.profile < ProfileCount && news.profile != profile;
    });
}

void dropKeptNewsOf(int profile)
{
    QMutexLocker lock(&keptMutex);
    const auto ofProfile = [profile](const StatusNews &news) { return news.profile == profile; };
    kept.erase(std::remove_if(kept.begin(), kept.end(), ofProfile), kept.end());
}

void setUploadProfile(int profile)
{
    uploadProfile = profile;
}

bool uploadProfileLeft()
{
    const int profile = uploadProfile;
    return profile >= 0 && keptNewsLeavesProfile(profile);
}
