#include "device/ReportPackets.h"

#include <algorithm>
#include <cstring>

void fillReport(quint8 *buffer, quint8 command, quint16 address, quint8 length, quint8 phase)
{
    std::memset(buffer, 0, VendorBufferSize);
    quint8 *report = buffer + 1;
    report[0] = 0x05;
    report[2] = 0xFA;
    report[3] = command;
    report[4] = quint8(address & 0xFF);
    report[5] = quint8(address >> 8);
    report[6] = length;
    report[7] = phase;
}

quint8 sendPacket(quint8 command, quint16 address, quint8 phase, const quint8 *data, int length)
{
    length = std::clamp(length, 0, MaxPacketData);
    quint8 buffer[VendorBufferSize];
    fillReport(buffer, command, address, quint8(length), phase);
    if (length > 0)
        std::memcpy(buffer + 9, data, size_t(length));
    return sendReport(buffer, VendorReportSize);
}

quint8 sendCommand(quint8 command, quint8 arg4, quint8 arg5)
{
    return sendPacket(command, quint16(arg4 | (arg5 << 8)), PhaseSingle, nullptr, 0);
}

quint8 sendEndPacket(quint8 command, quint16 address)
{
    const quint8 end = 0x1A;
    return sendPacket(command, address, PhaseEnd, &end, 1);
}

quint8 sendDataPackets(quint8 command, int address, const quint8 *data, int length, int chunk)
{
    for (int offset = 0; offset < length; offset += chunk) {
        const int at = address + offset;
        const quint8 phase = at == 0 ? PhaseFirst : PhaseNext;
        if (quint8 r = sendPacket(command, quint16(at), phase, data + offset, std::min(chunk, length - offset)))
            return r;
    }
    return SendOk;
}
