#include "device/SettingsCommands.h"

#include "device/DeviceState.h"
#include "device/DpiEncoding.h"
#include "device/ReportPackets.h"
#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"

#include <array>
#include <cstring>

namespace {

constexpr int LightingTableSize = 80;
constexpr int LightingChunk = 24;

// One lighting table entry: LED mode, table offset, effect code and how bytes 1-3 and 5-7 fill.
struct LightingEntry
{
    int mode;
    quint8 effect;
    bool colour;
    enum Source { Zero, Breath, Bright, Value } b5, b6, b7;
    quint8 v6;
    quint8 v7;
};

using S = LightingEntry::Source;
constexpr std::array<LightingEntry, 10> lightingEntries = {{
    {0, 0x00, false, S::Zero, S::Zero, S::Zero, 0, 0},
    {1, 0x01, true, S::Zero, S::Value, S::Bright, 0x02, 0},
    {2, 0x01, true, S::Breath, S::Value, S::Value, 0x04, 0x03},
    {3, 0x01, false, S::Breath, S::Value, S::Value, 0x01, 0x03},
    {4, 0x01, false, S::Breath, S::Value, S::Bright, 0x08, 0},
    {9, 0x05, false, S::Breath, S::Value, S::Bright, 0x01, 0},
    {11, 0x07, false, S::Zero, S::Zero, S::Bright, 0, 0},
    {10, 0x06, false, S::Breath, S::Zero, S::Bright, 0, 0},
    {12, 0x08, false, S::Breath, S::Zero, S::Bright, 0, 0},
    {13, 0x09, false, S::Breath, S::Zero, S::Bright, 0, 0},
}};

quint8 sourceByte(S source, const LedModeRecord &led, quint8 value)
{
    switch (source) {
    case S::Breath:
        return quint8(led.breath & 0xFF);
    case S::Bright:
        return quint8(led.bright & 0xFF);
    case S::Value:
        return value;
    case S::Zero:
        break;
    }
    return 0;
}

} // namespace

quint8 uploadSession(int phase)
{
    return sendCommand(CmdSession, quint8(phase));
}

quint8 deviceLedMode(int ledMode)
{
    static const quint8 modes[LedModeCount] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    return ledMode >= 0 && ledMode < LedModeCount ? modes[ledMode] : 6;
}

quint8 sendGeneralSettings(const SettingsBlock &block)
{
    const ProfileRecord &lighting = lightingRecord(block);
    const ProfileRecord &current = currentRecord(block);
    quint8 data[19] = {};
    for (int p = 0; p < ProfileCount; ++p) {
        data[p] = block.profiles[size_t(p)].scrollspeed;
        data[11 + p] = block.profiles[size_t(p)].pollrate;
    }
    data[5] = block.LiftHigh;
    data[6] = quint8(safeProfileIndex(block.currentProfile));
    data[7] = lighting.LedMoveOFF;
    data[8] = lighting.LedSleepTime;
    data[9] = 0x01;
    data[10] = 0x01;
    data[16] = 0x1F;
    // A stored stage the model lacks goes out as stage 0.
    data[17] = current.dpi < dpiStageCountToSend() ? current.dpi : quint8(0);
    data[18] = deviceLedMode(lighting.LedMode);
    if (quint8 r = sendDataPackets(CmdGeneralSettings, 0, data, sizeof data, sizeof data))
        return r;
    return sendEndPacket(CmdGeneralSettings);
}

int dpiStageCountToSend()
{
    const int count = modelDpiStageCount();
    return count < 1 || count > DpiStageCount ? DpiStageCount : count;
}

void buildDpiStageRecord(int profile, int stage, int count, quint8 *record)
{
    const DpiStage &s = deviceSettings.profiles[size_t(safeProfileIndex(profile))].stages[size_t(stage)];
    const int sensor = readMouseSensor();
    const quint8 status = lastStatusByte.load();
    quint32 first = 0, second = 0;
    dpiRegisterSources(sensor, s.x, s.y, &first, &second);
    const DpiRegister a = encodeDpiRegister(sensor, first, false, status);
    const DpiRegister b = encodeDpiRegister(sensor, second, true, status);
    record[0] = stage < count ? s.used : quint8(0);
    record[1] = a.low;
    record[2] = a.range;
    record[3] = b.low;
    record[4] = b.range;
}

quint8 sendDpiStages(int profile)
{
    const int count = dpiStageCountToSend();
    const quint8 countByte = quint8(count);
    if (quint8 r = sendDataPackets(CmdDpiStages, 0, &countByte, 1, 1))
        return r;
    for (int i = 0; i < DpiStageCount; ++i) {
        quint8 data[DpiStageRecordSize];
        buildDpiStageRecord(profile, i, count, data);
        const int address = 1 + i * DpiStageRecordSize;
        if (quint8 r = sendDataPackets(CmdDpiStages, address, data, DpiStageRecordSize, DpiStageRecordSize))
            return r;
    }
    return sendEndPacket(CmdDpiStages);
}

void buildLightingTable(const ProfileRecord &record, quint8 *table)
{
    std::memset(table, 0, LightingTableSize);
    for (size_t e = 0; e < lightingEntries.size(); ++e) {
        const LightingEntry &entry = lightingEntries[e];
        const LedModeRecord &led = record.ledModes[size_t(entry.mode)];
        quint8 *out = table + 8 * e;
        out[0] = 0x80;
        if (entry.colour && led.color.isValid()) {
            out[1] = quint8(led.color.red());
            out[2] = quint8(led.color.green());
            out[3] = quint8(led.color.blue());
        }
        out[4] = entry.effect;
        out[5] = sourceByte(entry.b5, led, 0);
        out[6] = sourceByte(entry.b6, led, entry.v6);
        out[7] = sourceByte(entry.b7, led, entry.v7);
    }
}

quint8 sendLightingTable()
{
    quint8 table[LightingTableSize];
    buildLightingTable(lightingRecord(deviceSettings), table);
    if (quint8 r = sendDataPackets(CmdLightingTable, 0, table, LightingTableSize, LightingChunk))
        return r;
    return sendEndPacket(CmdLightingTable);
}

quint8 commitAll()
{
    for (quint8 flag : {0x04, 0x01, 0x02, 0x08, 0x10}) {
        if (quint8 r = sendCommand(CmdCommit, 0xF3, flag))
            return r;
    }
    return SendOk;
}

void setActiveProfile(int profile)
{
    sendCommand(CmdProfileSwitch, quint8(profile));
    sendCommand(CmdCommit, 0xF3, 0x01);
}
