#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"
#include "storage/ProfileFiles.h"
#include "storage/StartupLoad.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

namespace {
// One digit of the file's rate changed in place, the modification time put back.
void changeInPlace(const QString &path, const QDateTime &time)
{
    const QByteArray bytes = fileBytes(path);
    const int at = bytes.indexOf("\npollrate=") + 10;
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(at));
    QCOMPARE(file.write(bytes[at] == '1' ? "2" : "1"), 1);
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}
}

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

    // A save writes only the files whose text changes: the slot edited, Config.ini for
    // a new name, a slot file changed, removed or unwritable since the last save (the
    // failure told, and the file written once it can be). The rest keep their bytes.
    void saveAllSettingsWritesOnlyWhatChanged_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing") << "" << QStringList() << true;
        QTest::newRow("a stage of slot 3") << "stage" << QStringList{"slot 3"} << true;
        QTest::newRow("a key step of slot 1") << "step" << QStringList{"slot 1"} << true;
        QTest::newRow("a macro name of slot 4") << "macro" << QStringList{"slot 4"} << true;
        QTest::newRow("a colour of slot 5") << "colour" << QStringList{"slot 5"} << true;
        QTest::newRow("slot 2 renamed") << "name" << QStringList{"Config.ini", "Renamed"} << true;
        QTest::newRow("slot 2's file changed in place, its time kept") << "edited" << QStringList{"slot 2"} << true;
        QTest::newRow("slot 4's file removed") << "removed" << QStringList{"slot 4"} << true;
        QTest::newRow("slot 5's file a folder") << "folder" << QStringList() << false;
    }
    void saveAllSettingsWritesOnlyWhatChanged()
    {
        QFETCH(QString, change);
        QFETCH(QStringList, written);
        QFETCH(bool, saved);
        TestAppFolder folder;
        folder.copySeedData();
        SettingsBlock block = sampleBlock(3);
        QVERIFY(saveAllSettings(block));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        const auto pathOf = [&block](int slot) { return profileFilePath(block.names[slot]); };
        QStringList files{configIniPath()};
        for (int i = 0; i < ProfileCount; ++i)
            files << pathOf(i);
        for (const QString &path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        if (change == "stage")
            block.profiles[2].stages[0].x += 1;
        else if (change == "step")
            block.profiles[0].buttons[41].KeyInfo[62].H += 1;
        else if (change == "macro")
            block.profiles[3].buttons[7].macroname += "2";
        else if (change == "colour")
            block.profiles[4].ledModes[13].color = block.profiles[4].ledModes[13].color.lighter();
        else if (change == "name")
            block.names[1] = "Renamed";
        else if (change == "edited")
            changeInPlace(pathOf(1), old);
        else if (change == "removed")
            QVERIFY(QFile::remove(pathOf(3)));
        else if (change == "folder")
            QVERIFY(QFile::remove(pathOf(4)) && QDir().mkpath(pathOf(4)));
        QStringList labels{"Config.ini", "slot 1", "slot 2", "slot 3", "slot 4", "slot 5"};
        if (change == "name") {
            files[2] = pathOf(1);
            labels[2] = "Renamed";
        }

        QCOMPARE(saveAllSettings(block), saved);
        for (int f = 0; f < files.size(); ++f) {
            const QFileInfo info(files[f]);
            const bool changed = info.isFile() && info.lastModified() > old.addSecs(60);
            QVERIFY2(changed == written.contains(labels[f]), qPrintable(labels[f]));
        }
        if (change == "folder") {
            QVERIFY(QDir(pathOf(4)).removeRecursively());
            QVERIFY(saveAllSettings(block));
        }
        SettingsBlock loaded;
        loadAllSettings(loaded);
        QCOMPARE(loaded.names, block.names);
        for (int i = 0; i < ProfileCount; ++i)
            QCOMPARE(firstDifference(loaded.profiles[i], block.profiles[i]), QString());
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
