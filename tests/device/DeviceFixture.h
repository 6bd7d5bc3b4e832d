#pragma once

#include "device/DeviceState.h"
#include "device/DeviceTable.h"
#include "platform/Sleep.h"
#include "storage/ModelDescriptor.h"
#include "storage/SettingsBlock.h"
#include "tests/common/TestAppFolder.h"
#include "tests/fakehid/FakeMouse.h"

#include <QSettings>
#include <QVector>

#include <atomic>
#include <limits>
#include <utility>

// Counts the protocol's pauses instead of sleeping.
struct SleepCounter
{
    static std::atomic<int> &calls()
    {
        static std::atomic<int> n{0};
        return n;
    }
    static std::atomic<long> &totalMs()
    {
        static std::atomic<long> n{0};
        return n;
    }
    static void sleep(int ms)
    {
        ++calls();
        totalMs() += ms;
    }
    static void reset()
    {
        calls() = 0;
        totalMs() = 0;
    }
};

// A throw-away application folder with Config.ini and a model descriptor, the emulated
// mouse plugged on one link and the device opened; sleeps are only counted.
class DeviceFixture
{
public:
    static constexpr const char *ProductName = "QVRT M1";

    explicit DeviceFixture(int sensor = 3389, int buttons = 6, int stages = 4, bool plugCable = false)
    {
        FakeMouse::instance().reset();
        SleepCounter::reset();
        setSleepFunctionForTests(&SleepCounter::sleep);
        writeConfig(sensor);
        writeDescriptor(buttons, stages);
        FakeMouse::instance().plug(FakeLink::Receiver);
        if (plugCable)
            FakeMouse::instance().plug(FakeLink::Cable);
        openDevice();
        deviceSettings = SettingsBlock();
        macroIndexMap.clear();
        lastStatusByte = 0;
        mouseOffFlag = 0;
    }

    ~DeviceFixture()
    {
        closeDevices();
        setSleepFunctionForTests(nullptr);
        FakeMouse::instance().reset();
    }

    static void openDevice()
    {
        initDeviceTable();
        enumerateDevices();
        openDeviceByName(QByteArray(ProductName));
    }

    void writeConfig(int sensor)
    {
        QSettings ini(folder.configDir() + "/Config.ini", QSettings::IniFormat);
        ini.setValue("Mouse_List/0", ProductName);
        ini.setValue("Config/CurrentProductName", ProductName);
        ini.setValue("MouseSenSor/1", sensor);
    }

    // Counts are stored masked as the descriptor does: ButtonCount ^ MouseDpi, ^ DPICount.
    void writeDescriptor(int buttons, int stages, QVector<int> matrix = {})
    {
        const int mask = 0x35;
        QMap<QByteArray, QByteArray> keys{{"ProductName", ProductName},
                                          {"MouseDpi", QByteArray::number(mask)},
                                          {"ButtonCount", QByteArray::number(buttons ^ mask)},
                                          {"DPICount", QByteArray::number(stages ^ buttons)}};
        for (int i = 0; i < 16; ++i)
            keys["BUTTON_INFO_" + QByteArray::number(i) + "_Matrix"] = QByteArray::number(i < matrix.size() ? matrix[i] : i);
        folder.writeFile("DefaultProfile.bin", TestAppFolder::sampleDescriptor(keys));
        for (int i = 0; i < 16; ++i)
            buttonMatrix[size_t(i)] = quint8(i < matrix.size() ? matrix[i] : i);
    }

    // A macro file of rows (type, DataH, DataL); count overrides the stored row count.
    void writeMacro(const QString &name, const QVector<std::array<int, 3>> &rows, int count = std::numeric_limits<int>::min())
    {
        QSettings ini(folder.configDir() + "/MacroDB/" + name + ".MSMACRO", QSettings::IniFormat);
        ini.setValue("Setting/Count", count == std::numeric_limits<int>::min() ? rows.size() : count);
        for (int i = 0; i < rows.size(); ++i) {
            ini.setValue(QString("Setting/Map_%1").arg(i), rows[i][0]);
            ini.setValue(QString("Setting/DataH_%1").arg(i), rows[i][1]);
            ini.setValue(QString("Setting/DataL_%1").arg(i), rows[i][2]);
        }
    }

    static FakeMouse &mouse() { return FakeMouse::instance(); }

    TestAppFolder folder;
};

// Key presses of usages 4.. as macro rows.
inline QVector<std::array<int, 3>> keyRows(int n)
{
    QVector<std::array<int, 3>> rows;
    for (int i = 0; i < n; ++i)
        rows.append({i % 2 ? 0x04 : 0x84, 0, 4 + i});
    return rows;
}

// A profile 0 that touches every part: settings, stages, buttons with two macros, lighting.
inline void fillSampleBlock(SettingsBlock &block)
{
    block = SettingsBlock();
    block.LiftHigh = 1;
    block.names[0] = "P1";
    for (int p = 0; p < ProfileCount; ++p) {
        ProfileRecord &r = block.profiles[size_t(p)];
        r.ProfileName = block.names[size_t(p)];
        r.pollrate = quint8(p % 2 ? 2 : 1);
        r.scrollspeed = quint8(3 + p);
        r.LedMode = 3;
        r.LedSleepTime = 5;
    }
    ProfileRecord &p0 = block.profiles[0];
    p0.dpi = 2;
    for (int i = 0; i < DpiStageCount; ++i)
        p0.stages[size_t(i)] = DpiStage{1, 0, 0, quint32(20 * (i + 1)), quint32(330 + i)};
    const int funs[] = {1, 2, FunMacro, 38, FunGunFile, 12};
    for (int i = 0; i < 6; ++i)
        p0.buttons[size_t(i)].Fun = funs[i];
    p0.buttons[2].macroname = "first";
    p0.buttons[2].LoopNumber = 2;
    p0.buttons[4].macroname = "second";
    p0.buttons[4].Res1 = 1;
    p0.buttons[40].Fun = 52;
    p0.buttons[41].Fun = 53;
    for (int m = 0; m < LedModeCount; ++m) {
        p0.ledModes[size_t(m)].color = QColor(10 * m, 0, 255 - m);
        p0.ledModes[size_t(m)].bright = 3;
        p0.ledModes[size_t(m)].breath = m;
    }
}
