#include "device/MemoryCommands.h"

#include "device/ButtonTable.h"
#include "device/DeviceState.h"
#include "device/DeviceTable.h"
#include "device/MacroUpload.h"
#include "device/ReportPackets.h"
#include "device/SettingsCommands.h"
#include "platform/Sleep.h"
#include "storage/ModelDescriptor.h"

#include <hidapi.h>

#include <QDebug>
#include <QVector>

#include <algorithm>
#include <cstring>

namespace {

constexpr int FeatureReportSize = 33;
constexpr int FeatureDataOffset = 8;
constexpr int StepPause = 10;
constexpr int ButtonEntryOffset = 0x42;
constexpr int ButtonEntrySize = 4;

} // namespace

int readDeviceMemory(quint16 address, int length, quint8 *data, const char *failureLog)
{
    length = std::clamp(length, 0, FeatureReportSize - FeatureDataOffset);
    quint8 request[FeatureReportSize] = {0xFA, CmdMemoryRead, quint8(address & 0xFF), quint8(address >> 8),
                                         quint8(length)};
    quint8 reply[FeatureReportSize] = {0xFA, CmdMemoryRead};
    QMutexLocker lock(&deviceMutex());
    hid_device *handle = deviceHandle(CableMouse);
    if (!handle)
        return 0;
    if (hid_send_feature_report(handle, request, FeatureReportSize) < 0) {
        qDebug("%s", failureLog);
        return 0;
    }
    sleepMs(StepPause);
    const int n = hid_get_feature_report(handle, reply, FeatureReportSize);
    sleepMs(StepPause);
    if (n < FeatureDataOffset + length)
        return 0;
    std::memcpy(data, reply + FeatureDataOffset, size_t(length));
    return 1;
}

int queryActiveProfile()
{
    quint8 profile = 0;
    if (!readDeviceMemory(ActiveProfileAddress, 1, &profile, "QueryProfile Unable to send a feature report.\n"))
        return 0;
    if (profile >= ProfileCount)
        return 0;
    deviceSettings.currentProfile = profile;
    return 1;
}

int QueryPollRate(quint8 *rates)
{
    return readDeviceMemory(PollRateAddress, PollRateLength, rates, "QueryPollRate Unable to send a feature report.\n");
}

int QueryDpi(quint8 *stages)
{
    const char *log = "QueryDpi Unable to send a feature report.\n";
    return readDeviceMemory(DpiAddress, MemoryChunk, stages, log)
        && readDeviceMemory(DpiAddress + MemoryChunk, DpiMemoryLength - MemoryChunk, stages + MemoryChunk, log);
}

int QueryLedState(quint8 *entries)
{
    for (int k = 0; k < LedStateEntries; ++k) {
        if (!readDeviceMemory(quint16(LedStateAddress + 8 * k), LedStateEntryLength, entries + LedStateEntryLength * k,
                              "QueryLedState Unable to send a feature report.\n"))
            return 0;
    }
    return 1;
}

quint16 profileBlockAddress(int profile)
{
    static const quint16 blocks[] = {0x0040, 0x0100, 0x01B0, 0x0260, 0x0310};
    return blocks[std::clamp(profile, 0, 4)];
}

int QuerySingleButton(int profile, int position, quint8 *entry)
{
    if (position < 0 || position >= 24)
        return 0;
    const quint16 address = quint16(profileBlockAddress(profile) + ButtonEntryOffset + ButtonEntrySize * position);
    return readDeviceMemory(address, ButtonEntrySize, entry, "QuerySingleButton Unable to send a feature report.\n");
}

quint8 writeDeviceMemory(quint16 address, const quint8 *data, int length, int chunk)
{
    chunk = std::clamp(chunk, 1, MaxPacketData);
    for (int offset = 0; offset < length; offset += chunk) {
        const int n = std::min(chunk, length - offset);
        if (quint8 r = sendPacket(CmdMemoryWrite, quint16(address + offset), PhaseSingle, data + offset, n))
            return r;
    }
    return SendOk;
}

quint8 commitFlag(quint8 flag)
{
    return sendCommand(CmdCommit, 0xF3, flag);
}

quint8 writePollRateMemory(const quint8 *rates)
{
    if (quint8 r = writeDeviceMemory(PollRateAddress, rates, PollRateLength))
        return r;
    return commitFlag(0x08);
}

quint8 writeLedSettingsMemory(const quint8 *two)
{
    if (quint8 r = writeDeviceMemory(LedSettingsAddress, two, 2))
        return r;
    return commitFlag(0x10);
}

quint8 writeSettingsBlockMemory(const quint8 *ten)
{
    return writeDeviceMemory(SettingsBlockAddress, ten, SettingsBlockLength);
}

quint8 writeSettingPairMemory(const quint8 *two)
{
    return writeDeviceMemory(SettingPairAddress, two, 2);
}

quint8 writeSettingByteMemory()
{
    const quint8 value = 2;
    return writeDeviceMemory(SettingByteAddress, &value, 1);
}

quint8 writeDpiMemory(int profile)
{
    quint8 records[DpiStageCount * DpiStageRecordSize];
    const int count = dpiStageCountToSend();
    for (int i = 0; i < DpiStageCount; ++i)
        buildDpiStageRecord(profile, i, count, records + i * DpiStageRecordSize);
    return writeDeviceMemory(DpiAddress, records, int(sizeof records));
}

quint8 writeButtonEntriesMemory(int profile)
{
    const int count = buildButtonTable(profile);
    if (count < 0)
        return SendBadButtonMatrix;
    QVector<int> positions = {WheelUpEntry, WheelDownEntry};
    for (int i = 0; i < count; ++i) {
        if (buttonMatrix[size_t(i)] < ButtonTableEntries)
            positions.append(buttonMatrix[size_t(i)]);
    }
    const quint16 block = quint16(profileBlockAddress(profile) + ButtonEntryOffset);
    for (int position : positions) {
        const quint8 *entry = buttonTableImage.data() + 2 + ButtonEntrySize * position;
        if (quint8 r = writeDeviceMemory(quint16(block + ButtonEntrySize * position), entry, ButtonEntrySize))
            return r;
    }
    return SendOk;
}

quint8 writeMacroMemory()
{
    macroImage.fill(0);
    if (!packNumberedMacros("iIndex>=MAX_MACRO_NUMBER_550\n"))
        return SendOk;
    for (int k = 0; k < MacroSlotCount; ++k) {
        if (!macroSlotInUse(k))
            continue;
        const quint8 *slot = macroImage.data() + k * MacroSlotSize;
        if (quint8 r = writeDeviceMemory(quint16(MacroMemoryAddress + MacroSlotSize * k), slot, MacroSlotSize))
            return r;
    }
    return SendOk;
}

void switchProfileMemory(bool commit)
{
    sendCommand(CmdProfileSwitch, deviceSettings.currentProfile);
    if (commit)
        sendCommand(CmdCommit, 0xF3, 0x01);
    sleepMs(100);
}
