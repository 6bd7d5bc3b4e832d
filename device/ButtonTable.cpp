#include "device/ButtonTable.h"

#include "device/DeviceState.h"
#include "device/DpiEncoding.h"
#include "device/ReportPackets.h"
#include "storage/ConfigIni.h"
#include "storage/KeyCodes.h"
#include "storage/ModelDescriptor.h"
#include "storage/MouseMacroSlots.h"

#include <algorithm>
#include <utility>

std::array<quint8, ButtonTableSize> buttonTableImage{};

namespace {

// Codes 13, 60, 61 and 63 have rows but no menu entry.
constexpr std::array<ButtonFunction, 58> functionTable = {{
    {FunLeft, 0x81, 0, 0, 0},
    {FunRight, 0x82, 0, 0, 0},
    {FunMiddle, 0x83, 0, 0, 0},
    {FunForward, 0x85, 0, 0, 0},
    {FunBack, 0x84, 0, 0, 0},
    {13, 0x30, 0, 0, 0},
    {FunDpiDown, 0x89, 0, 0, 0},
    {FunDpiUp, 0x8A, 0, 0, 0},
    {FunScrollUp, 0x8B, 0, 0, 0},
    {FunScrollDown, 0x8C, 0, 0, 0},
    {FunCut, 0x8F, 0x01, 0x1B, 0},
    {FunCopy, 0x8F, 0x01, 0x06, 0},
    {FunPaste, 0x8F, 0x01, 0x19, 0},
    {FunSelectAll, 0x8F, 0x01, 0x04, 0},
    {FunFind, 0x8F, 0x01, 0x09, 0},
    {FunNew, 0x8F, 0x01, 0x11, 0},
    {FunPrint, 0x8F, 0x01, 0x13, 0},
    {FunSave, 0x8F, 0x01, 0x16, 0},
    {FunSwitchWindow, 0x8F, 0x04, 0x2B, 0},
    {FunCloseWindow, 0x8F, 0x04, 0x3D, 0},
    {FunMyComputer, 0x8F, 0x08, 0x08, 0},
    {FunRun, 0x8F, 0x08, 0x15, 0},
    {FunShowDesktop, 0x8F, 0x08, 0x07, 0},
    {FunBossKey, 0x8F, 0x08, 0x10, 0},
    {FunLockPc, 0x8F, 0x08, 0x0F, 0},
    {FunBrowserHome, 0x8E, 0x01, 0x23, 0x02},
    {FunBrowserBackward, 0x8E, 0x01, 0x24, 0x02},
    {FunBrowserForward, 0x8E, 0x01, 0x25, 0x02},
    {FunBrowserStop, 0x8E, 0x01, 0x26, 0x02},
    {FunBrowserRefresh, 0x8E, 0x01, 0x27, 0x02},
    {FunBrowserSearch, 0x8E, 0x01, 0x21, 0x02},
    {FunBrowserFavorite, 0x8E, 0x01, 0x2A, 0x02},
    {FunMail, 0x8E, 0x01, 0x8A, 0x01},
    {FunStop, 0x8E, 0x01, 0xB7, 0},
    {FunPlayPause, 0x8E, 0x01, 0xCD, 0},
    {FunPreviousTrack, 0x8E, 0x01, 0xB6, 0},
    {FunNextTrack, 0x8E, 0x01, 0xB5, 0},
    {FunVolumeUp, 0x8E, 0x01, 0xE9, 0},
    {FunVolumeDown, 0x8E, 0x01, 0xEA, 0},
    {FunMute, 0x8E, 0x01, 0xE2, 0},
    {FunMediaPlayer, 0x8E, 0x01, 0x83, 0x01},
    {FunSingleKey, 0x90, 0, 0, 0},
    {FunMacro, 0x91, 0, 0, 0},
    {FunGunFile, 0x9D, 0, 0, 0},
    {FunFireKey, 0x99, 0, 0, 0},
    {FunButtonOff, 0x00, 0, 0, 0},
    {FunDpiSwitch, 0x88, 0, 0, 0},
    {63, 0x97, 0x01, 0, 0},
    {FunRateUp, 0x97, 0, 0, 0},
    {FunRateDown, 0x98, 0, 0, 0},
    {FunProfileSwitch, 0x8D, 0, 0, 0},
    {FunProfileUp, 0x94, 0, 0, 0},
    {FunProfileDown, 0x95, 0, 0, 0},
    {FunComboKey, 0x8F, 0, 0, 0},
    {FunLedSwitch, 0x9B, 0x08, 0, 0},
    {FunSniper, 0x9A, 0x01, 0x01, 0x01},
    {60, 0x9F, 0, 0, 0},
    {61, 0xA0, 0, 0, 0},
}};

constexpr int ComboScanSteps = 10;

template<typename Match>
const ButtonFunction *findRow(Match match)
{
    auto it = std::find_if(functionTable.begin(), functionTable.end(), match);
    return it == functionTable.end() ? nullptr : &*it;
}

// Modifier bit of a program key code, 0 for other keys.
int modifierBit(int keyCode)
{
    switch (keyCode) {
    case 29:
    case 238:
        return 1;
    case 42:
    case 54:
        return 2;
    case 56:
    case 239:
        return 4;
    case 91:
    case 92:
        return 8;
    default:
        return 0;
    }
}

void setEntry(quint8 *entry, quint8 b0, quint8 b1, quint8 b2, quint8 b3)
{
    entry[0] = b0;
    entry[1] = b1;
    entry[2] = b2;
    entry[3] = b3;
}

// The lowest number neither numbered nor planned for another name.
int freeMacroIndex()
{
    int k = 0;
    while (macroIndexMap.contains(quint8(k)) || (k < MouseMacroSlotCount && !macroSlotPlan[size_t(k)].isEmpty()))
        ++k;
    return k;
}

// The profile's macros take the slots the upload planned for them.
void numberPlannedMacros(int profile)
{
    for (const QString &name : tableMacroNames(deviceSettings.profiles[size_t(safeProfileIndex(profile))])) {
        const auto planned = std::find(macroSlotPlan.begin(), macroSlotPlan.end(), name);
        if (planned != macroSlotPlan.end())
            macroIndexMap.insert(quint8(planned - macroSlotPlan.begin()), name);
    }
}

void buildMacroEntry(ButtonSlot &slot, quint8 code, quint8 *entry)
{
    int k = findMacroIndex(slot.macroname);
    if (k < 0 || k == 255) {
        k = freeMacroIndex();
        macroIndexMap.insert(quint8(k), slot.macroname);
    }
    const quint8 loopLow = quint8(slot.LoopNumber & 0xFF);
    const quint8 loopHigh = quint8((slot.LoopNumber >> 8) & 0xFF);
    entry[0] = code;
    switch (slot.Res1) {
    case MacroLoopCount:
        setEntry(entry, code, quint8(k), loopLow, loopHigh);
        break;
    case MacroLoopWhileHeld:
        setEntry(entry, code, quint8(k | 0x80), 0xFF, 0xFF);
        break;
    case MacroLoopUntilPressed:
        setEntry(entry, code, quint8(k | 0x40), 0xFF, 0xFF);
        break;
    default:
        entry[2] = loopLow;
        entry[3] = loopHigh;
        break;
    }
    slot.Res4 = quint8(k);
}

void buildComboEntry(const ButtonSlot &slot, quint8 *entry)
{
    int modifiers = 0;
    quint8 usage = 0;
    for (int i = 0; i < ComboScanSteps; ++i) {
        const quint8 stepUsage = slot.KeyInfo[size_t(i)].map;
        if (stepUsage == 0)
            continue;
        int keyCode = 0;
        hidUsageToKeyCode(stepUsage, &keyCode);
        if (const int bit = modifierBit(keyCode))
            modifiers += bit;
        else
            usage = stepUsage;
    }
    setEntry(entry, 0x8F, quint8(modifiers >> 1), usage, 0x00);
}

} // namespace

