#include "platform/ScanCodes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {
struct EvdevKey
{
    int evdev;
    quint32 scanCode;
    bool extended;
};

// Keys away from the evdev 1..88 block, which holds set-1 codes as they are.
constexpr std::array<EvdevKey, 20> movedKeys{{
    {69, 0x45, true}, // Num Lock
    {96, 0x1C, true}, // keypad Enter
    {97, 0x1D, true}, // right Ctrl
    {98, 0x35, true}, // keypad /
    {99, 0x37, true}, // Print Screen
    {100, 0x38, true}, // right Alt
    {102, 0x47, true}, // Home
    {103, 0x48, true}, // Up
    {104, 0x49, true}, // Page Up
    {105, 0x4B, true}, // Left
    {106, 0x4D, true}, // Right
    {107, 0x4F, true}, // End
    {108, 0x50, true}, // Down
    {109, 0x51, true}, // Page Down
    {110, 0x52, true}, // Insert
    {111, 0x53, true}, // Delete
    {119, 0x45, false}, // Pause
    {125, 0x5B, true}, // left Windows
    {126, 0x5C, true}, // right Windows
    {127, 0x5D, true}, // menu
}};

struct VirtualKey
{
    int evdev;
    quint32 vk;
};

constexpr std::array<VirtualKey, 8> modifierKeys{{
    {42, 0xA0}, {54, 0xA1}, {29, 0xA2}, {97, 0xA3}, {56, 0xA4}, {100, 0xA5}, {125, 0x5B}, {126, 0x5C},
}};

struct Remap
{
    quint32 scanCode;
    int keyCode;
};

constexpr std::array<Remap, 5> extendedRemap{{
    {0x1C, 229}, {0x1D, 238}, {0x35, 226}, {0x38, 239}, {0x45, 225},
}};

constexpr std::array<Remap, 11> plainRemap{{
    {0x37, 227}, {0x47, 235}, {0x48, 236}, {0x49, 228}, {0x4B, 233}, {0x4D, 234},
    {0x4F, 230}, {0x50, 231}, {0x51, 232}, {0x52, 237}, {0x53, 224},
}};

template<typename Table, typename Match>
auto findIn(const Table &table, Match match)
{
    return std::find_if(std::begin(table), std::end(table), match);
}

template<typename Table>
int remapIn(const Table &table, quint32 scanCode)
{
    const auto it = findIn(table, [scanCode](const Remap &r) { return r.scanCode == scanCode; });
    return it != std::end(table) ? it->keyCode : int(scanCode);
}
}

bool setOneKeyFromEvdev(int evdev, SetOneKey *key)
{
    const auto moved = findIn(movedKeys, [evdev](const EvdevKey &k) { return k.evdev == evdev; });
    if (moved != movedKeys.end()) {
        key->scanCode = moved->scanCode;
        key->extended = moved->extended;
    } else if (evdev >= 1 && evdev <= 88) {
        key->scanCode = quint32(evdev);
        key->extended = false;
    } else {
        return false;
    }
    const auto modifier = findIn(modifierKeys, [evdev](const VirtualKey &k) { return k.evdev == evdev; });
    key->virtualKey = modifier != modifierKeys.end() ? modifier->vk : 0;
    return true;
}

int remapScanCode(quint32 scanCode, quint32 flags)
{
    return (flags & KeyHookExtended) ? remapIn(extendedRemap, scanCode) : remapIn(plainRemap, scanCode);
}
