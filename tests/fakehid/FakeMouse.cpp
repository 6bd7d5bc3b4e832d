#include "tests/fakehid/FakeMouse.h"

#include <hidapi.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <deque>
#include <thread>

namespace {
constexpr int ReportSize = 33;
constexpr int MaxData = 25;
constexpr size_t QueueLimit = 64; // hidraw keeps 64 reports a reader and drops newer ones
constexpr int MemorySize = 0x2000;
constexpr std::array<int, 6> TransferSize = {0, 19, 41, 102, 80, 4000};

struct QueuedReport
{
    QByteArray bytes;
    int hiddenReads = 0;
};

quint8 checksum(const quint8 *report)
{
    int sum = 0;
    for (int i = 2; i <= 7; ++i)
        sum += report[i];
    return quint8((sum & 0xFF) ^ 0x66);
}

bool isEchoed(quint8 command)
{
    return command <= 0x0A || command == 0x40 || command == 0x46;
}

wchar_t *copyWide(const wchar_t *text)
{
    const size_t n = wcslen(text) + 1;
    auto *copy = new wchar_t[n];
    wmemcpy(copy, text, n);
    return copy;
}

QByteArray bytesAt(const quint8 *data, int offset, int length)
{
    return QByteArray(reinterpret_cast<const char *>(data + offset), length);
}
} // namespace

struct hid_device_
{
    int link = 0;
    bool nonblocking = false;
    bool dead = false;
    std::deque<QueuedReport> queue;
};

int FakeProtocolErrors::total() const
{
    return badChecksum + badSignature + lengthAbove25 + dataPastLength + followingWithoutFirst
           + badEndPacket + badPhase + badAddress + badSize + stagePastCount;
}

quint16 FakeMouseState::dpiFirstValue(int stage) const
{
    const size_t at = size_t(2 + 5 * stage);
    return quint16(dpi[at] | dpi[at + 1] << 8);
}

quint16 FakeMouseState::dpiSecondValue(int stage) const
{
    const size_t at = size_t(4 + 5 * stage);
    return quint16(dpi[at] | dpi[at + 1] << 8);
}

QByteArray FakeMouseState::buttonEntry(int entry) const
{
    return bytesAt(buttons.data(), 2 + 4 * entry, 4);
}

QByteArray FakeMouseState::lightingEntry(int entry) const
{
    return bytesAt(lighting.data(), 8 * entry, 8);
}

QByteArray FakeMouseState::macroSlot(int slot) const
{
    return bytesAt(macros.data(), 200 * slot, 200);
}

QByteArray FakeMouseState::buttonEntryOf(int profile, int entry) const
{
    return bytesAt(buttonsOf[size_t(profile)].data(), 2 + 4 * entry, 4);
}

QByteArray FakeMouseState::macroSlotOf(int profile, int slot) const
{
    return bytesAt(macrosOf[size_t(profile)].data(), 200 * slot, 200);
}

QByteArray FakeMouseState::keysHeldAfterMacro(int slot) const
{
    const QByteArray records = macroSlot(slot);
    QByteArray held;
    const auto find = [&held](const QByteArray &key) {
        for (int at = 0; at < held.size(); at += 2) {
            if (held.mid(at, 2) == key)
                return at;
        }
        return -1;
    };
    for (int at = 0; at + 3 <= records.size() && records[at] != 0; at += 3) {
        const quint8 type = quint8(records[at]);
        const quint8 kind = type & 0x7F;
        if (kind != 0x04 && kind != 0x01)
            continue;
        const QByteArray key{QByteArray(1, char(kind | 0x80)) + records[at + 1]};
        const int found = find(key);
        if ((type & 0x80) && found < 0)
            held += key;
        else if (!(type & 0x80) && found >= 0)
            held.remove(found, 2);
    }
    return held;
}

FakeMouse &FakeMouse::instance()
{
    static FakeMouse mouse;
    return mouse;
}

FakeMouse::FakeMouse()
{
    resetLocked();
}

void FakeMouse::reset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    resetLocked();
}