const ButtonFunction *findButtonFunction(int fun)
{
    return findRow([fun](const ButtonFunction &f) { return f.fun == fun; });
}

const ButtonFunction *findButtonFunctionByCode(quint8 code)
{
    return findRow([code](const ButtonFunction &f) { return f.code == code; });
}

const ButtonFunction *findButtonFunctionByB2(quint8 b2)
{
    return findRow([b2](const ButtonFunction &f) { return f.b2 == b2; });
}

const ButtonFunction *findButtonFunctionByB3(quint8 b3)
{
    return findRow([b3](const ButtonFunction &f) { return f.b3 == b3; });
}

int findMacroIndex(const QString &name)
{
    if (macroIndexMap.isEmpty())
        return -1;
    for (auto it = macroIndexMap.cbegin(); it != macroIndexMap.cend(); ++it) {
        if (it.value() == name)
            return it.key();
    }
    return 255;
}

void buildButtonEntry(int profile, int slotIndex, int entry)
{
    int position = entry;
    if (entry != WheelUpEntry && entry != WheelDownEntry) {
        if (entry < 0 || entry >= MatrixSize)
            return;
        position = buttonMatrix[size_t(entry)];
    }
    // Descriptor matrix entries past the table would write beyond it.
    if (position >= ButtonTableEntries || slotIndex < 0 || slotIndex >= ButtonSlotCount)
        return;
    buttonTableImage[0] = 0x0A;
    buttonTableImage[1] = 0x00;
    quint8 *out = buttonTableImage.data() + 2 + 4 * position;
    ButtonSlot &slot = deviceSettings.profiles[size_t(safeProfileIndex(profile))].buttons[size_t(slotIndex)];
    switch (slot.Fun) {
    case FunMacro:
    case FunGunFile:
        buildMacroEntry(slot, findButtonFunction(slot.Fun)->code, out);
        return;
    case FunSingleKey: {
        int usage = 0;
        keyCodeToHidUsage(slot.Res1, &usage);
        setEntry(out, 0x90, 0x00, quint8(usage), 0x00);
        return;
    }
    case FunSniper: {
        const quint8 v = sniperRegister(readMouseSensor(), slot.Res1);
        setEntry(out, 0x9A, 0x01, v, v);
        return;
    }
    case FunComboKey:
        buildComboEntry(slot, out);
        return;
    case FunFireKey:
        if (slot.Res1 == 0)
            setEntry(out, 0x99, 0x81, 0x03, 0x00);
        else
            setEntry(out, 0x99, slot.Res1, quint8(slot.LoopNumber & 0xFF), quint8((slot.KeyNumber / 10) & 0xFF));
        return;
    default:
        break;
    }
    if (const ButtonFunction *row = findButtonFunction(slot.Fun))
        setEntry(out, row->code, row->b1, row->b2, row->b3);
    else
        setEntry(out, 0, 0, 0, 0);
}

