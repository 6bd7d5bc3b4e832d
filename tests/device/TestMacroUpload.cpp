#include "device/ButtonTable.h"
#include "device/MacroUpload.h"
#include "storage/MacroFile.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QTest>

namespace {

ButtonSlot stepRecord(const QVector<KeyStep> &steps)
{
    ButtonSlot record;
    record.KeyNumber = steps.size();
    for (int i = 0; i < steps.size(); ++i)
        record.KeyInfo[size_t(i)] = steps[i];
    return record;
}

QVector<KeyStep> keys(int n)
{
    QVector<KeyStep> steps;
    for (int i = 0; i < n; ++i)
        steps.append(KeyStep{0x84, quint8(4 + i), 0});
    return steps;
}

QByteArray slotBytes(int k, int length)
{
    return QByteArray(reinterpret_cast<const char *>(macroImage.data() + k * MacroSlotSize), length);
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

void assignMacro(int profile, int slot, const QString &name, int fun = FunMacro)
{
    ButtonSlot &b = deviceSettings.profiles[size_t(profile)].buttons[size_t(slot)];
    b.Fun = fun;
    b.macroname = name;
}

} // namespace

class TestMacroUpload : public QObject
{
    Q_OBJECT
private slots:
    void rowsSwapToDeviceOrder()
    {
        const KeyStep step = keyStepFromMacroRow(0x106, 0x12, 0x334);
        QCOMPARE(step.map, quint8(0x06));
        QCOMPARE(step.key, quint8(0x34));
        QCOMPARE(step.H, quint8(0x12));
    }

    void packingInsertsDelaysEveryFourActions()
    {
        packMacroActions(stepRecord(keys(5)), 0);
        QCOMPARE(slotBytes(0, 27), hex("840400 840500 840600 840700 060100 840800 060100 000000 000000"));
        packMacroActions(stepRecord(keys(3)), 1);
        QCOMPARE(slotBytes(1, 18), hex("840400 840500 840600 060100 060100 000000"));
        packMacroActions(stepRecord({}), 2);
        QCOMPARE(slotBytes(2, 6), hex("060100 000000"));
        QVector<KeyStep> withDelay = keys(2);
        withDelay.insert(1, KeyStep{0x06, 0x2C, 0x01});
        packMacroActions(stepRecord(withDelay), 3);
        QCOMPARE(slotBytes(3, 12), hex("840400 06 2c01 840500 000000"));
    }

    // Long macros without delays keep as many actions as fit with the end record.
    void longMacrosAreTruncatedToTheSlot()
    {
        packMacroActions(stepRecord(keys(63)), 4);
        const QByteArray slot = slotBytes(4, MacroSlotSize);
        QCOMPARE(slot.mid(195, 3), hex("060100"));
        QCOMPARE(slot.mid(192, 3), hex("060100")); // the delay after the 52nd action
        QCOMPARE(quint8(slot[189]), quint8(0x84));
        QCOMPARE(slot.mid(198), hex("0000"));
        QCOMPARE(slotBytes(5, 3), hex("000000")); // the next slot stays untouched
        ButtonSlot record = stepRecord(keys(5));
        record.KeyNumber = 1000;
        packMacroActions(record, 5);
        QCOMPARE(slotBytes(5, 3), hex("840400"));
    }

    void fileRowsAreCappedAndCountsChecked()
    {
        DeviceFixture fx;
        fx.writeMacro("big", keyRows(80));
        ButtonSlot button;
        button.Fun = FunMacro;
        button.macroname = "big";
        button.LoopNumber = 3;
        ButtonSlot record = readMacroStepRecord(button);
        QCOMPARE(record.KeyNumber, MaxMacroSteps);
        QCOMPARE(record.LoopNumber, 3);
        QCOMPARE(record.KeyInfo[62].key, quint8(4 + 62));
        fx.writeMacro("neg", keyRows(2), -5);
        button.macroname = "neg";
        QCOMPARE(readMacroStepRecord(button).KeyNumber, 0);
        button.macroname = "missing";
        QCOMPARE(readMacroStepRecord(button).KeyNumber, 0);
    }