void FakeMouse::resetLocked()
{
    for (hid_device_ *device : m_handles) {
        device->dead = true;
        device->queue.clear();
    }
    m_links[0] = Link();
    m_links[0].path = "/dev/hidraw2";
    m_links[0].productId = FakeReceiverProductId;
    m_links[1] = Link();
    m_links[1].path = "/dev/hidraw4";
    m_links[1].productId = FakeCableProductId;
    m_foreign.clear();
    m_duplicateEntries = false;
    m_initFails = false;
    m_initCount = 0;
    m_exitCount = 0;
    m_faults = {};
    m_lateEchoReads = 1;
    m_battery = 0x03F0;
    m_charging = 0;
    m_writeStatus = 1;
    m_statusByte = 0;
    m_mouseOff = false;
    m_interleave = 0;
    m_pushed = PushedStatus();
    m_readWaitMs = 0;
    m_writeDelayMs = 0;
    m_log.clear();
    m_writeCount = 0;
    m_readCount = 0;
    m_errors = FakeProtocolErrors();
    m_state = FakeMouseState();
    m_transfers = {};
    m_profileTables = {};
    m_tablesProfile = 0;
    m_macrosPerProfile = false;
    m_holdCommand = -1;
    m_released = true;
    m_holdChanged.notify_all();
    m_memory = QByteArray(MemorySize, '\0');
    m_featureReply = QByteArray(ReportSize, '\0');
}

void FakeMouse::plug(FakeLink link)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[size_t(link)].plugged = true;
}

void FakeMouse::unplug(FakeLink link)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    unplugLocked(int(link));
}

void FakeMouse::unplugLocked(int link)
{
    m_links[size_t(link)].plugged = false;
    m_links[size_t(link)].acceptUntilUnplug = -1;
    for (hid_device_ *device : m_handles) {
        if (device->link == link) {
            device->dead = true;
            device->queue.clear();
        }
    }
    m_arrived.notify_all();
}

bool FakeMouse::isPlugged(FakeLink link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_links[size_t(link)].plugged;
}

void FakeMouse::setPath(FakeLink link, const QByteArray &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[size_t(link)].path = path;
}

QByteArray FakeMouse::path(FakeLink link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_links[size_t(link)].path;
}

void FakeMouse::setReleaseNumber(FakeLink link, quint16 release)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[size_t(link)].release = release;
}

void FakeMouse::setDuplicateEntries(bool duplicate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_duplicateEntries = duplicate;
}

void FakeMouse::setExtraCollection(FakeLink link, quint16 usagePage, quint16 usage)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[size_t(link)].extraUsagePage = usagePage;
    m_links[size_t(link)].extraUsage = usage;
}

void FakeMouse::addForeignEntry(quint16 vendorId, quint16 productId, const QByteArray &path,
                                quint16 usagePage, quint16 usage, quint16 release)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_foreign.append({vendorId, productId, usagePage, usage, release, path});
}

void FakeMouse::setInitFails(bool fails)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_initFails = fails;
}

int FakeMouse::initCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_initCount;
}

int FakeMouse::exitCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_exitCount;
}

int FakeMouse::openHandleCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(m_handles.size());
}

int FakeMouse::openHandleCount(FakeLink link) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return int(std::count_if(m_handles.begin(), m_handles.end(),
                             [link](hid_device_ *d) { return d->link == int(link); }));
}

void FakeMouse::armFault(FakeFault fault, int count, int skip)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults[size_t(fault)] = {std::max(skip, 0), count};
}

void FakeMouse::clearFaults()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults = {};
    for (Link &link : m_links)
        link.acceptUntilUnplug = -1;
}

bool FakeMouse::takeFault(FakeFault fault)
{
    FaultPlan &plan = m_faults[size_t(fault)];
    if (plan.count == 0)
        return false;
    if (plan.skip > 0) {
        --plan.skip;
        return false;
    }
    if (plan.count > 0)
        --plan.count;
    return true;
}

void FakeMouse::setLateEchoReads(int reads)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_lateEchoReads = std::max(reads, 0);
}

void FakeMouse::unplugAfterReports(FakeLink link, int reports)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_links[size_t(link)].acceptUntilUnplug = std::max(reports, 0);
}

void FakeMouse::setBattery(quint16 word, quint8 charging)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_battery = word;
    m_charging = charging;
}

void FakeMouse::setWriteStatus(quint8 status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeStatus = status;
}

void FakeMouse::setStatusByte(quint8 status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_statusByte = status;
}

void FakeMouse::setMouseOff(bool off)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mouseOff = off;
}

QByteArray FakeMouse::statusReply(quint8 kind, const std::array<quint8, 8> &bytes) const
{
    QByteArray reply(ReportSize, '\0');
    auto *r = reinterpret_cast<quint8 *>(reply.data());
    r[0] = 0x05;
    r[2] = 0xFA;
    r[3] = kind;
    for (size_t i = 0; i < bytes.size(); ++i)
        r[4 + i] = bytes[i];
    r[1] = checksum(r);
    return reply;
}

