#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/SettingsBlock.h"
#include "storage/StartupLoad.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QFile>
#include <QMap>
#include <QTest>

namespace {
// A descriptor with every key the factory profile takes, 0 or black unless given; a
// null value leaves the key out.
QByteArray descriptor(QMap<QByteArray, QByteArray> values)
{
    QList<QByteArray> keys{"pollrate", "dpi", "LedMode"};
    for (int i = 0; i < 8; ++i)
        keys << "DPI_INFO_" + QByteArray::number(i) + "_xy";
    for (int i = 0; i < 16; ++i)
        keys << "BUTTON_INFO_" + QByteArray::number(i) + "_Fun";
    for (int m = 0; m < LedModeCount; ++m) {
        for (const char *tail : {"_RGB", "_bright", "_breath"})
            keys << "LedMode\\LED_MODE_" + QByteArray::number(m) + tail;
    }
    QByteArray text = "[PROFILE]\n";
    for (const QByteArray &key : keys) {
        const QByteArray value = values.value(key, key.endsWith("_RGB") ? "#000000" : "0");
        if (!value.isNull())
            text += key + "=" + value + "\n";
    }
    return text;
}

void verifyCommonDefaults(const ProfileRecord &r)
{
    QCOMPARE(r.mousespeed, quint8(10));
    QCOMPARE(r.dbclickspeed, quint8(5));
    QCOMPARE(r.scrollispage, quint8(0));
    QCOMPARE(r.scrollspeed, quint8(1));
    QCOMPARE(r.accelenable, quint8(1));
    QCOMPARE(r.acee, quint8(1));
    QCOMPARE(r.LedMoveOFF, quint8(0));
    QCOMPARE(r.LedSleepTime, quint8(1));
    QVERIFY(r.ProfileName.isEmpty());
    QVERIFY(r.ProfilePath.isEmpty());
    for (const DpiStage &s : r.stages) {
        QCOMPARE(s.used, quint8(1));
        QCOMPARE(s.link, quint8(1));
        QVERIFY(s.x == s.xy && s.y == s.xy);
    }
    for (const ButtonSlot &b : r.buttons) {
        QVERIFY(b.macroname.isEmpty());
        QCOMPARE(b.ID, 0);
        QCOMPARE(b.LoopNumber, 0);
        QCOMPARE(b.Res1, quint8(0));
        QVERIFY((b.KeyInfo == std::array<KeyStep, KeyStepCount>{}));
    }
    for (int n = 16; n < 40; ++n)
        QCOMPARE(r.buttons[n].Fun, 0);
    QCOMPARE(r.buttons[40].Fun, 52);
    QCOMPARE(r.buttons[41].Fun, 53);
    for (const LedModeRecord &e : r.ledModes) {
        QCOMPARE(e.h, 360);
        QCOMPARE(e.s, 0);
        QCOMPARE(e.v, 0);
    }
}
}

class TestSettingsBlock : public QObject
{
    Q_OBJECT
private slots:
    void indexesOutOfRangeFallBack()
    {
        QCOMPARE(safeProfileIndex(4), 4);
        QCOMPARE(safeProfileIndex(5), 0);
        QCOMPARE(safeProfileIndex(-1), 0);
        QCOMPARE(safeLedMode(13), 13);
        QCOMPARE(safeLedMode(14), DefaultLedMode);
        QCOMPARE(safeLedMode(-1), DefaultLedMode);
        SettingsBlock block;
        block.currentProfile = 200;
        block.profiles[0].dpi = 7;
        QCOMPARE(currentRecord(block).dpi, quint8(7));
        block.currentProfile = 3;
        QCOMPARE(&currentRecord(block), &block.profiles[3]);
    }

    void blocksStartEmptyAndCopyWhole()
    {
        SettingsBlock empty;
        QCOMPARE(empty.currentProfile, quint8(0));
        QCOMPARE(empty.LiftHigh, quint8(0));
        QVERIFY(empty.names[4].isEmpty());
        QCOMPARE(firstDifference(empty.profiles[2], ProfileRecord()), QString());
        QVERIFY(!empty.profiles[0].ledModes[0].color.isValid());
        const SettingsBlock sample = sampleBlock(3);
        SettingsBlock copy = sample;
        for (int i = 0; i < ProfileCount; ++i)
            QCOMPARE(firstDifference(copy.profiles[i], sample.profiles[i]), QString());
        QCOMPARE(copy.names, sample.names);
    }

