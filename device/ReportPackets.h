#pragma once

#include "device/VendorReport.h"

#include <QtGlobal>

// Command codes of the vendor protocol.
enum VendorCommand : quint8 {
    CmdGeneralSettings = 0x01,
    CmdDpiStages = 0x02,
    CmdButtonTable = 0x03,
    CmdLightingTable = 0x04,
    CmdMacro = 0x05,
    CmdCommit = 0x40,
    CmdMemoryRead = 0x41,
    CmdMemoryWrite = 0x42,
    CmdProfileSwitch = 0x44,
    CmdSession = 0x46,
    CmdStatus = 0x48,
};

enum PacketPhase : quint8 {
    PhaseSingle = 0x00,
    PhaseFirst = 0xD1,
    PhaseNext = 0xD2,
    PhaseEnd = 0xD3,
};

constexpr int MaxPacketData = 25;

// Zero-fills a 34-byte send buffer and sets the report header; data bytes follow at
// buffer[9] (report byte 8).
void fillReport(quint8 *buffer, quint8 command, quint16 address, quint8 length, quint8 phase);
// One report with up to 25 data bytes; the send routine's result.
quint8 sendPacket(quint8 command, quint16 address, quint8 phase, const quint8 *data, int length);
// A report without data whose bytes 4-5 carry two arguments.
quint8 sendCommand(quint8 command, quint8 arg4, quint8 arg5 = 0);
// The end packet of a multi-packet transfer: address 0x7F, length 1, phase 0xD3, data 0x1A.
quint8 sendEndPacket(quint8 command, quint16 address = 0x7F);
// Sends data in packets of at most chunk bytes at consecutive addresses from address;
// the packet at address 0 is a first packet, every other a following one. Stops at
// the first non-zero result and returns it.
quint8 sendDataPackets(quint8 command, int address, const quint8 *data, int length, int chunk);