    // The mouse gets the rows the editor shows: junk closed up, delays as stored, a
    // set bit 7 read by the kind below it, moves along one axis, keys without DataH.
    void uploadSendsTheRowsTheReaderReturns()
    {
        DeviceFixture fx;
        fx.writeMacro("m", {{0x84, 7, 4}, {0x77, 1, 2}, {0x86, 0, 5}, {0x81, 0, 3}, {0x82, 0, 251}, {0x02, 5, 9},
                            {0x04, 0, 4}});
        assignMacro(0, 0, "m");
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(uploadMacros(), quint8(0));
        QByteArray expected;
        for (const MacroAction &row : readMacroFile("m").rows)
            expected += char(row.type) + QByteArray(1, char(row.dataL)) + char(row.dataH);
        QCOMPARE(expected, hex("840400 060500 02fb00 020000 040400"));
        QCOMPARE(fx.mouse().state().macroSlot(0).left(18), expected + hex("000000"));
    }

    void noMacroButtonsSendNothing()
    {
        DeviceFixture fx;
        QCOMPARE(sendButtonTable(), quint8(0));
        fx.mouse().clearLog();
        QCOMPARE(uploadMacros(), quint8(0));
        QCOMPARE(fx.mouse().writeCount(), 0);
    }

    void sharedMacroIsSentOnceInItsSlot()
    {
        DeviceFixture fx(3389, 6);
        fx.writeMacro("a", keyRows(5));
        fx.writeMacro("b", keyRows(3));
        assignMacro(0, 1, "b");
        assignMacro(0, 2, "a", FunGunFile);
        assignMacro(0, 4, "b");
        assignMacro(1, 0, "c"); // never numbered: profile 1 is not in the table
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(macroIndexMap.size(), 2);
        fx.mouse().clearLog();
        SleepCounter::reset();
        QCOMPARE(uploadMacros(), quint8(0));
        QVERIFY(macroIndexMap.isEmpty());
        QCOMPARE(SleepCounter::totalMs() - 10 * fx.mouse().writeCount(), 2L * 50);
        QCOMPARE(fx.mouse().writeCount(), 21);
        const FakeMouseState state = fx.mouse().state();
        QCOMPARE(state.macroSlot(0).left(18), hex("840400 040500 840600 060100 060100 000000"));
        QCOMPARE(state.macroSlot(1).left(9), hex("840400 040500 840600"));
        QCOMPARE(state.macroSlot(2), QByteArray(200, '\0'));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void laterSlotsUseFollowingPhases()
    {
        DeviceFixture fx;
        fx.writeMacro("m", keyRows(2));
        macroIndexMap.insert(0, "other");
        macroIndexMap.insert(1, "m");
        assignMacro(0, 0, "m");
        QCOMPARE(uploadMacros(), quint8(0));
        const QVector<FakeWrittenReport> log = fx.mouse().writtenReports();
        QCOMPARE(log.size(), 11);
        for (int j = 0; j < 10; ++j) {
            const QByteArray &r = log[j].bytes;
            QCOMPARE(quint8(r[7]), quint8(0xD2));
            QCOMPARE(quint8(r[4]) | quint8(r[5]) << 8, 200 + 20 * j);
            QCOMPARE(quint8(r[6]), quint8(20));
        }
        QCOMPARE(log[10].bytes.mid(3, 6), hex("05ff0f01d31a"));
    }

    void aFailedPacketEndsTheUpload()
    {
        DeviceFixture fx;
        fx.writeMacro("m", keyRows(2));
        macroIndexMap.insert(0, "m");
        assignMacro(0, 0, "m");
        fx.mouse().armFault(FakeFault::WriteFailure, 1, 3);
        QCOMPARE(uploadMacros(), quint8(4));
        QCOMPARE(fx.mouse().state().transfersApplied[5], 0);
    }
};

MOUSECFG_TEST(TestMacroUpload)
#include "TestMacroUpload.moc"
