#include "device/ButtonTable.h"
#include "device/MacroUpload.h"
#include "device/MemoryCommands.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QTest>

class TestMemoryCommands : public QObject
{
    Q_OBJECT
private slots:
    void writesLandInMemoryAndReadBack()
    {
        DeviceFixture fx(3389, 6, 4, true);
        const quint8 rates[PollRateLength] = {1, 2, 4, 8, 1, 2, 4, 8, 1, 2};
        QCOMPARE(writePollRateMemory(rates), quint8(0));
        QCOMPARE(fx.mouse().memory(PollRateAddress, PollRateLength),
                 QByteArray(reinterpret_cast<const char *>(rates), PollRateLength));
        QCOMPARE(fx.mouse().state().commits.back().flag, quint8(0x08));
        quint8 back[PollRateLength] = {};
        QCOMPARE(QueryPollRate(back), 1);
        QVERIFY(std::equal(back, back + PollRateLength, rates));

        QByteArray stages(DpiMemoryLength, '\0');
        for (int i = 0; i < DpiMemoryLength; ++i)
            stages[i] = char(i + 1);
        QCOMPARE(writeDeviceMemory(DpiAddress, reinterpret_cast<const quint8 *>(stages.constData()), DpiMemoryLength),
                 quint8(0));
        QByteArray read(DpiMemoryLength, '\0');
        QCOMPARE(QueryDpi(reinterpret_cast<quint8 *>(read.data())), 1);
        QCOMPARE(read, stages);

        const quint8 entry[4] = {0x91, 0x83, 0xFF, 0xFF};
        QCOMPARE(writeDeviceMemory(quint16(profileBlockAddress(2) + 0x42 + 4 * 5), entry, 4), quint8(0));
        quint8 got[4] = {};
        QCOMPARE(QuerySingleButton(2, 5, got), 1);
        QVERIFY(std::equal(got, got + 4, entry));
        QCOMPARE(QuerySingleButton(2, 24, got), 0);
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void chunksOfTwentyFiveAndTheLegacyMacroWriter()
    {
        DeviceFixture fx(3389, 6, 4, true);
        fx.writeMacro("m", keyRows(5));
        macroIndexMap.insert(2, "m");
        deviceSettings.profiles[0].buttons[0].Fun = FunMacro;
        deviceSettings.profiles[0].buttons[0].macroname = "m";
        QCOMPARE(writeMacroMemory(), quint8(0));
        const QVector<FakeWrittenReport> log = fx.mouse().writtenReports();
        QCOMPARE(log.size(), 8);
        QCOMPARE(quint8(log[0].bytes[3]), quint8(0x42));
        QCOMPARE(quint8(log[7].bytes[6]), quint8(25));
        const int slot = MacroMemoryAddress + 2 * MacroSlotSize;
        QCOMPARE(quint8(log[1].bytes[4]) | quint8(log[1].bytes[5]) << 8, slot + 25);
        QCOMPARE(fx.mouse().memory(slot, 24), QByteArray::fromHex("840400 040500 840600 040700 060100 840800 060100 000000"));
        QVERIFY(macroIndexMap.isEmpty());
    }

    // Settings, DPI stages and button entries written through 0x42 land at their addresses.
    void legacyWritersLandAtTheirAddresses()
    {
        DeviceFixture fx(3389, 6, 2, true);
        const quint8 ten[SettingsBlockLength] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        const quint8 two[2] = {0x33, 0x44};
        QCOMPARE(writeSettingsBlockMemory(ten), quint8(0));
        QCOMPARE(writeSettingPairMemory(two), quint8(0));
        QCOMPARE(writeSettingByteMemory(), quint8(0));
        QCOMPARE(fx.mouse().memory(0x20, 10), QByteArray::fromHex("0102030405060708090a"));
        QCOMPARE(fx.mouse().memory(0x3E, 2), QByteArray::fromHex("3344"));
        QCOMPARE(fx.mouse().memory(0x12, 1), QByteArray::fromHex("02"));

        ProfileRecord &p1 = deviceSettings.profiles[1];
        for (int i = 0; i < DpiStageCount; ++i)
            p1.stages[size_t(i)] = DpiStage{1, 0, 0, 100, 480};
        QCOMPARE(writeDpiMemory(1), quint8(0));
        QCOMPARE(fx.mouse().memory(0x40, 10), QByteArray::fromHex("01 6400 4081 01 6400 4081"));
        QCOMPARE(fx.mouse().memory(0x40 + 35, 5), QByteArray::fromHex("00 6400 4081")); // past the count

        deviceSettings.profiles[2].buttons[0].Fun = 2;
        deviceSettings.profiles[2].buttons[41].Fun = 53;
        QCOMPARE(writeButtonEntriesMemory(2), quint8(0));
        QCOMPARE(fx.mouse().memory(0x01B0 + 0x42, 4), QByteArray::fromHex("82000000"));
        QCOMPARE(fx.mouse().memory(0x01B0 + 0x42 + 4 * 23, 4), QByteArray::fromHex("8c000000"));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
        fx.mouse().armFault(FakeFault::WriteFailure, 1, 2);
        QCOMPARE(writeButtonEntriesMemory(0), quint8(4));
        QCOMPARE(writeDpiMemory(0), quint8(0));
    }

    void profileAndFailures()
    {
        DeviceFixture fx(3389, 6, 4, true);
        deviceSettings.currentProfile = 3;
        switchProfileMemory(true);
        QCOMPARE(fx.mouse().state().profileSwitches, QVector<int>{3});
        deviceSettings.currentProfile = 0;
        QCOMPARE(queryActiveProfile(), 1);
        QCOMPARE(int(deviceSettings.currentProfile), 3);
        deviceSettings.currentProfile = 7;
        switchProfileMemory(false);
        deviceSettings.currentProfile = 2;
        QCOMPARE(queryActiveProfile(), 0);
        QCOMPARE(int(deviceSettings.currentProfile), 2);
        quint8 leds[LedStateEntries * LedStateEntryLength];
        fx.mouse().armFault(FakeFault::WriteFailure);
        QCOMPARE(QueryLedState(leds), 0);
        fx.mouse().clearFaults();
        fx.mouse().armFault(FakeFault::ReadFailure);
        QCOMPARE(QueryPollRate(leds), 0);
        closeDevices();
        QCOMPARE(queryActiveProfile(), 0);
        QCOMPARE(writeLedSettingsMemory(leds), quint8(1));
    }

    // Receiver only: the cable mouse interface the reads use is not open.
    void readsNeedTheCable()
    {
        DeviceFixture fx;
        quint8 rates[PollRateLength];
        QCOMPARE(QueryPollRate(rates), 0);
        QCOMPARE(fx.mouse().writeCount(), 0);
    }
};

MOUSECFG_TEST(TestMemoryCommands)
#include "TestMemoryCommands.moc"