    void builtInDefaultsWithoutDescriptor()
    {
        TestAppFolder folder;
        ProfileRecord r = sampleRecord(1);
        resetProfileToDefaults(r);
        verifyCommonDefaults(r);
        QCOMPARE(r.pollrate, quint8(1));
        QCOMPARE(r.dpi, quint8(1));
        QCOMPARE(r.LedMode, quint8(9));
        const quint32 raw[] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < DpiStageCount; ++i)
            QCOMPARE(r.stages[i].xy, raw[i]);
        const int fun[] = {1, 2, 3, 4, 5, 4, 5};
        for (int n = 0; n < 7; ++n)
            QCOMPARE(r.buttons[n].Fun, fun[n]);
        for (int n = 7; n < 40; ++n)
            QCOMPARE(r.buttons[n].Fun, 0);
        for (int m = 0; m < LedModeCount; ++m) {
            const LedModeRecord &e = r.ledModes[m];
            QCOMPARE(e.color, m == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QCOMPARE(e.bright, 3);
            const int breath = m == 4 ? 2 : m == 9 ? 4 : m == 10 ? 5 : m == 12 ? 1 : 3;
            QCOMPARE(e.breath, breath);
        }
    }

    void descriptorDefaults()
    {
        TestAppFolder folder;
        folder.writeFile("DefaultProfile.bin",
                         descriptor({{"pollrate", "2"}, {"dpi", "3"}, {"LedMode", "5"}, {"DPI_INFO_0_xy", "4294967295"},
                                     {"DPI_INFO_7_xy", "99"}, {"BUTTON_INFO_0_Fun", "7"},
                                     {"BUTTON_INFO_15_Fun", "16"}, {"LedMode\\LED_MODE_13_RGB", "#102030"},
                                     {"LedMode\\LED_MODE_13_bright", "2"}, {"LedMode\\LED_MODE_13_breath", "5"}})
                             + "BUTTON_INFO_0_ID=44\n");
        ProfileRecord r = sampleRecord(2);
        resetProfileToDefaults(r);
        verifyCommonDefaults(r);
        QCOMPARE(r.pollrate, quint8(2));
        QCOMPARE(r.dpi, quint8(3));
        QCOMPARE(r.LedMode, quint8(5));
        QCOMPARE(r.stages[0].x, 0xFFFFFFFFu);
        QCOMPARE(r.stages[7].y, 99u);
        QCOMPARE(r.stages[3].xy, 0u);
        QCOMPARE(r.buttons[0].Fun, 7);
        QCOMPARE(r.buttons[0].ID, 0);
        QCOMPARE(r.buttons[15].Fun, 16);
        QCOMPARE(r.buttons[1].Fun, 0);
        QCOMPARE(r.ledModes[13].color, QColor(0x10, 0x20, 0x30));
        QCOMPARE(r.ledModes[13].bright, 2);
        QCOMPARE(r.ledModes[13].breath, 5);
        QCOMPARE(r.ledModes[0].color, QColor(0, 0, 0));
    }