void FakeMouse::sendStatusReply(FakeLink link, quint8 profile, quint8 stage, quint8 rate,
                                quint8 mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    takeOwnChange(profile, stage, rate);
    deliver(int(link), statusReply(0x49, {profile, stage, rate, mode, 0, 0, 0, 0}), 0);
}

// A profile, stage and rate switched on the mouse itself; a profile it lacks changes nothing.
void FakeMouse::takeOwnChange(quint8 profile, quint8 stage, quint8 rate)
{
    if (profile >= 5)
        return;
    m_state.activeProfile = profile;
    showProfileTables(profile);
    m_state.general[6] = profile;
    m_state.general[17] = stage;
    m_state.general[size_t(11 + profile)] = rate;
}

void FakeMouse::pushStatusAt(quint8 command, int arg, quint8 profile, quint8 stage, quint8 rate)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pushed = {command, arg, {profile, stage, rate, 0, 0, 0, 0, 0}};
}

void FakeMouse::sendMouseInput(FakeLink link)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    deliver(int(link), QByteArray::fromHex("0100010000000000"), 0);
}

void FakeMouse::sendInputReport(FakeLink link, const QByteArray &report)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    deliver(int(link), report, 0);
}

void FakeMouse::setInterleavedMouseReports(int beforeEachReply)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_interleave = std::max(beforeEachReply, 0);
}

void FakeMouse::setReadWaitMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_readWaitMs = std::max(ms, 0);
}

QVector<FakeWrittenReport> FakeMouse::writtenReports() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_log;
}

QByteArray FakeMouse::commandSequence() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QByteArray commands;
    for (const FakeWrittenReport &w : m_log) {
        if (w.accepted && w.bytes.size() > 3 && quint8(w.bytes[0]) == 0x05)
            commands.append(w.bytes[3]);
    }
    return commands;
}

int FakeMouse::writeCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_writeCount;
}

int FakeMouse::readCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_readCount;
}

FakeProtocolErrors FakeMouse::protocolErrors() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_errors;
}

FakeMouseState FakeMouse::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    FakeMouseState s = m_state;
    for (int p = 0; p < 5; ++p) {
        const ProfileTables &t = m_profileTables[size_t(p)];
        const bool shown = p == m_tablesProfile;
        s.dpiOf[size_t(p)] = shown ? m_state.dpi : t.dpi;
        s.buttonsOf[size_t(p)] = shown ? m_state.buttons : t.buttons;
        s.macrosOf[size_t(p)] = (shown || !m_macrosPerProfile) ? m_state.macros : t.macros;
    }
    return s;
}

void FakeMouse::showProfileTables(int profile)
{
    if (profile < 0 || profile >= 5 || profile == m_tablesProfile)
        return;
    ProfileTables &shown = m_profileTables[size_t(m_tablesProfile)];
    ProfileTables &next = m_profileTables[size_t(profile)];
    shown.dpi = m_state.dpi;
    shown.buttons = m_state.buttons;
    m_state.dpi = next.dpi;
    m_state.buttons = next.buttons;
    if (m_macrosPerProfile) {
        shown.macros = m_state.macros;
        m_state.macros = next.macros;
    }
    m_tablesProfile = profile;
}

void FakeMouse::setMacroMemoryPerProfile(bool perProfile)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_macrosPerProfile = perProfile;
}

void FakeMouse::holdAtCommand(quint8 command)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_holdCommand = command;
    m_released = false;
}

bool FakeMouse::holding() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_holding;
}

void FakeMouse::releaseHold()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_released = true;
    m_holdChanged.notify_all();
}

// True when the write was held: it then fails, and the handle is dead.
bool FakeMouse::waitForRelease(std::unique_lock<std::mutex> &lock, hid_device_ *device, const unsigned char *data,
                               size_t length)
{
    if (m_holdCommand < 0 || length < 4 || data[0] != 0x05 || data[3] != m_holdCommand)
        return false;
    m_holdCommand = -1;
    m_holding = true;
    m_holdChanged.wait(lock, [this] { return m_released; });
    m_holding = false;
    if (validHandle(device))
        device->dead = true;
    return true;
}

QByteArray FakeMouse::memory(int address, int length) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (address < 0 || length < 0 || address + length > MemorySize)
        return QByteArray();
    return m_memory.mid(address, length);
}

void FakeMouse::clearLog()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_log.clear();
    m_writeCount = 0;
    m_readCount = 0;
    m_errors = FakeProtocolErrors();
}

