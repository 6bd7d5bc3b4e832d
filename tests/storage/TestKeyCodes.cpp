#include "storage/KeyCodes.h"
#include "tests/common/TestMain.h"

#include <QSet>
#include <QTest>

namespace {
struct Key
{
    const char *name;
    int code;
    int usage;
};

// The published key table, pair by pair.
const Key keys[] = {
        {"A", 30, 0x04},
        {"B", 48, 0x05},
        {"C", 46, 0x06},
        {"D", 32, 0x07},
        {"E", 18, 0x08},
        {"F", 33, 0x09},
        {"G", 34, 0x0A},
        {"H", 35, 0x0B},
        {"I", 23, 0x0C},
        {"J", 36, 0x0D},
        {"K", 37, 0x0E},
        {"L", 38, 0x0F},
        {"M", 50, 0x10},
        {"N", 49, 0x11},
        {"O", 24, 0x12},
        {"P", 25, 0x13},
        {"Q", 16, 0x14},
        {"R", 19, 0x15},
        {"S", 31, 0x16},
        {"T", 20, 0x17},
        {"U", 22, 0x18},
        {"V", 47, 0x19},
        {"W", 17, 0x1A},
        {"X", 45, 0x1B},
        {"Y", 21, 0x1C},
        {"Z", 44, 0x1D},
        {"1", 2, 0x1E},
        {"2", 3, 0x1F},
        {"3", 4, 0x20},
        {"4", 5, 0x21},
        {"5", 6, 0x22},
        {"6", 7, 0x23},
        {"7", 8, 0x24},
        {"8", 9, 0x25},
        {"9", 10, 0x26},
        {"0", 11, 0x27},
        {"Enter", 28, 0x28},
        {"Esc", 1, 0x29},
        {"Backspace", 14, 0x2A},
        {"Tab", 15, 0x2B},
        {"Space", 57, 0x2C},
        {"-", 12, 0x2D},
        {"=", 13, 0x2E},
        {"[", 26, 0x2F},
        {"]", 27, 0x30},
        {"\\", 43, 0x31},
        {";", 39, 0x33},
        {"'", 40, 0x34},
        {"`", 41, 0x35},
        {",", 51, 0x36},
        {".", 52, 0x37},
        {"/", 53, 0x38},
        {"CapsLock", 58, 0x39},
        {"F1", 59, 0x3A},
        {"F2", 60, 0x3B},
        {"F3", 61, 0x3C},
        {"F4", 62, 0x3D},
        {"F5", 63, 0x3E},
        {"F6", 64, 0x3F},
        {"F7", 65, 0x40},
        {"F8", 66, 0x41},
        {"F9", 67, 0x42},
        {"F10", 68, 0x43},
        {"F11", 87, 0x44},
        {"F12", 88, 0x45},
        {"Print Screen", 55, 0x46},
        {"Scroll Lock", 70, 0x47},
        {"Pause Break", 69, 0x48},
        {"Insert", 82, 0x49},
        {"Home", 71, 0x4A},
        {"Page Up", 73, 0x4B},
        {"Delete", 83, 0x4C},
        {"End", 79, 0x4D},
        {"Page Down", 81, 0x4E},
        {"Right", 77, 0x4F},
        {"Left", 75, 0x50},
        {"Down", 80, 0x51},
        {"Up", 72, 0x52},
        {"Num Lock", 225, 0x53},
        {"Num /", 226, 0x54},
        {"Num *", 227, 0x55},
        {"Num -", 74, 0x56},
        {"Num +", 78, 0x57},
        {"Num Enter", 229, 0x58},
        {"Num 1", 230, 0x59},
        {"Num 2", 231, 0x5A},
        {"Num 3", 232, 0x5B},
        {"Num 4", 233, 0x5C},
        {"Num 5", 76, 0x5D},
        {"Num 6", 234, 0x5E},
        {"Num 7", 235, 0x5F},
        {"Num 8", 236, 0x60},
        {"Num 9", 228, 0x61},
        {"Num 0", 237, 0x62},
        {"Num De", 224, 0x63},
        {"App", 93, 0x65},
        {"LShift", 42, 0xE1},
        {"LCtr", 29, 0xE0},
        {"LWindows", 91, 0xE3},
        {"LAlt", 56, 0xE2},
        {"RAlt", 239, 0xE6},
        {"RWindows", 92, 0xE7},
        {"RCtr", 238, 0xE4},
        {"RShift", 54, 0xE5},
};
}

class TestKeyCodes : public QObject
{
    Q_OBJECT
private slots:
    void everyPairConvertsBothWaysWithItsName()
    {
        QCOMPARE(int(sizeof(keys) / sizeof(keys[0])), KeyTableSize);
        for (const Key &key : keys) {
            int usage = -1;
            QVERIFY2(keyCodeToHidUsage(key.code, &usage), key.name);
            QCOMPARE(usage, key.usage);
            int code = -1;
            QVERIFY2(hidUsageToKeyCode(key.usage, &code), key.name);
            QCOMPARE(code, key.code);
            QCOMPARE(keyCodeName(unsigned(key.code)), QString::fromLatin1(key.name));
        }
    }

    void unlistedCodesAndUsagesLeaveTheOutputAlone()
    {
        QSet<int> codes;
        QSet<int> usages;
        for (const Key &key : keys) {
            codes.insert(key.code);
            usages.insert(key.usage);
        }
        for (int code = 0; code < 300; ++code) {
            if (codes.contains(code))
                continue;
            int usage = 77;
            QVERIFY(!keyCodeToHidUsage(code, &usage));
            QCOMPARE(usage, 77);
        }
        for (int usage = -1; usage < 300; ++usage) {
            if (usages.contains(usage))
                continue;
            int code = 77;
            QVERIFY(!hidUsageToKeyCode(usage, &code));
            QCOMPARE(code, 77);
        }
        int usage = 5;
        QVERIFY(!keyCodeToHidUsage(240, &usage));
        QCOMPARE(usage, 5);
    }

    void namesOfSpecialAndUnnamedCodes()
    {
        QCOMPARE(keyCodeName(240), QStringLiteral("Left Button"));
        QCOMPARE(keyCodeName(241), QStringLiteral("Right Button"));
        QCOMPARE(keyCodeName(242), QStringLiteral("Middle Button"));
        QCOMPARE(keyCodeName(224), QStringLiteral("Num De"));
        QCOMPARE(keyCodeName(43), QStringLiteral("\\"));
        for (unsigned code : {0u, 84u, 85u, 86u, 89u, 90u, 94u, 223u, 243u, 255u, 0xFFFFFFFFu})
            QVERIFY2(keyCodeName(code).isEmpty(), qPrintable(QString::number(code)));
    }
};

MOUSECFG_TEST(TestKeyCodes)
#include "TestKeyCodes.moc"