    // A descriptor cut short (inside its last number too), or lacking a key the factory
    // profile takes, counts as none on every path: its counts (cut before MouseDpi they
    // would unmask to 93 and 92) are the built-in model's, and reset, a new block,
    // DefaultProfile.prof, a slot without a file all take the built-in factory profile.
    void damagedDescriptorGivesTheBuiltInFactoryProfile_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray whole = TestAppFolder::sampleDescriptor({{"pollrate", "12"}});
        QTest::newRow("cut after its first key") << whole.left(whole.indexOf('\n', 10) + 1);
        QTest::newRow("cut at a quarter") << whole.left(whole.size() / 4);
        QTest::newRow("cut before MouseDpi") << whole.left(whole.indexOf("MouseDpi"));
        QTest::newRow("cut inside its last number") << whole.chopped(2);
        QTest::newRow("no last button's function") << descriptor({{"BUTTON_INFO_15_Fun", QByteArray()}});
        QTest::newRow("an effect's colour damaged") << descriptor({{"LedMode\\LED_MODE_4_RGB", "@Variant(\\0\\0"}});
        QTest::newRow("a raw value not a number") << descriptor({{"DPI_INFO_2_xy", "x"}});
    }
    void damagedDescriptorGivesTheBuiltInFactoryProfile()
    {
        QFETCH(QByteArray, text);
        TestAppFolder folder;
        ProfileRecord builtIn;
        resetProfileToDefaults(builtIn);
        folder.writeFile("DefaultProfile.bin", text);
        QVERIFY(modelDescriptorDamaged());
        QCOMPARE(modelButtonCount(), BuiltInButtonCount);
        QCOMPARE(modelDpiStageCount(), BuiltInDpiStageCount);
        ProfileRecord r = sampleRecord(5);
        resetProfileToDefaults(r);
        QCOMPARE(firstDifference(r, builtIn), QString());
        SettingsBlock block = sampleBlock(6);
        initSettingsBlock(block);
        QCOMPARE(firstDifference(block.profiles[0], builtIn), QString());
        QVERIFY(writeDefaultProfileFile());
        ProfileRecord written;
        loadProfileFile(written, "DefaultProfile");
        QCOMPARE(firstDifference(written, builtIn), QString());
        folder.writeFile("Configs/Config.ini", "[Config]\nProfile1=Absent\n");
        loadAllSettings(block);
        QCOMPARE(firstDifference(block.profiles[0], builtIn), QString());
    }

    // A descriptor effect outside 0..13 would index past the effects later.
    void descriptorLedModeOutOfRangeFallsBack()
    {
        TestAppFolder folder;
        folder.writeFile("DefaultProfile.bin", descriptor({{"LedMode", "20"}}));
        ProfileRecord r;
        resetProfileToDefaults(r);
        QCOMPARE(r.LedMode, quint8(DefaultLedMode));
    }

    void shippedDescriptorGivesTheSampleModel()
    {
        TestAppFolder folder;
        folder.copySeedData();
        ProfileRecord r;
        resetProfileToDefaults(r);
        verifyCommonDefaults(r);
        QCOMPARE(r.stages[5].x, 240u);
        QCOMPARE(r.buttons[0].Fun, 1);
        QVERIFY(r.ledModes[r.LedMode].color.isValid());
    }

    void resetAllKeepsCount()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(4);
        initSettingsBlock(block);
        QCOMPARE(block.currentProfile, quint8(0));
        QCOMPARE(block.AngleValue, quint8(0));
        QCOMPARE(block.LiftHigh, quint8(2));
        QCOMPARE(block.Count, quint8(44));
        ProfileRecord fresh;
        resetProfileToDefaults(fresh);
        for (int i = 0; i < ProfileCount; ++i) {
            QCOMPARE(block.names[i], QStringLiteral("Profile %1").arg(i + 1));
            QCOMPARE(firstDifference(block.profiles[i], fresh), QString());
        }
    }

    void lightingRecordIsProfileZeroOnlyForX642_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<int>("expected");
        QTest::newRow("X642") << "X642" << 0;
        QTest::newRow("x642 is another model") << "x642" << 3;
        QTest::newRow("sample model") << "QM700" << 3;
        QTest::newRow("no product") << QString() << 3;
    }
    void lightingRecordIsProfileZeroOnlyForX642()
    {
        QFETCH(QString, product);
        QFETCH(int, expected);
        TestAppFolder folder;
        if (!product.isNull())
            writeCurrentProductName(product);
        SettingsBlock block;
        block.currentProfile = 3;
        QCOMPARE(&lightingRecord(block), &block.profiles[expected]);
        const SettingsBlock &constBlock = block;
        QCOMPARE(&lightingRecord(constBlock), &block.profiles[expected]);
    }
};

MOUSECFG_TEST(TestSettingsBlock)
#include "TestSettingsBlock.moc"
