#include "device/ReportPackets.h"
#include "device/SettingsCommands.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"

#include <QTest>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Report bytes 3.. of every written report.
QVector<QByteArray> reports()
{
    QVector<QByteArray> out;
    for (const FakeWrittenReport &r : FakeMouse::instance().writtenReports())
        out.append(r.bytes);
    return out;
}

void setStages(ProfileRecord &record)
{
    for (int i = 0; i < DpiStageCount; ++i) {
        record.stages[size_t(i)].used = 1;
        record.stages[size_t(i)].x = quint32(100 + i);
        record.stages[size_t(i)].y = quint32(300 + i);
    }
}

} // namespace

class TestSettingsCommands : public QObject
{
    Q_OBJECT
private slots:
    void reportHeaderAndChecksum()
    {
        DeviceFixture fx;
        QCOMPARE(uploadSession(0), quint8(0));
        QCOMPARE(uploadSession(1), quint8(0));
        const QVector<QByteArray> log = reports();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0], hex("0526fa46000000") + QByteArray(26, '\0'));
        QCOMPARE(log[1].left(5), hex("0527fa4601"));
        QCOMPARE(fx.mouse().state().sessionBegins, 1);
        QCOMPARE(fx.mouse().state().sessionEnds, 1);
    }

    void generalSettingsCarryAllProfilesAndTheCurrentOne()
    {
        DeviceFixture fx;
        SettingsBlock block;
        for (int p = 0; p < ProfileCount; ++p) {
            block.profiles[size_t(p)].scrollspeed = quint8(3 + p);
            block.profiles[size_t(p)].pollrate = quint8(1 << (p % 4));
            block.profiles[size_t(p)].dpi = quint8(p);
            block.profiles[size_t(p)].LedMode = quint8(10 + p);
            block.profiles[size_t(p)].LedMoveOFF = quint8(0x40 + p);
            block.profiles[size_t(p)].LedSleepTime = quint8(0x50 + p);
        }
        block.LiftHigh = 2;
        block.currentProfile = 3;
        QCOMPARE(sendGeneralSettings(block), quint8(0));
        const QVector<QByteArray> log = reports();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].mid(3, 5), hex("01000013d1"));
        // The LED sleep settings come from the lighting record: the current profile here.
        QCOMPARE(log[0].mid(8, 19), hex("0304050607 02 03 43 53 0101 0102040801 1f 03 0a"));
        QCOMPARE(log[1].mid(3, 6), hex("017f0001d31a"));
        QCOMPARE(fx.mouse().state().ledMode(), quint8(10));
        block.currentProfile = 4; // LedMode 14 has no device mode of its own
        QCOMPARE(sendGeneralSettings(block), quint8(0));
        QCOMPARE(fx.mouse().state().ledMode(), quint8(6));
        QCOMPARE(deviceLedMode(0), quint8(1));
        QCOMPARE(deviceLedMode(11), quint8(7));
        QCOMPARE(deviceLedMode(200), quint8(6));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void dpiStagesOfProfileZero()
    {
        DeviceFixture fx(3389, 6, 3);
        setStages(deviceSettings.profiles[0]);
        deviceSettings.profiles[0].stages[1].x = 480;
        QCOMPARE(sendDpiStages(0), quint8(0));
        const QVector<QByteArray> log = reports();
        QCOMPARE(log.size(), 10);
        QCOMPARE(log[0].mid(3, 6), hex("02000001d103"));
        QCOMPARE(log[1].mid(3, 10), hex("02010005d2 01 6400 2c01"));
        QCOMPARE(log[2].mid(3, 10), hex("02060005d2 01 4081 2d01"));
        QCOMPARE(log[4].mid(3, 10), hex("02100005d2 00 6700 2f01")); // stage 3: not used, values sent
        QCOMPARE(log[8].mid(3, 5), hex("02240005d2"));
        QCOMPARE(log[9].mid(3, 6), hex("027f0001d31a"));
        const FakeMouseState state = fx.mouse().state();
        QCOMPARE(state.dpiStageCount(), quint8(3));
        QCOMPARE(state.dpiFirstValue(1), quint16(0x8140));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void stageCountOutsideOneToEightSendsEight()
    {
        for (int stages : {0, 9, -3}) {
            DeviceFixture fx(3104, 6, stages);
            setStages(deviceSettings.profiles[0]);
            QCOMPARE(sendDpiStages(0), quint8(0));
            const FakeMouseState state = fx.mouse().state();
            QCOMPARE(state.dpiStageCount(), quint8(8));
            QCOMPARE(state.dpiStageUsed(7), quint8(1));
            // sensor 3104 sends y first: 307 -> (307 - 53, 1)
            QCOMPARE(state.dpiFirstValue(7), quint16(0x0100 | (307 - 53)));
            QCOMPARE(state.dpiSecondValue(7), quint16(0x0100 | (107 - 53)));
        }
    }

    void statusByteLimitsSensor3395AndUnknownSensorsSendZero()
    {
        DeviceFixture fx(3395, 6, 8);
        deviceSettings.profiles[0].stages[0] = DpiStage{1, 0, 0, 519, 519};
        lastStatusByte = 8;
        QCOMPARE(sendDpiStages(0), quint8(0));
        QCOMPARE(fx.mouse().state().dpiFirstValue(0), quint16(399));
        fx.writeConfig(0);
        QCOMPARE(sendDpiStages(0), quint8(0));
        QCOMPARE(fx.mouse().state().dpiFirstValue(0), quint16(0));
        QCOMPARE(fx.mouse().state().dpiStageUsed(0), quint8(1));
    }

    void lightingTableOfProfileZero()
    {
        DeviceFixture fx;
        ProfileRecord &p0 = deviceSettings.profiles[0];
        for (int m = 0; m < LedModeCount; ++m) {
            p0.ledModes[size_t(m)].bright = 0x100 + m;
            p0.ledModes[size_t(m)].breath = 0x20 + m;
            p0.ledModes[size_t(m)].color = QColor(m, 2 * m, 3 * m);
        }
        p0.ledModes[1].color = QColor(255, 0, 0);
        p0.ledModes[1].bright = 3;
        QCOMPARE(sendLightingTable(), quint8(0));
        const FakeMouseState state = fx.mouse().state();
        QCOMPARE(state.lightingEntry(0), hex("8000000000000000"));
        QCOMPARE(state.lightingEntry(1), hex("80ff000001000203"));
        QCOMPARE(state.lightingEntry(2), hex("8002040601220403"));
        QCOMPARE(state.lightingEntry(3), hex("8000000001230103"));
        QCOMPARE(state.lightingEntry(4), hex("8000000001240804"));
        QCOMPARE(state.lightingEntry(5), hex("8000000005290109"));
        QCOMPARE(state.lightingEntry(6), hex("800000000700000b"));
        QCOMPARE(state.lightingEntry(7), hex("80000000062a000a"));
        QCOMPARE(state.lightingEntry(8), hex("80000000082c000c"));
        QCOMPARE(state.lightingEntry(9), hex("80000000092d000d"));
        const QVector<QByteArray> log = reports();
        QCOMPARE(log.size(), 5);
        QCOMPARE(log[3].mid(3, 5), hex("04480008d2"));
        QCOMPARE(fx.mouse().protocolErrors().total(), 0);
    }

    void commitsAndProfileSwitch()
    {
        DeviceFixture fx;
        QCOMPARE(commitAll(), quint8(0));
        setActiveProfile(3);
        FakeMouseState state = fx.mouse().state();
        QCOMPARE(state.commits.size(), 6);
        const quint8 flags[] = {0x04, 0x01, 0x02, 0x08, 0x10, 0x01};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(state.commits[i].code, quint8(0xF3));
            QCOMPARE(state.commits[i].flag, flags[i]);
        }
        QCOMPARE(state.profileSwitches, QVector<int>{3});
        fx.mouse().clearLog();
        fx.mouse().armFault(FakeFault::WriteFailure, 1, 1);
        QCOMPARE(commitAll(), quint8(4));
        QCOMPARE(fx.mouse().writeCount(), 2);
    }

    void sendFailuresStopTheBuilder()
    {
        DeviceFixture fx;
        fx.mouse().armFault(FakeFault::WrongData);
        QCOMPARE(sendLightingTable(), quint8(2));
        QCOMPARE(fx.mouse().state().transfersApplied[4], 0);
        closeDevices();
        fx.mouse().clearLog();
        QCOMPARE(sendGeneralSettings(deviceSettings), quint8(1));
        QCOMPARE(fx.mouse().writeCount(), 0);
    }
};

MOUSECFG_TEST(TestSettingsCommands)
#include "TestSettingsCommands.moc"
