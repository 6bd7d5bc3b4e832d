#include "storage/ConfigIni.h"
#include "storage/LedKeys.h"
#include "storage/ProfileFiles.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QSettings>
#include <QTest>

namespace {
void verifySameLighting(const ProfileRecord &a, const ProfileRecord &b)
{
    QCOMPARE(a.LedMode, b.LedMode);
    for (int m = 0; m < LedModeCount; ++m) {
        QCOMPARE(a.ledModes[m].color, b.ledModes[m].color);
        QCOMPARE(a.ledModes[m].h, b.ledModes[m].h);
        QCOMPARE(a.ledModes[m].s, b.ledModes[m].s);
        QCOMPARE(a.ledModes[m].v, b.ledModes[m].v);
        QCOMPARE(a.ledModes[m].bright, b.ledModes[m].bright);
        QCOMPARE(a.ledModes[m].breath, b.ledModes[m].breath);
    }
}
}

class TestLedKeys : public QObject
{
    Q_OBJECT
private slots:
    void shortFormRoundTrips()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(1);
        saveAllProfileLedFiles(block);
        const QStringList keys = QSettings(profileFilePath(block.names[0]), QSettings::IniFormat).allKeys();
        QCOMPARE(keys.size(), 1 + LedModeCount * 6);
        QVERIFY(keys.contains("PROFILE/LED_MODE_13_breath"));
        SettingsBlock read = sampleBlock(2);
        read.names = block.names;
        loadAllProfileLedFiles(read);
        for (int i = 0; i < ProfileCount; ++i)
            verifySameLighting(read.profiles[i], block.profiles[i]);
    }

    void shortFormMissesTheProfileKeys()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(3);
        for (int i = 0; i < ProfileCount; ++i)
            saveProfileFile(block.profiles[i], block.names[i]);
        SettingsBlock read = block;
        loadAllProfileLedFiles(read);
        for (int i = 0; i < ProfileCount; ++i) {
            QCOMPARE(read.profiles[i].LedMode, block.profiles[i].LedMode);
            for (const LedModeRecord &e : read.profiles[i].ledModes) {
                QVERIFY(!e.color.isValid());
                QVERIFY(e.h == 0 && e.s == 0 && e.v == 0 && e.bright == 0 && e.breath == 0);
            }
        }
    }

    void fileChoiceFollowsTheFileName()
    {
        TestAppFolder folder;
        const ProfileRecord r = sampleRecord(4);
        saveProfileLedKeys(2, r, QString());
        QVERIFY(QSettings(configIniPath(), QSettings::IniFormat).allKeys().contains("PROFILE_2/LED_MODE_0_RGB"));
        ProfileRecord read;
        loadProfileLedKeys(2, read, QString());
        verifySameLighting(read, r);
        const QString path = folder.path() + "/any.prof";
        saveProfileLedKeys(4, r, path);
        QCOMPARE(QSettings(path, QSettings::IniFormat).childGroups(), QStringList{"PROFILE"});
        ProfileRecord other;
        saveProfileLedFile(r, "Named");
        loadProfileLedFile(other, "Named");
        verifySameLighting(other, r);
    }

    void longFormTouchesOneEffect()
    {
        TestAppFolder folder;
        const ProfileRecord r = sampleRecord(5);
        saveProfileFile(r, "Lit");
        writeProfileLedKeys("Lit", 3, QColor(1, 2, 3), 4294967295u, 5, 6, 7, 8);
        ProfileRecord read;
        loadProfileFile(read, "Lit");
        QCOMPARE(read.LedMode, quint8(3));
        QCOMPARE(read.ledModes[3].color, QColor(1, 2, 3));
        QCOMPARE(read.ledModes[3].h, -1);
        QCOMPARE(read.ledModes[3].s, 5);
        QCOMPARE(read.ledModes[3].breath, 8);
        ProfileRecord expected = r;
        expected.LedMode = 3;
        expected.ledModes[3] = read.ledModes[3];
        QCOMPARE(firstDifference(read, expected), QString());
    }

    void unsafeNamesTouchNothing()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(6);
        block.names[0] = "../Config";
        block.names[1].clear();
        saveAllProfileLedFiles(block);
        writeProfileLedKeys("../Config", 1, QColor(1, 1, 1), 1, 1, 1, 1, 1);
        QVERIFY(!QFile::exists(configIniPath()));
        ProfileRecord read = sampleRecord(7);
        loadProfileLedFile(read, "../Config");
        QCOMPARE(read.LedMode, quint8(0));
        QVERIFY(!read.ledModes[5].color.isValid());
    }
};

MOUSECFG_TEST(TestLedKeys)
#include "TestLedKeys.moc"
