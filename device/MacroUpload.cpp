#include "device/MacroUpload.h"

#include "device/ButtonTable.h"
#include "device/DeviceState.h"
#include "device/ReportPackets.h"
#include "platform/Sleep.h"
#include "storage/AppFolder.h"
#include "storage/MacroFile.h"

#include <QDebug>

#include <algorithm>
#include <cstring>
#include <optional>

std::array<quint8, MacroSlotCount * MacroSlotSize> macroImage{};

namespace {

constexpr int RecordSize = 3;
constexpr int MacroPacketSize = 20;
constexpr int PackedSlotPause = 50;
const KeyStep insertedDelay{MacroDelay, 0x01, 0x00};

// Writes records into a slot, dropping those that no longer fit.
class SlotWriter
{
public:
    explicit SlotWriter(quint8 *slot) : m_slot(slot) {}
    void put(const KeyStep &step)
    {
        if (m_used + RecordSize > MacroSlotSize)
            return;
        m_slot[m_used] = step.map;
        m_slot[m_used + 1] = step.key;
        m_slot[m_used + 2] = step.H;
        m_used += RecordSize;
    }

private:
    quint8 *m_slot;
    int m_used = 0;
};

// Filled on the upload thread, read there by takeFaultyMacros.
QVector<FaultyMacro> faultyMacros;

// Actions of a macro without delays that fit with their inserted delays and the end record.
int fittingActionCount(int n)
{
    while (n > 0 && (n + n / 4 + 1) * RecordSize > MacroSlotSize)
        --n;
    return n;
}

} // namespace

ButtonSlot readMacroStepRecord(const ButtonSlot &button)
{
    ButtonSlot record;
    record.ID = button.ID;
    record.Fun = button.Fun;
    record.LoopNumber = button.LoopNumber;
    record.Res1 = button.Res1;
    record.Res2 = button.Res2;
    record.Res3 = button.Res3;
    record.Res4 = button.Res4;
    record.macroname = button.macroname;
    copyMacroRowsToSlot(readMacroFile(button.macroname).rows, record);
    return record;
}

bool macroHasDelay(const ButtonSlot &record)
{
    const int n = std::clamp(record.KeyNumber, 0, MaxMacroSteps);
    return std::any_of(record.KeyInfo.begin(), record.KeyInfo.begin() + n,
                       [](const KeyStep &s) { return s.map == MacroDelay; });
}

void packMacroActions(const ButtonSlot &record, int slot)
{
    if (slot < 0 || slot >= MacroSlotCount)
        return;
    quint8 *out = macroImage.data() + slot * MacroSlotSize;
    std::memset(out, 0, MacroSlotSize);
    SlotWriter writer(out);
    const int n = std::clamp(record.KeyNumber, 0, MaxMacroSteps);
    if (macroHasDelay(record)) {
        for (int i = 0; i < n; ++i)
            writer.put(record.KeyInfo[size_t(i)]);
        return;
    }
    const int actions = fittingActionCount(n);
    for (int i = 0; i < actions; ++i) {
        writer.put(record.KeyInfo[size_t(i)]);
        if (i % 4 == 3)
            writer.put(insertedDelay);
    }
    writer.put(insertedDelay);
    if (actions % 4 == 3)
        writer.put(insertedDelay);
}

void eraseMacroName(const QString &name)
{
    for (auto it = macroIndexMap.begin(); it != macroIndexMap.end(); ++it) {
        if (it.value() == name) {
            macroIndexMap.erase(it);
            return;
        }
    }
}

namespace {
std::optional<FaultyMacro::Fault> macroFileFault(const QString &name)
{
    const QString path = macroFilePath(name);
    if (path.isEmpty() || !fileExists(path))
        return FaultyMacro::Missing;
    if (macroFileDamaged(name))
        return FaultyMacro::Damaged;
    return std::nullopt;
}

// Half a macro could press a key it never lets go: a damaged file sends no rows.
void packMacroFile(const ButtonSlot &button, int slot, QStringList *packed)
{
    const auto fault = macroFileFault(button.macroname);
    if (!fault) {
        packMacroActions(readMacroStepRecord(button), slot);
        if (packed)
            packed->append(button.macroname);
        return;
    }
    packMacroActions(ButtonSlot(), slot);
    const FaultyMacro faulty{button.macroname, *fault};
    if (!faultyMacros.contains(faulty))
        faultyMacros.append(faulty);
}
} // namespace

QVector<FaultyMacro> takeFaultyMacros()
{
    QVector<FaultyMacro> macros;
    macros.swap(faultyMacros);
    return macros;
}

bool packNumberedMacros(const char *overflowLog, QStringList *packed)
{
    // The current profile first: the button table numbered its macros.
    const int current = safeProfileIndex(deviceSettings.currentProfile);
    for (int n = 0; n < ProfileCount; ++n) {
        for (const ButtonSlot &button : deviceSettings.profiles[size_t((current + n) % ProfileCount)].buttons) {
            if (!usesMacroFile(button.Fun))
                continue;
            const int k = findMacroIndex(button.macroname);
            if (k < 0)
                return true;
            if (k == 255)
                continue;
            if (k >= MacroSlotCount) {
                qDebug("%s", overflowLog);
                return false;
            }
            packMacroFile(button, k, packed);
            sleepMs(PackedSlotPause);
            eraseMacroName(button.macroname);
        }
    }
    return true;
}

bool macroSlotInUse(int k)
{
    const quint8 *slot = macroImage.data() + k * MacroSlotSize;
    return std::any_of(slot, slot + 5, [](quint8 b) { return b != 0; });
}

quint8 uploadMacros()
{
    macroImage.fill(0);
    QStringList packed;
    if (!packNumberedMacros("iIndex>=MAX_MACRO_NUMBER_560\n", &packed))
        return SendOk;
    bool sent = false;
    for (int k = 0; k < MacroSlotCount; ++k) {
        if (!macroSlotInUse(k))
            continue;
        const int address = k * MacroSlotSize;
        if (quint8 r = sendDataPackets(CmdMacro, address, macroImage.data() + address, MacroSlotSize, MacroPacketSize))
            return r;
        sent = true;
    }
    if (quint8 r = sent ? sendEndPacket(CmdMacro, 0x0FFF) : quint8(SendOk))
        return r;
    // A macro's change mark is used up once the mouse holds the macro.
    for (const QString &name : qAsConst(packed))
        takeMacroWriteSign(name);
    return SendOk;
}