int FakeMouse::hidInit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_initCount;
    return m_initFails ? -1 : 0;
}

int FakeMouse::hidExit()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_exitCount;
    return 0;
}

hid_device_info *FakeMouse::hidEnumerate(unsigned short vendorId, unsigned short productId)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    hid_device_info *head = nullptr;
    hid_device_info **tail = &head;
    auto add = [&](quint16 vid, quint16 pid, const QByteArray &path, quint16 page, quint16 usage,
                   quint16 release) {
        if ((vendorId && vendorId != vid) || (productId && productId != pid))
            return;
        auto *info = new hid_device_info();
        info->path = new char[size_t(path.size()) + 1];
        std::memcpy(info->path, path.constData(), size_t(path.size()) + 1);
        info->vendor_id = vid;
        info->product_id = pid;
        info->serial_number = copyWide(L"");
        info->release_number = release;
        info->manufacturer_string = copyWide(L"");
        info->product_string = copyWide(L"");
        info->usage_page = page;
        info->usage = usage;
        info->interface_number = 0;
        info->bus_type = HID_API_BUS_USB;
        *tail = info;
        tail = &info->next;
    };
    for (int pass = 0; pass < (m_duplicateEntries ? 2 : 1); ++pass) {
        for (const Link &link : m_links) {
            if (!link.plugged)
                continue;
            add(FakeVendorId, link.productId, link.path, 1, 2, link.release);
            add(FakeVendorId, link.productId, link.path, 1, 0, link.release);
            if (link.extraUsagePage != 0)
                add(FakeVendorId, link.productId, link.path, link.extraUsagePage, link.extraUsage, link.release);
        }
    }
    for (const ForeignEntry &e : m_foreign)
        add(e.vendorId, e.productId, e.path, e.usagePage, e.usage, e.release);
    return head;
}

void FakeMouse::hidFreeEnumeration(hid_device_info *list)
{
    while (list) {
        hid_device_info *next = list->next;
        delete[] list->path;
        delete[] list->serial_number;
        delete[] list->manufacturer_string;
        delete[] list->product_string;
        delete list;
        list = next;
    }
}

hid_device_ *FakeMouse::hidOpenPath(const char *path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!path || takeFault(FakeFault::OpenFailure))
        return nullptr;
    for (int i = 0; i < 2; ++i) {
        if (m_links[size_t(i)].plugged && m_links[size_t(i)].path == path) {
            auto *device = new hid_device_();
            device->link = i;
            m_handles.insert(device);
            return device;
        }
    }
    return nullptr;
}

hid_device_ *FakeMouse::hidOpen(unsigned short vendorId, unsigned short productId)
{
    QByteArray path;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const Link &link : m_links) {
            if (link.plugged && vendorId == FakeVendorId && link.productId == productId)
                path = link.path;
        }
    }
    return path.isEmpty() ? nullptr : hidOpenPath(path.constData());
}

void FakeMouse::hidClose(hid_device_ *device)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_handles.erase(device))
        delete device;
}

bool FakeMouse::validHandle(hid_device_ *device) const
{
    return device && m_handles.count(device);
}

void FakeMouse::setWriteDelayMs(int ms)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_writeDelayMs = std::max(ms, 0);
}

int FakeMouse::hidWrite(hid_device_ *device, const unsigned char *data, size_t length)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_writeDelayMs > 0) {
        const auto delay = std::chrono::milliseconds(m_writeDelayMs);
        lock.unlock();
        std::this_thread::sleep_for(delay);
        lock.lock();
    }
    if (!validHandle(device) || !data || waitForRelease(lock, device, data, length))
        return -1;
    ++m_writeCount;
    Link &link = m_links[size_t(device->link)];
    if (link.plugged && link.acceptUntilUnplug == 0)
        unplugLocked(device->link);
    const bool failed = device->dead || !link.plugged || takeFault(FakeFault::WriteFailure);
    FakeWrittenReport entry;
    entry.link = FakeLink(device->link);
    entry.bytes = QByteArray(reinterpret_cast<const char *>(data), int(length));
    entry.accepted = !failed;
    entry.at = std::chrono::steady_clock::now();
    m_log.append(entry);
    if (failed)
        return -1;
    if (link.acceptUntilUnplug > 0)
        --link.acceptUntilUnplug;
    if (length >= 1 && data[0] == 0x05) {
        quint8 report[ReportSize] = {};
        std::memcpy(report, data, std::min(length, size_t(ReportSize)));
        checkReport(report, length);
        handleVendorReport(device->link, report);
    }
    return int(length);
}

