#pragma once

#include <QByteArray>
#include <QVector>
#include <QtGlobal>

#include <array>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

struct hid_device_;
struct hid_device_info;

// The emulated mouse behind the hidapi C functions (FakeHidApi.cpp). Test
// executables link it in place of hidapi-hidraw. Two links, the receiver
// (0x248A:0xFA02) and the cable (0x248A:0xFB01), each plugged or not; each
// plugged link lists a mouse collection (usage page 1 / usage 2) and a vendor
// collection (usage page 1 / usage 0) on one shared path, as hidraw does, and
// every handle open on a path sees every input report of that link.
//
// Every method is thread-safe (one mutex inside). Reads never wait longer
// than setReadWaitMs (0 by default): an empty queue answers 0 bytes at once.
enum class FakeLink { Receiver = 0, Cable = 1 };

enum class FakeFault {
    NoAnswer,     // replies are dropped: reads time out with 0 bytes
    ZeroReplies,  // replies are 33 zero bytes
    WrongHeader,  // replies carry a wrong signature byte (report byte 2)
    WrongData,    // replies carry a wrong first data byte (report byte 8)
    LateEcho,     // replies show only after setLateEchoReads empty reads
    ReadFailure,  // hid_read, hid_read_timeout and hid_get_feature_report return -1
    WriteFailure, // hid_write and hid_send_feature_report return -1
    OpenFailure,  // hid_open_path returns null
};
constexpr int FakeFaultCount = 8;

constexpr quint16 FakeVendorId = 0x248A;
constexpr quint16 FakeReceiverProductId = 0xFA02;
constexpr quint16 FakeCableProductId = 0xFB01;

// Protocol errors the mouse saw in written vendor reports (report ID 0x05).
struct FakeProtocolErrors
{
    int badChecksum = 0;
    int badSignature = 0;
    int lengthAbove25 = 0;
    int dataPastLength = 0;        // a byte past the length is not zero
    int followingWithoutFirst = 0; // 0xD2 or 0xD3 with no 0xD1 of that command before
    int badEndPacket = 0;          // 0xD3 packet other than address 0x7F (0x0FFF for 0x05), length 1, 0x1A
    int badPhase = 0;              // commands 0x01-0x05 with a phase other than 0xD1-0xD3,
                                   // 0xD1 away from address 0 or 0xD2 at address 0
    int badAddress = 0;            // data past the end of the table or memory written
    int badSize = 0;               // a vendor write of other than 33 bytes
    int stagePastCount = 0;        // an active DPI stage at or past the stage count the mouse holds
    int total() const;
};

struct FakeWrittenReport
{
    FakeLink link = FakeLink::Receiver;
    QByteArray bytes;     // as handed to hid_write (report byte 0 first)
    bool accepted = true; // false when the write failed
    std::chrono::steady_clock::time_point at; // when the mouse took it
};

struct FakeCommit
{
    quint8 code = 0; // report byte 4 (0xF3)
    quint8 flag = 0; // report byte 5
};

// What the mouse holds; each table is applied on its end packet (0xD3).
struct FakeMouseState
{
    std::array<quint8, 19> general{};  // command 0x01
    std::array<quint8, 41> dpi{};      // command 0x02: count, then 8 stages of 5 bytes
    std::array<quint8, 102> buttons{}; // command 0x03: 98-byte table, then FF FF FF FF
    std::array<quint8, 80> lighting{}; // command 0x04: ten 8-byte effect entries
    std::array<quint8, 4000> macros{}; // command 0x05: twenty 200-byte slots
    std::array<int, 6> transfersApplied{}; // end packets applied, by command 1..5
    QVector<FakeCommit> commits;           // every 0x40 report
    QVector<int> profileSwitches;          // byte 4 of every 0x44 report
    int activeProfile = 0;                 // last 0x44, or a profile taken on the mouse
    int sessionBegins = 0; // 0x46 with byte 4 = 0
    int sessionEnds = 0;   // 0x46 with byte 4 = 1

    quint8 scrollSpeed(int profile) const { return general[size_t(profile)]; }
    quint8 liftHigh() const { return general[5]; }
    quint8 currentProfile() const { return general[6]; }
    quint8 ledMoveOff() const { return general[7]; }
    quint8 ledSleepTime() const { return general[8]; }
    quint8 pollRate(int profile) const { return general[size_t(11 + profile)]; }
    quint8 activeDpiStage() const { return general[17]; }
    quint8 ledMode() const { return general[18]; }

    quint8 dpiStageCount() const { return dpi[0]; }
    quint8 dpiStageUsed(int stage) const { return dpi[size_t(1 + 5 * stage)]; }
    // Register values as (range byte << 8) | low byte.
    quint16 dpiFirstValue(int stage) const;
    quint16 dpiSecondValue(int stage) const;

