#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/StartupLoad.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QFile>
#include <QSettings>
#include <QTest>

class TestStartupLoad : public QObject
{
    Q_OBJECT
private slots:
    // Without files every slot holds the factory profile, never an all-zero record.
    void missingConfigGivesFactoryProfiles()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(1);
        buttonMatrix.fill(6);
        loadAllSettings(block);
        QCOMPARE(block.currentProfile, quint8(0));
        QCOMPARE(block.AngleValue, quint8(0));
        QCOMPARE(block.LiftHigh, quint8(0));
        QCOMPARE(block.Count, quint8(0));
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        for (int i = 0; i < ProfileCount; ++i) {
            QVERIFY(block.names[i].isEmpty());
            QCOMPARE(firstDifference(block.profiles[i], factory), QString());
        }
        // The built-in model's buttons, each at its own place.
        for (int i = 0; i < BuiltInButtonCount; ++i)
            QCOMPARE(int(buttonMatrix[size_t(i)]), i);
    }

    void namesSelectTheFilesAndTheMatrixIsRead()
    {
        TestAppFolder folder;
        folder.copySeedData();
        folder.writeFile("Configs/Config.ini",
                         "[Config]\nProfileID=3\nAngleValue=300\nLiftHigh=1\nCount=7\nProfile1=A\nProfile2=B\n"
                         "Profile3=A\nProfile4=\nProfile5=Gone\n");
        const ProfileRecord a = sampleRecord(1);
        const ProfileRecord b = sampleRecord(2);
        saveProfileFile(a, "A");
        saveProfileFile(b, "B");
        buttonMatrix.fill(0);
        SettingsBlock block;
        loadAllSettings(block);
        QCOMPARE(block.currentProfile, quint8(3));
        QCOMPARE(block.AngleValue, quint8(44));
        QCOMPARE(block.LiftHigh, quint8(1));
        QCOMPARE(block.Count, quint8(7));
        QCOMPARE(block.names[0], QStringLiteral("A"));
        QCOMPARE(block.names[4], QStringLiteral("Gone"));
        QCOMPARE(firstDifference(block.profiles[0], a), QString());
        QCOMPARE(firstDifference(block.profiles[1], b), QString());
        QCOMPARE(firstDifference(block.profiles[2], a), QString());
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        QVERIFY(factory.buttons[0].Fun != 0);
        QCOMPARE(firstDifference(block.profiles[3], factory), QString());
        QCOMPARE(firstDifference(block.profiles[4], factory), QString());
        QCOMPARE(int(buttonMatrix[6]), 6);
    }

    // A stored ProfileID of 5 or more stays as stored; users of it fall back to profile 0.
    void profileIdOutOfRangeIsCheckedWhereUsed()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini", "[Config]\nProfileID=9\n");
        SettingsBlock block;
        loadAllSettings(block);
        QCOMPARE(block.currentProfile, quint8(9));
        QCOMPARE(&currentRecord(block), &block.profiles[0]);
    }

    void saveProfileNamesThenLoad()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(2);
        saveProfileNames(block);
        QSettings raw(configIniPath(), QSettings::IniFormat);
        QCOMPARE(raw.allKeys().size(), 7);
        SettingsBlock loaded;
        loadAllSettings(loaded);
        QCOMPARE(loaded.names, block.names);
        QCOMPARE(loaded.currentProfile, block.currentProfile);
        QCOMPARE(loaded.Count, block.Count);
        QCOMPARE(loaded.AngleValue, quint8(0));
    }

    // Every slot's name and file is written, so edits in slots 2 to 5 survive a restart.
    void saveAllSettingsKeepsEverySlot()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(3);
        block.names[3].clear();
        saveAllSettings(block);
        SettingsBlock loaded;
        loadAllSettings(loaded);
        QCOMPARE(loaded.currentProfile, block.currentProfile);
        QCOMPARE(loaded.AngleValue, block.AngleValue);
        QCOMPARE(loaded.LiftHigh, block.LiftHigh);
        QCOMPARE(loaded.Count, block.Count);
        QCOMPARE(loaded.names, block.names);
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        for (int i = 0; i < ProfileCount; ++i) {
            const ProfileRecord &expected = i == 3 ? factory : block.profiles[i];
            QCOMPARE(firstDifference(loaded.profiles[i], expected), QString());
        }
        QVERIFY(!QFile::exists(folder.configDir() + "/Profile/.prof"));
    }

    // Slots sharing a name share a file; the current slot's edits are the ones kept.
    void slotsSharingANameKeepTheCurrentSlotsRecord()
    {
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(6);
        block.names[1] = block.names[3] = "Same";
        for (const int current : {3, 1}) {
            block.currentProfile = quint8(current);
            saveAllSettings(block);
            ProfileRecord read;
            loadProfileFile(read, "Same");
            QCOMPARE(firstDifference(read, block.profiles[current]), QString());
        }
    }

    // Nothing reads the list back but readProfileList; the writer records the names it needs.
    void profileListWriteReadAndFind()
    {
        TestAppFolder folder;
        QCOMPARE(findProfileByName("One"), -1);
        ProfileRecord one = sampleRecord(4);
        one.ProfileName = "One";
        ProfileRecord two = sampleRecord(5);
        two.ProfileName = "Two";
        saveProfileFile(one, "One");
        saveProfileFile(two, "Two");
        folder.writeFile("Configs/Config.ini",
                         "[Config]\nProfileID=2\nAngleValue=3\nLiftHigh=1\n[PROFILE_LIST]\nCount=3\n1=One\n2=Two\n3=One\n");
        SettingsBlock block;
        readProfileList(block);
        QCOMPARE(block.currentProfile, quint8(2));
        QCOMPARE(block.AngleValue, quint8(3));
        QCOMPARE(block.LiftHigh, quint8(1));
        QCOMPARE(block.Count, quint8(3));
        QCOMPARE(findProfileByName("One"), 0);
        QCOMPARE(findProfileByName("Two"), 1);
        QCOMPARE(findProfileByName("two"), -1);

        // The writer saves every listed record under its own name and records the names.
        QFile::remove(folder.configDir() + "/Profile/Two.prof");
        QFile::remove(folder.configDir() + "/Config.ini");
        writeProfileList(block);
        ProfileRecord read;
        loadProfileFile(read, "Two");
        QCOMPARE(firstDifference(read, two), QString());
        SettingsBlock again;
        readProfileList(again);
        QCOMPARE(again.Count, quint8(3));
        QCOMPARE(again.currentProfile, quint8(2));
        // The list is not emptied first: the earlier entries still come first.
        QCOMPARE(findProfileByName("Two"), 1);
    }
};

MOUSECFG_TEST(TestStartupLoad)
#include "TestStartupLoad.moc"