void FakeMouse::checkReport(const quint8 *r, size_t length)
{
    if (length != size_t(ReportSize))
        ++m_errors.badSize;
    if (r[1] != checksum(r))
        ++m_errors.badChecksum;
    if (r[2] != 0xFA)
        ++m_errors.badSignature;
    if (r[6] > MaxData) {
        ++m_errors.lengthAbove25;
        return;
    }
    for (int i = 8 + r[6]; i < ReportSize; ++i) {
        if (r[i] != 0) {
            ++m_errors.dataPastLength;
            break;
        }
    }
}

void FakeMouse::handleVendorReport(int link, const quint8 *r)
{
    const quint8 command = r[3];
    const int address = r[4] | r[5] << 8;
    const int length = std::min<int>(r[6], MaxData);
    // The press comes as the report arrives: the report itself may overwrite it.
    if (m_pushed.command == command && (m_pushed.arg < 0 || m_pushed.arg == r[4])) {
        takeOwnChange(m_pushed.bytes[0], m_pushed.bytes[1], m_pushed.bytes[2]);
        deliver(link, statusReply(0x49, m_pushed.bytes), 0);
        m_pushed = PushedStatus();
    }
    if (command >= 0x01 && command <= 0x05) {
        handleTransfer(r);
    } else if (command == 0x40) {
        m_state.commits.append({r[4], r[5]});
    } else if (command == 0x42) {
        if (address + length <= MemorySize)
            std::memcpy(m_memory.data() + address, r + 8, size_t(length));
        else
            ++m_errors.badAddress;
    } else if (command == 0x44) {
        m_state.activeProfile = r[4];
        showProfileTables(r[4]);
        m_state.profileSwitches.append(r[4]);
        m_memory[0x2C] = char(r[4]);
    } else if (command == 0x46) {
        if (r[4] == 0)
            ++m_state.sessionBegins;
        else if (r[4] == 1)
            ++m_state.sessionEnds;
    }
    if (isEchoed(command)) {
        queueReply(link, QByteArray(reinterpret_cast<const char *>(r), ReportSize));
    } else if (command == 0x48) {
        const bool off = m_mouseOff;
        queueReply(link, statusReply(0x48, {off ? quint8(0) : quint8(m_battery & 0xFF),
                                            off ? quint8(0) : quint8(m_battery >> 8),
                                            off ? quint8(0) : m_charging, m_writeStatus, 0, 0,
                                            m_statusByte, 0}));
    }
}

// Multi-packet tables: 0xD1 starts a transfer, 0xD2 adds to it, the end packet
// applies it. The macro upload may start at a 0xD2 packet (slot 0 unused).
void FakeMouse::handleTransfer(const quint8 *r)
{
    const int command = r[3];
    const int address = r[4] | r[5] << 8;
    const int length = std::min<int>(r[6], MaxData);
    const quint8 phase = r[7];
    Transfer &t = m_transfers[size_t(command)];
    // The packet at address 0 is the first one, every other packet a following one.
    if ((phase == 0xD1 && address != 0) || (phase == 0xD2 && address == 0)) {
        ++m_errors.badPhase;
        return;
    }
    if (phase == 0xD1) {
        t = Transfer();
        t.open = true;
    } else if (phase == 0xD3 && !t.open && t.applied) {
        return;
    } else if (phase == 0xD2 || phase == 0xD3) {
        if (!t.open && !(command == 0x05 && phase == 0xD2)) {
            ++m_errors.followingWithoutFirst;
            return;
        }
        if (!t.open) {
            t = Transfer();
            t.open = true;
        }
    } else {
        ++m_errors.badPhase;
        return;
    }
    if (phase == 0xD3) {
        const int endAddress = command == 0x05 ? 0x0FFF : 0x7F;
        if (address != endAddress || r[6] != 1 || r[8] != 0x1A) {
            ++m_errors.badEndPacket;
            t.open = false;
            return;
        }
        applyTransfer(command);
        t.open = false;
        t.applied = true;
        return;
    }
    if (address + length > TransferSize[size_t(command)]) {
        ++m_errors.badAddress;
        return;
    }
    for (int i = 0; i < length; ++i) {
        t.data[size_t(address + i)] = r[8 + i];
        t.written[size_t(address + i)] = true;
    }
}