    // 4 bytes of button table entry 0..23.
    QByteArray buttonEntry(int entry) const;
    // 8 bytes of lighting table entry 0..9.
    QByteArray lightingEntry(int entry) const;
    // 200 bytes of macro slot 0..19.
    QByteArray macroSlot(int slot) const;

    // Every profile's DPI and button tables (the active profile's are also the ones
    // above) and the macro memory each profile runs: its own when the mouse keeps one
    // per profile, else the shared one.
    std::array<std::array<quint8, 41>, 5> dpiOf{};
    std::array<std::array<quint8, 102>, 5> buttonsOf{};
    std::array<std::array<quint8, 4000>, 5> macrosOf{};
    QByteArray buttonEntryOf(int profile, int entry) const;
    QByteArray macroSlotOf(int profile, int slot) const;

    // What stays down once the slot's macro has run to its first zero record: each key
    // (0x84) or button (0x81) pressed and not let go again, as [type, code] pairs in
    // press order. A second press of a key already down changes nothing.
    QByteArray keysHeldAfterMacro(int slot) const;
};

class FakeMouse
{
public:
    static FakeMouse &instance();

    // Unplugs both links, closes nothing (open handles go dead), clears the
    // state, the log, the faults and the counters, restores the defaults.
    void reset();

    // Links and enumeration.
    void plug(FakeLink link);
    void unplug(FakeLink link); // handles open on the link go dead for good
    bool isPlugged(FakeLink link) const;
    void setPath(FakeLink link, const QByteArray &path); // defaults "/dev/hidraw2", "/dev/hidraw4"
    QByteArray path(FakeLink link) const;
    void setReleaseNumber(FakeLink link, quint16 release); // default 0x0100
    // hid_enumerate lists every entry of the links twice.
    void setDuplicateEntries(bool duplicate);
    // A third collection on the link's path (usage page 0 removes it), listed while
    // the link is plugged.
    void setExtraCollection(FakeLink link, quint16 usagePage, quint16 usage);
    // One more enumeration entry that hid_open_path does not open.
    void addForeignEntry(quint16 vendorId, quint16 productId, const QByteArray &path,
                         quint16 usagePage, quint16 usage, quint16 release = 0);
    void setInitFails(bool fails);
    int initCount() const;
    int exitCount() const;
    int openHandleCount() const;
    int openHandleCount(FakeLink link) const;

    // Faults: the next `skip` events of the fault's kind pass, then `count`
    // events (every one when count < 0) are hit. Events are replies for
    // NoAnswer, ZeroReplies, WrongHeader, WrongData and LateEcho, read calls
    // for ReadFailure, write calls for WriteFailure, opens for OpenFailure.
    void armFault(FakeFault fault, int count = -1, int skip = 0);
    void clearFaults();
    void setLateEchoReads(int reads); // default 1
    // The link accepts `reports` more writes; the next write finds it unplugged.
    void unplugAfterReports(FakeLink link, int reports);

    // Status: the 'H' reply to command 0x48 and the 'I' reply on request.
    void setBattery(quint16 word, quint8 charging); // 'H' bytes 4-5 (little-endian) and 6
    void setWriteStatus(quint8 status);             // 'H' byte 7
    void setStatusByte(quint8 status);              // 'H' byte 10
    void setMouseOff(bool off);                     // 'H' bytes 4-6 zero
    // A change made on the mouse itself: it takes profile, stage and rate (a profile
    // above 4 changes nothing) and sends its 'I' report.
    void sendStatusReply(FakeLink link, quint8 profile, quint8 stage, quint8 rate, quint8 mode);
    // A press of the mouse's own buttons while a write runs: as the next vendor write
    // of `command` (with report byte 4 = arg when arg >= 0) arrives, the mouse takes
    // profile, stage and rate before it handles that write, and its 'I' report comes
    // before that write's echo.
    void pushStatusAt(quint8 command, int arg, quint8 profile, quint8 stage, quint8 rate);
    // The DPI and button tables (and the macros when set) belong to the active profile:
    // a settings packet's profile byte or a profile switch brings up that profile's.
    void setMacroMemoryPerProfile(bool perProfile); // one shared memory by default
    // The next vendor write of `command` waits until releaseHold(); then it and every
    // later write on that handle fail: a program killed at that report. holding() tells
    // that a write waits.
    void holdAtCommand(quint8 command);
    bool holding() const;
    void releaseHold();
    // Ordinary mouse input (report ID 1, 8 bytes) on the link's shared path.
    void sendMouseInput(FakeLink link);
    // Any input report on the link's shared path (a device notification, for one).
    void sendInputReport(FakeLink link, const QByteArray &report);
    void setInterleavedMouseReports(int beforeEachReply);
    // Longest real wait of a read on an empty queue (capped by its own time-out).
    void setReadWaitMs(int ms);
    // Each write takes this long (a slow link); 0 by default.
    void setWriteDelayMs(int ms);

