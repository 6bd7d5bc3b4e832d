#pragma once

#include <QtGlobal>

// The device's generic memory interface: 0x41 reads a range through feature reports on
// the cable mouse interface, 0x42 writes one through vendor reports.

constexpr quint16 ActiveProfileAddress = 0x002C;
constexpr quint16 PollRateAddress = 0x0032;
constexpr int PollRateLength = 10;
constexpr quint16 DpiAddress = 0x0040;
constexpr int DpiMemoryLength = 32;
constexpr quint16 LedStateAddress = 0x0449;
constexpr int LedStateEntries = 10;
constexpr int LedStateEntryLength = 7;
constexpr quint16 SettingsBlockAddress = 0x0020;
constexpr int SettingsBlockLength = 10;
constexpr quint16 SettingPairAddress = 0x003E;
constexpr quint16 SettingByteAddress = 0x0012;
constexpr quint16 LedSettingsAddress = 0x0464;
constexpr quint16 MacroMemoryAddress = 0x0478;
constexpr int MemoryChunk = 25;

// Reads length bytes (at most 25) at address into data; 1 on success, 0 on any failure,
// when failureLog is logged if the request cannot be sent.
int readDeviceMemory(quint16 address, int length, quint8 *data, const char *failureLog);
// The active profile index into deviceSettings' current profile; 1, or 0 when the read
// fails or names no profile (the current profile is then kept).
int queryActiveProfile();
int QueryPollRate(quint8 *rates);      // 10 bytes
int QueryDpi(quint8 *stages);          // 32 bytes, read as 25 and 7
int QueryLedState(quint8 *entries);    // ten entries of 7 bytes
// The 4-byte button entry of a table position in a profile's memory block.
int QuerySingleButton(int profile, int position, quint8 *entry);
// Address of a profile's memory block (0..4).
quint16 profileBlockAddress(int profile);

// Writes data in 0x42 packets of at most chunk bytes from address; the send routine's
// result of the first failing packet, else 0.
quint8 writeDeviceMemory(quint16 address, const quint8 *data, int length, int chunk = MemoryChunk);
// The commit report 0x40 F3 with one flag.
quint8 commitFlag(quint8 flag);
quint8 writePollRateMemory(const quint8 *rates);  // then commit 0x08
quint8 writeLedSettingsMemory(const quint8 *two); // then commit 0x10
quint8 writeSettingsBlockMemory(const quint8 *ten); // 0x0020
quint8 writeSettingPairMemory(const quint8 *two);   // 0x003E
quint8 writeSettingByteMemory();                    // 0x0012, value 2
// The eight stages of a profile of deviceSettings as 5-byte records from 0x0040.
quint8 writeDpiMemory(int profile);
// Builds the button table of a profile and writes each entry it reaches at its
// position in the profile's memory block.
quint8 writeButtonEntriesMemory(int profile);
// Packs the numbered macros and writes each used slot k at 0x0478 + 200k.
quint8 writeMacroMemory();
// 0x44 with deviceSettings' current profile, the profile commit when asked, 100 ms pause.
void switchProfileMemory(bool commit);