int buildButtonTable(int profile)
{
    macroIndexMap.clear();
    numberPlannedMacros(profile);
    const int count = std::clamp(modelButtonCount(), 0, MatrixSize);
    std::array<bool, ButtonTableEntries> taken{};
    for (int i = 0; i < count; ++i) {
        const quint8 position = buttonMatrix[size_t(i)];
        if (position < ButtonTableEntries && std::exchange(taken[position], true))
            return -1;
    }
    for (int i = 0; i < count; ++i)
        buildButtonEntry(profile, i, i);
    buildButtonEntry(profile, 40, WheelUpEntry);
    buildButtonEntry(profile, 41, WheelDownEntry);
    return count;
}

quint8 sendButtonTable()
{
    if (buildButtonTable(deviceSettings.currentProfile) < 0)
        return SendBadButtonMatrix;
    std::array<quint8, ButtonTableSize + 4> packets{};
    std::copy(buttonTableImage.begin(), buttonTableImage.end(), packets.begin());
    std::fill(packets.begin() + ButtonTableSize, packets.end(), 0xFF);
    if (quint8 r = sendDataPackets(CmdButtonTable, 0, packets.data(), 2, 2))
        return r;
    if (quint8 r = sendDataPackets(CmdButtonTable, 2, packets.data() + 2, int(packets.size()) - 2, 24))
        return r;
    return sendEndPacket(CmdButtonTable);
}