    // Observation.
    QVector<FakeWrittenReport> writtenReports() const;
    // Report byte 3 of every accepted vendor write, in order.
    QByteArray commandSequence() const;
    int writeCount() const; // hid_write calls, failed ones included
    int readCount() const;  // hid_read and hid_read_timeout calls
    FakeProtocolErrors protocolErrors() const;
    FakeMouseState state() const;
    // Memory of the 0x41 / 0x42 commands (8 KiB).
    QByteArray memory(int address, int length) const;
    // Clears the write log, the counters and the protocol errors; keeps the state.
    void clearLog();

    // The hidapi functions call these.
    int hidInit();
    int hidExit();
    hid_device_info *hidEnumerate(unsigned short vendorId, unsigned short productId);
    static void hidFreeEnumeration(hid_device_info *list);
    hid_device_ *hidOpenPath(const char *path);
    hid_device_ *hidOpen(unsigned short vendorId, unsigned short productId);
    void hidClose(hid_device_ *device);
    int hidWrite(hid_device_ *device, const unsigned char *data, size_t length);
    int hidRead(hid_device_ *device, unsigned char *data, size_t length, int timeoutMs);
    int hidSetNonblocking(hid_device_ *device, int nonblock);
    int hidSendFeatureReport(hid_device_ *device, const unsigned char *data, size_t length);
    int hidGetFeatureReport(hid_device_ *device, unsigned char *data, size_t length);

private:
    FakeMouse();

    struct Link
    {
        bool plugged = false;
        QByteArray path;
        quint16 productId = 0;
        quint16 release = 0x0100;
        int acceptUntilUnplug = -1;
        quint16 extraUsagePage = 0;
        quint16 extraUsage = 0;
    };
    struct ForeignEntry
    {
        quint16 vendorId, productId, usagePage, usage, release;
        QByteArray path;
    };
    struct FaultPlan
    {
        int skip = 0;
        int count = 0;
    };
    struct PushedStatus
    {
        int command = -1;
        int arg = -1;
        std::array<quint8, 8> bytes{};
    };
    struct Transfer
    {
        bool open = false;
        bool applied = false; // its end packet came; a repeated end packet is a retry
        std::array<quint8, 4000> data{};
        std::array<bool, 4000> written{};
    };

    void resetLocked();
    bool takeFault(FakeFault fault);
    bool validHandle(hid_device_ *device) const;
    void unplugLocked(int link);
    void checkReport(const quint8 *report, size_t length);
    void handleVendorReport(int link, const quint8 *report);
    void handleTransfer(const quint8 *report);
    void applyTransfer(int command);
    void queueReply(int link, QByteArray reply);
    void deliver(int link, const QByteArray &report, int hiddenReads);
    QByteArray statusReply(quint8 kind, const std::array<quint8, 8> &bytes) const;
    void takeOwnChange(quint8 profile, quint8 stage, quint8 rate);
    void showProfileTables(int profile);
    bool waitForRelease(std::unique_lock<std::mutex> &lock, hid_device_ *device, const unsigned char *data,
                        size_t length);

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::array<Link, 2> m_links;
    QVector<ForeignEntry> m_foreign;
    bool m_duplicateEntries = false;
    bool m_initFails = false;
    int m_initCount = 0;
    int m_exitCount = 0;
    std::set<hid_device_ *> m_handles;
    std::array<FaultPlan, FakeFaultCount> m_faults;
    int m_lateEchoReads = 1;
    quint16 m_battery = 0x03F0;
    quint8 m_charging = 0;
    quint8 m_writeStatus = 1;
    quint8 m_statusByte = 0;
    bool m_mouseOff = false;
    int m_interleave = 0;
    PushedStatus m_pushed;
    int m_readWaitMs = 0;
    int m_writeDelayMs = 0;
    QVector<FakeWrittenReport> m_log;
    int m_writeCount = 0;
    int m_readCount = 0;
    FakeProtocolErrors m_errors;
    FakeMouseState m_state;
    std::array<Transfer, 6> m_transfers;
    struct ProfileTables
    {
        std::array<quint8, 41> dpi{};
        std::array<quint8, 102> buttons{};
        std::array<quint8, 4000> macros{};
    };
    std::array<ProfileTables, 5> m_profileTables; // the inactive profiles' tables
    int m_tablesProfile = 0;                      // whose tables m_state shows
    bool m_macrosPerProfile = false;
    int m_holdCommand = -1;
    bool m_holding = false;
    bool m_released = false;
    std::condition_variable m_holdChanged;
    QByteArray m_memory;
    QByteArray m_featureReply;
};
