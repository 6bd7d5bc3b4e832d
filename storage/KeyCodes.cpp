#include "storage/KeyCodes.h"

#include <array>

namespace {
struct KeyPair
{
    int code;
    int usage;
    const char *name;
};

struct NamedCode
{
    unsigned code;
    const char *name;
};

// Program key code (PC scan code set 1; keypad keys and right modifiers at
// 224..239) paired with the keyboard usage of the HID usage tables.
const std::array<KeyPair, KeyTableSize> keyTable{{
    {30, 0x04, "A"},
    {48, 0x05, "B"},
    {46, 0x06, "C"},
    {32, 0x07, "D"},
    {18, 0x08, "E"},
    {33, 0x09, "F"},
    {34, 0x0A, "G"},
    {35, 0x0B, "H"},
    {23, 0x0C, "I"},
    {36, 0x0D, "J"},
    {37, 0x0E, "K"},
    {38, 0x0F, "L"},
    {50, 0x10, "M"},
    {49, 0x11, "N"},
    {24, 0x12, "O"},
    {25, 0x13, "P"},
    {16, 0x14, "Q"},
    {19, 0x15, "R"},
    {31, 0x16, "S"},
    {20, 0x17, "T"},
    {22, 0x18, "U"},
    {47, 0x19, "V"},
    {17, 0x1A, "W"},
    {45, 0x1B, "X"},
    {21, 0x1C, "Y"},
    {44, 0x1D, "Z"},
    {2, 0x1E, "1"},
    {3, 0x1F, "2"},
    {4, 0x20, "3"},
    {5, 0x21, "4"},
    {6, 0x22, "5"},
    {7, 0x23, "6"},
    {8, 0x24, "7"},
    {9, 0x25, "8"},
    {10, 0x26, "9"},
    {11, 0x27, "0"},
    {28, 0x28, "Enter"},
    {1, 0x29, "Esc"},
    {14, 0x2A, "Backspace"},
    {15, 0x2B, "Tab"},
    {57, 0x2C, "Space"},
    {12, 0x2D, "-"},
    {13, 0x2E, "="},
    {26, 0x2F, "["},
    {27, 0x30, "]"},
    {43, 0x31, "\\"},
    {39, 0x33, ";"},
    {40, 0x34, "'"},
    {41, 0x35, "`"},
    {51, 0x36, ","},
    {52, 0x37, "."},
    {53, 0x38, "/"},
    {58, 0x39, "CapsLock"},
    {59, 0x3A, "F1"},
    {60, 0x3B, "F2"},
    {61, 0x3C, "F3"},
    {62, 0x3D, "F4"},
    {63, 0x3E, "F5"},
    {64, 0x3F, "F6"},
    {65, 0x40, "F7"},
    {66, 0x41, "F8"},
    {67, 0x42, "F9"},
    {68, 0x43, "F10"},
    {87, 0x44, "F11"},
    {88, 0x45, "F12"},
    {55, 0x46, "Print Screen"},
    {70, 0x47, "Scroll Lock"},
    {69, 0x48, "Pause Break"},
    {82, 0x49, "Insert"},
    {71, 0x4A, "Home"},
    {73, 0x4B, "Page Up"},
    {83, 0x4C, "Delete"},
    {79, 0x4D, "End"},
    {81, 0x4E, "Page Down"},
    {77, 0x4F, "Right"},
    {75, 0x50, "Left"},
    {80, 0x51, "Down"},
    {72, 0x52, "Up"},
    {225, 0x53, "Num Lock"},
    {226, 0x54, "Num /"},
    {227, 0x55, "Num *"},
    {74, 0x56, "Num -"},
    {78, 0x57, "Num +"},
    {229, 0x58, "Num Enter"},
    {230, 0x59, "Num 1"},
    {231, 0x5A, "Num 2"},
    {232, 0x5B, "Num 3"},
    {233, 0x5C, "Num 4"},
    {76, 0x5D, "Num 5"},
    {234, 0x5E, "Num 6"},
    {235, 0x5F, "Num 7"},
    {236, 0x60, "Num 8"},
    {228, 0x61, "Num 9"},
    {237, 0x62, "Num 0"},
    {224, 0x63, "Num De"},
    {93, 0x65, "App"},
    {42, 0xE1, "LShift"},
    {29, 0xE0, "LCtr"},
    {91, 0xE3, "LWindows"},
    {56, 0xE2, "LAlt"},
    {239, 0xE6, "RAlt"},
    {92, 0xE7, "RWindows"},
    {238, 0xE4, "RCtr"},
    {54, 0xE5, "RShift"},
}};

// Mouse buttons have names but no usage.
const std::array<NamedCode, 3> mouseButtons{{
    {240, "Left Button"},
    {241, "Right Button"},
    {242, "Middle Button"},
}};
}

// Both lookups scan the whole table; the last match decides.
bool keyCodeToHidUsage(int keyCode, int *usage)
{
    bool found = false;
    for (const KeyPair &pair : keyTable) {
        if (pair.code == keyCode) {
            *usage = pair.usage;
            found = true;
        }
    }
    return found;
}

bool hidUsageToKeyCode(int usage, int *keyCode)
{
    bool found = false;
    for (const KeyPair &pair : keyTable) {
        if (pair.usage == usage) {
            *keyCode = pair.code;
            found = true;
        }
    }
    return found;
}

QString keyCodeName(unsigned keyCode)
{
    for (const KeyPair &pair : keyTable) {
        if (unsigned(pair.code) == keyCode)
            return QString::fromLatin1(pair.name);
    }
    for (const NamedCode &button : mouseButtons) {
        if (button.code == keyCode)
            return QString::fromLatin1(button.name);
    }
    return QString();
}
