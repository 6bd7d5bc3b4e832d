#include "device/ButtonTable.h"
#include "device/VendorReport.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QTest>

namespace {

ButtonSlot &button(int slot)
{
    return deviceSettings.profiles[0].buttons[size_t(slot)];
}

QByteArray entry(int e)
{
    return QByteArray(reinterpret_cast<const char *>(buttonTableImage.data() + 2 + 4 * e), 4).toHex(' ');
}

} // namespace

class TestButtonTable : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        buttonTableImage.fill(0);
    }

    void functionCodesBecomeDeviceEntries()
    {
        DeviceFixture fx(3325, 16);
        const int funs[] = {1, 16, 31, 38, 45, 54, 55, 62, 13, 99};
        for (int i = 0; i < 10; ++i)
            button(i).Fun = funs[i];
        button(6).Res1 = 10; // sniper raw 10 on sensor 3325
        button(40).Fun = 52;
        button(41).Fun = 53;
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(entry(0), QByteArray("81 00 00 00"));
        QCOMPARE(entry(1), QByteArray("00 00 00 00"));
        QCOMPARE(entry(2), QByteArray("8e 01 23 02"));
        QCOMPARE(entry(3), QByteArray("8e 01 8a 01"));
        QCOMPARE(entry(4), QByteArray("8e 01 e2 00"));
        QCOMPARE(entry(5), QByteArray("9b 08 00 00"));
        QCOMPARE(entry(6), QByteArray("9a 01 16 16"));
        QCOMPARE(entry(7), QByteArray("8f 08 10 00"));
        QCOMPARE(entry(8), QByteArray("30 00 00 00"));
        QCOMPARE(entry(9), QByteArray("00 00 00 00"));
        QCOMPARE(entry(22), QByteArray("8b 00 00 00"));
        QCOMPARE(entry(23), QByteArray("8c 00 00 00"));
        const FakeMouseState state = fx.mouse().state();
        QCOMPARE(state.buttons[0], quint8(0x0A));
        QCOMPARE(state.buttonEntry(6).toHex(' '), QByteArray("9a 01 16 16"));
        QCOMPARE(state.buttons[98], quint8(0xFF));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void packetsCoverTheTableAndTheTrailer()
    {
        DeviceFixture fx;
        QCOMPARE(sendButtonTable(), quint8(0));
        const QVector<FakeWrittenReport> log = fx.mouse().writtenReports();
        QCOMPARE(log.size(), 7);
        const int addresses[] = {0, 2, 26, 50, 74, 98, 0x7F};
        const int lengths[] = {2, 24, 24, 24, 24, 4, 1};
        const quint8 phases[] = {0xD1, 0xD2, 0xD2, 0xD2, 0xD2, 0xD2, 0xD3};
        for (int i = 0; i < 7; ++i) {
            const QByteArray &r = log[i].bytes;
            QCOMPARE(quint8(r[3]), quint8(0x03));
            QCOMPARE(quint8(r[4]) | quint8(r[5]) << 8, addresses[i]);
            QCOMPARE(int(quint8(r[6])), lengths[i]);
            QCOMPARE(quint8(r[7]), phases[i]);
        }
        QCOMPARE(log[5].bytes.mid(8, 4), QByteArray::fromHex("ffffffff"));
    }

    void keysCombosAndFireKeys()
    {
        DeviceFixture fx(3389, 6);
        button(0).Fun = 6;
        button(0).Res1 = 30; // "A"
        button(1).Fun = 6;
        button(1).Res1 = 240; // no usage
        button(2).Fun = 7;
        const quint8 combo[] = {0xE0, 0xE1, 0x06, 0xE0, 0xE1, 0x06};
        for (int i = 0; i < 6; ++i)
            button(2).KeyInfo[size_t(i)] = KeyStep{combo[i], 0x05, quint8(i < 3 ? 0x80 : 0)};
        button(3).Fun = 12;
        button(4).Fun = 12;
        button(4).Res1 = 0x81;
        button(4).LoopNumber = 5;
        button(4).KeyNumber = 120;
        button(5).Fun = 55;
        button(5).Res1 = 77; // sensor 3389 sends the raw value
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(entry(0), QByteArray("90 00 04 00"));
        QCOMPARE(entry(1), QByteArray("90 00 00 00"));
        QCOMPARE(entry(2), QByteArray("8f 03 06 00"));
        QCOMPARE(entry(3), QByteArray("99 81 03 00"));
        QCOMPARE(entry(4), QByteArray("99 81 05 0c"));
        QCOMPARE(entry(5), QByteArray("9a 01 4d 4d"));
    }

    void macrosAreNumberedInOrderOfUse()
    {
        DeviceFixture fx(3389, 6);
        const char *names[] = {"x", nullptr, "y", "x", nullptr, "z"};
        for (int i = 0; i < 6; ++i) {
            if (!names[i])
                continue;
            button(i).Fun = i == 5 ? FunGunFile : FunMacro;
            button(i).macroname = names[i];
            button(i).LoopNumber = 0x0102;
        }
        button(3).Res1 = 1;
        button(5).Res1 = 2;
        QCOMPARE(findMacroIndex("x"), -1);
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(entry(0), QByteArray("91 00 02 01"));
        QCOMPARE(entry(2), QByteArray("91 01 02 01"));
        QCOMPARE(entry(3), QByteArray("91 80 ff ff"));
        QCOMPARE(entry(5), QByteArray("9d 42 ff ff"));
        QCOMPARE(findMacroIndex("y"), 1);
        QCOMPARE(findMacroIndex("w"), 255);
        QCOMPARE(deviceSettings.profiles[0].buttons[5].Res4, quint8(2));
        button(0).macroname = "q";
        button(0).Res1 = 1;
        macroIndexMap.clear();
        for (int i = 0; i < 3; ++i)
            macroIndexMap.insert(quint8(i), QString("m%1").arg(i));
        buildButtonEntry(0, 0, 0);
        QCOMPARE(entry(0), QByteArray("91 83 ff ff"));
    }

    // Matrix entries past the table and counts past the matrix are skipped.
    void descriptorValuesOutsideTheTableAreSkipped()
    {
        DeviceFixture fx(3389, 40);
        fx.writeDescriptor(40, 4, {0, 1, 24, 200, 255, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
        for (int i = 0; i < ButtonSlotCount; ++i)
            button(i).Fun = 1;
        buttonTableImage.fill(0x77);
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(entry(1), QByteArray("81 00 00 00"));
        QCOMPARE(entry(2), QByteArray("77 77 77 77"));
        QCOMPARE(entry(15), QByteArray("81 00 00 00"));
        QCOMPARE(entry(16), QByteArray("77 77 77 77"));
        QCOMPARE(entry(22), QByteArray("81 00 00 00"));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    // A descriptor without matrix entries would put every button on the left button's place.
    void repeatedMatrixPlacesSendNothing()
    {
        DeviceFixture fx(3389, 6);
        fx.writeDescriptor(6, 4, {0, 1, 2, 3, 4, 0});
        fx.mouse().clearLog();
        QCOMPARE(sendButtonTable(), quint8(SendBadButtonMatrix));
        QCOMPARE(fx.mouse().writeCount(), 0);
    }

    void tableLookups()
    {
        QCOMPARE(findButtonFunction(510)->code, quint8(0x9D));
        QVERIFY(!findButtonFunction(8));
        QCOMPARE(findButtonFunctionByCode(0x97)->fun, 63);
        QCOMPARE(findButtonFunctionByB2(0x8A)->fun, 38);
        QCOMPARE(findButtonFunctionByB3(0x02)->fun, 31);
        QVERIFY(!findButtonFunctionByCode(0x42));
    }
};

MOUSECFG_TEST(TestButtonTable)
#include "TestButtonTable.moc"