void FakeMouse::applyTransfer(int command)
{
    const Transfer &t = m_transfers[size_t(command)];
    quint8 *target = nullptr;
    switch (command) {
    case 1: target = m_state.general.data(); break;
    case 2: target = m_state.dpi.data(); break;
    case 3: target = m_state.buttons.data(); break;
    case 4: target = m_state.lighting.data(); break;
    default: target = m_state.macros.data(); break;
    }
    for (int i = 0; i < TransferSize[size_t(command)]; ++i) {
        if (t.written[size_t(i)])
            target[i] = t.data[size_t(i)];
    }
    ++m_state.transfersApplied[size_t(command)];
    if (command == 1 && m_state.currentProfile() < 5) {
        m_state.activeProfile = m_state.currentProfile();
        showProfileTables(m_state.activeProfile);
    }
    if ((command == 1 || command == 2) && m_state.dpiStageCount() > 0
        && m_state.activeDpiStage() >= m_state.dpiStageCount())
        ++m_errors.stagePastCount;
}

void FakeMouse::queueReply(int link, QByteArray reply)
{
    if (takeFault(FakeFault::NoAnswer))
        return;
    if (takeFault(FakeFault::ZeroReplies)) {
        reply.fill('\0');
    } else {
        if (takeFault(FakeFault::WrongHeader))
            reply[2] = char(quint8(reply[2]) ^ 0x01);
        if (takeFault(FakeFault::WrongData))
            reply[8] = char(quint8(reply[8]) ^ 0xFF);
    }
    const int hidden = takeFault(FakeFault::LateEcho) ? m_lateEchoReads : 0;
    for (int i = 0; i < m_interleave; ++i)
        deliver(link, QByteArray::fromHex("0100010000000000"), 0);
    deliver(link, reply, hidden);
}

void FakeMouse::deliver(int link, const QByteArray &report, int hiddenReads)
{
    if (!m_links[size_t(link)].plugged)
        return;
    for (hid_device_ *device : m_handles) {
        if (device->link == link && !device->dead && device->queue.size() < QueueLimit)
            device->queue.push_back({report, hiddenReads});
    }
    m_arrived.notify_all();
}

int FakeMouse::hidRead(hid_device_ *device, unsigned char *data, size_t length, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!validHandle(device) || !data)
        return -1;
    ++m_readCount;
    if (device->dead || takeFault(FakeFault::ReadFailure))
        return -1;
    int wait = device->nonblocking ? 0 : m_readWaitMs;
    if (timeoutMs >= 0)
        wait = std::min(wait, timeoutMs);
    if (device->queue.empty() && wait > 0) {
        m_arrived.wait_for(lock, std::chrono::milliseconds(wait), [&] {
            return !m_handles.count(device) || device->dead || !device->queue.empty();
        });
        if (!m_handles.count(device) || device->dead)
            return -1;
    }
    if (device->queue.empty())
        return 0;
    QueuedReport &head = device->queue.front();
    if (head.hiddenReads > 0) {
        --head.hiddenReads;
        return 0;
    }
    const size_t n = std::min(length, size_t(head.bytes.size()));
    std::memcpy(data, head.bytes.constData(), n);
    device->queue.pop_front();
    return int(n);
}

int FakeMouse::hidSetNonblocking(hid_device_ *device, int nonblock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!validHandle(device))
        return -1;
    device->nonblocking = nonblock != 0;
    return 0;
}

// Command 0x41 (FA 41 address length): the reply holds FA 41 and the memory from byte 8.
int FakeMouse::hidSendFeatureReport(hid_device_ *device, const unsigned char *data, size_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!validHandle(device) || !data)
        return -1;
    if (device->dead || takeFault(FakeFault::WriteFailure))
        return -1;
    if (length >= 5 && data[1] == 0x41) {
        const int address = data[2] | data[3] << 8;
        const int count = std::min<int>(data[4], ReportSize - 8);
        m_featureReply.fill('\0');
        m_featureReply[0] = char(data[0]);
        m_featureReply[1] = char(data[1]);
        if (address + count <= MemorySize)
            std::memcpy(m_featureReply.data() + 8, m_memory.constData() + address, size_t(count));
        else
            ++m_errors.badAddress;
    }
    return int(length);
}

int FakeMouse::hidGetFeatureReport(hid_device_ *device, unsigned char *data, size_t length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!validHandle(device) || !data)
        return -1;
    if (device->dead || takeFault(FakeFault::ReadFailure))
        return -1;
    const size_t n = std::min(length, size_t(ReportSize));
    std::memcpy(data, m_featureReply.constData(), n);
    return int(n);
}
