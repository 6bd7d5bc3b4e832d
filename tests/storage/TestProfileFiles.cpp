#include "storage/AppFolder.h"
#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

namespace {
QStringList keysOf(const QString &path)
{
    return QSettings(path, QSettings::IniFormat).allKeys();
}

// The file as another writer could leave it: "crlf", "bom", "reordered" (the first
// "pollrate" line moved to the top of its profile section).
QByteArray reshaped(QByteArray text, const QString &how)
{
    if (how == "crlf")
        return text.replace("\n", "\r\n");
    if (how == "bom")
        return "\xEF\xBB\xBF" + text;
    if (how == "reordered") {
        const int at = text.indexOf("\npollrate=") + 1;
        const QByteArray line = text.mid(at, text.indexOf('\n', at) + 1 - at);
        text.remove(at, line.size());
        text.insert(text.indexOf('\n', text.indexOf("[PROFILE")) + 1, line);
    }
    return text;
}
}

class TestProfileFiles : public QObject
{
    Q_OBJECT
private slots:
    void pathsAndNames()
    {
        TestAppFolder folder;
        QCOMPARE(profileFilePath("Game 1"), folder.configDir() + "/Profile/Game 1.prof");
        QCOMPARE(modelProfileFilePath("QM700", "Game 1"), folder.configDir() + "/QM700/Profile/Game 1.prof");
        for (const char *bad : {"", ".", "..", "../x", "a/b", "a\\b", "/abs"}) {
            QVERIFY2(!isSafeProfileName(QString::fromLatin1(bad)), bad);
            QVERIFY2(profileFilePath(QString::fromLatin1(bad)).isEmpty(), bad);
            QVERIFY2(modelProfileFilePath("QM700", QString::fromLatin1(bad)).isEmpty(), bad);
        }
        QVERIFY(modelProfileFilePath("../etc", "a").isEmpty());
        for (const char *good : {"Spiel 中 .1", "v1..2", "Best...", ".x"})
            QVERIFY2(isSafeProfileName(QString::fromUtf8(good)), good);
    }

    // Every stored field comes back, through the one key set of 8,453 keys.
    void recordRoundTripsFieldForField()
    {
        TestAppFolder folder;
        for (int seed : {1, 2}) {
            const ProfileRecord written = sampleRecord(seed);
            saveProfileFile(written, "Round");
            ProfileRecord read = sampleRecord(seed + 50);
            loadProfileFile(read, "Round");
            QCOMPARE(firstDifference(read, written), QString());
        }
        const QStringList keys = keysOf(profileFilePath("Round"));
        QCOMPARE(keys.size(), 8453);
        for (const char *key : {"PROFILE/DPI_INFO_0_used", "PROFILE/BUTTON_INFO_3_KeyInfo_12_map",
                                "PROFILE/BUTTON_INFO_41_KeyInfo_62_", "PROFILE/LedMode/LED_MODE_4_RGB",
                                "PROFILE/LedMode", "PROFILE/LedMoveOFF", "PROFILE/BUTTON_INFO_0_macroname"})
            QVERIFY2(keys.contains(QString::fromLatin1(key)), key);
    }

    void storedValueForms()
    {
        TestAppFolder folder;
        ProfileRecord r;
        r.stages[0].x = 0xFFFFFFFFu;
        r.ledModes[0].h = -1;
        r.buttons[0].ID = -1;
        r.pollrate = 200;
        saveProfileFile(r, "Forms");
        QSettings raw(profileFilePath("Forms"), QSettings::IniFormat);
        QCOMPARE(raw.value("PROFILE/DPI_INFO_0_x").toString(), QStringLiteral("4294967295"));
        QCOMPARE(raw.value("PROFILE/LedMode/LED_MODE_0_h").toString(), QStringLiteral("4294967295"));
        QCOMPARE(raw.value("PROFILE/BUTTON_INFO_0_ID").toString(), QStringLiteral("-1"));
        QCOMPARE(raw.value("PROFILE/pollrate").toString(), QStringLiteral("200"));
    }

    void missingFileAndMissingKeys()
    {
        TestAppFolder folder;
        ProfileRecord r = sampleRecord(3);
        loadProfileFile(r, "Nowhere");
        QCOMPARE(firstDifference(r, missingFileRecord()), QString());
        QVERIFY(!QFile::exists(profileFilePath("Nowhere")));

        folder.writeFile("Configs/Profile/Part.prof",
                         "[PROFILE]\npollrate=300\ndpi=-1\nLedMode=abc\nLedMoveOFF=0\nDPI_INFO_2_x=4294967296\n"
                         "BUTTON_INFO_5_Fun=510\nBUTTON_INFO_5_macroname=Gun\n");
        r = sampleRecord(4);
        loadProfileFile(r, "Part");
        QCOMPARE(r.pollrate, quint8(44));
        QCOMPARE(r.dpi, quint8(255));
        QCOMPARE(r.LedMode, quint8(0));
        QCOMPARE(r.LedMoveOFF, quint8(0));
        QCOMPARE(r.LedSleepTime, quint8(1));
        QCOMPARE(r.stages[2].x, 0u);
        QCOMPARE(r.buttons[5].Fun, 510);
        QCOMPARE(r.buttons[5].macroname, QStringLiteral("Gun"));
        QVERIFY(r.buttons[4].macroname.isEmpty());
        QVERIFY(!r.ledModes[3].color.isValid());
        QVERIFY(r.ProfileName.isEmpty());
    }

    void emptyFileNameUsesConfigIniSections()
    {
        TestAppFolder folder;
        const ProfileRecord written = sampleRecord(5);
        saveProfile(2, written, QString());
        const QStringList keys = keysOf(configIniPath());
        QCOMPARE(keys.size(), 8453);
        QVERIFY(keys.contains("PROFILE_2/pollrate"));
        ProfileRecord read;
        loadProfile(2, read, QString());
        QCOMPARE(firstDifference(read, written), QString());
        loadProfile(3, read, QString());
        QCOMPARE(firstDifference(read, missingFileRecord()), QString());
        // A given file always uses the section PROFILE, whatever the index.
        const QString path = folder.path() + "/elsewhere.prof";
        saveProfile(4, written, path);
        QVERIFY(keysOf(path).contains("PROFILE/dpi"));
        loadProfile(1, read, path);
        QCOMPARE(firstDifference(read, written), QString());
    }

    // The stage and the rate go into the file the name loads from; no file, no write.
    void stageOnlyWrite()
    {
        TestAppFolder folder;
        QVERIFY(!saveProfileDpi("Fresh", 3));
        QVERIFY(!saveProfileRate("Fresh", 2));
        QVERIFY(!QFile::exists(profileFilePath("Fresh")));
        writeCurrentProductName("QM700");
        const ProfileRecord added = sampleRecord(5);
        saveProfile(0, added, modelProfileFilePath("QM700", "Added"));
        QVERIFY(saveProfileDpi("Added", 4));
        QVERIFY(saveProfileRate("Added", 8));
        QVERIFY(!QFile::exists(profileFilePath("Added")));
        ProfileRecord readAdded;
        loadProfileFile(readAdded, "Added");
        QCOMPARE(int(readAdded.dpi), 4);
        QCOMPARE(int(readAdded.pollrate), 8);
        readAdded.dpi = added.dpi;
        readAdded.pollrate = added.pollrate;
        QCOMPARE(firstDifference(readAdded, added), QString());
        ProfileRecord r = sampleRecord(6);
        saveProfileFile(r, "Kept");
        saveProfileDpi("Kept", 5);
        ProfileRecord read;
        loadProfileFile(read, "Kept");
        r.dpi = 5;
        QCOMPARE(firstDifference(read, r), QString());
    }

    // Names that could leave the Profile folder write nothing and read as a missing file.
    void unsafeNamesTouchNothing()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Escaped.prof", "[PROFILE]\npollrate=8\n");
        const ProfileRecord r = sampleRecord(7);
        for (const char *bad : {"../Escaped", "../../x", "a/b", ""}) {
            saveProfileFile(r, QString::fromLatin1(bad));
            saveProfileDpi(QString::fromLatin1(bad), 2);
            ProfileRecord read = sampleRecord(8);
            loadProfileFile(read, QString::fromLatin1(bad));
            QCOMPARE(firstDifference(read, missingFileRecord()), QString());
        }
        QVERIFY(!QFile::exists(configIniPath()));
        QVERIFY(!QFile::exists(folder.path() + "/x.prof"));
        QCOMPARE(QDir(folder.configDir() + "/Profile").entryList(QDir::Files), QStringList());
        QCOMPARE(keysOf(folder.configDir() + "/Escaped.prof"), QStringList{"PROFILE/pollrate"});
    }

    // A profile created in the model's tree and loaded from the other one (and back).
    void missingFileIsReadFromTheOtherTree()
    {
        TestAppFolder folder;
        writeCurrentProductName("QM700");
        const ProfileRecord inModel = sampleRecord(9);
        saveProfile(0, inModel, modelProfileFilePath("QM700", "Made"));
        ProfileRecord read;
        loadProfileFile(read, "Made");
        QCOMPARE(firstDifference(read, inModel), QString());

        const ProfileRecord inMain = sampleRecord(10);
        saveProfileFile(inMain, "Main");
        loadProfile(0, read, modelProfileFilePath("QM700", "Main"));
        QCOMPARE(firstDifference(read, inMain), QString());

        // The tree being read wins when it has the file.
        saveProfileFile(inMain, "Made");
        loadProfileFile(read, "Made");
        QCOMPARE(firstDifference(read, inMain), QString());

        // Paths outside both trees have no fallback.
        loadProfile(0, read, folder.path() + "/Made.prof");
        QCOMPARE(firstDifference(read, missingFileRecord()), QString());
    }

    // Profile and configuration files are whole whatever their line ends, BOM or key
    // order, as long as their last line ends (cut ones are refused through the window),
    // also when an earlier read keeps them in memory ("settled": written long before).
    void wholeFilesEndWithALineBreak_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("settled");
        for (const char *how : {"crlf", "bom", "reordered"})
            QTest::newRow(how) << how << false;
        QTest::newRow("crlf, settled") << "crlf" << true;
        QTest::newRow("cut, settled") << "cut" << true;
    }
    void wholeFilesEndWithALineBreak()
    {
        QFETCH(QString, how);
        QFETCH(bool, settled);
        TestAppFolder folder;
        SettingsBlock block = sampleBlock(2);
        for (ProfileRecord &record : block.profiles)
            record.scrollspeed = 17;
        const QString prof = profileFilePath("p"), conf = folder.path() + "/c.conf";
        QVERIFY(saveProfile(0, block.profiles[1], prof) && exportProfiles(block, conf));
        QVERIFY(fileBytes(prof).endsWith("scrollspeed=17\n") && fileBytes(conf).endsWith("scrollspeed=17\n"));
        for (const QString &path : {prof, conf}) {
            const QByteArray text = fileBytes(path);
            folder.writeFile(QDir(folder.path()).relativeFilePath(path), how == "cut" ? text.chopped(2) : reshaped(text, how));
            QFile file(path);
            QVERIFY(!settled || (file.open(QIODevice::ReadWrite)
                                 && file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                                     QFileDevice::FileModificationTime)));
            if (settled)
                QCOMPARE(IniFile(path).number(path == prof ? "PROFILE/scrollspeed" : "PROFILE_4/scrollspeed"),
                         how == "cut" ? 0 : 17);
        }
        const bool whole = how != "cut";
        QCOMPARE(holdsProfile(prof), whole);
        QCOMPARE(holdsProfileSections(conf), whole);
        ProfileRecord expected = block.profiles[1], factory;
        resetProfileToDefaults(factory);
        if (!whole)
            expected.scrollspeed = factory.scrollspeed;
        ProfileRecord read;
        loadSlotProfile(read, "p");
        QCOMPARE(firstDifference(read, expected), QString());
        if (!whole)
            return;
        loadProfile(0, read, prof);
        QCOMPARE(firstDifference(read, block.profiles[1]), QString());
        SettingsBlock imported = block;
        importProfiles(imported, conf);
        QCOMPARE(firstDifference(imported.profiles[4], block.profiles[4]), QString());
    }

    void defaultProfileGoesIntoBothTrees()
    {
        TestAppFolder folder;
        folder.copySeedData();
        writeDefaultProfileFile();
        ProfileRecord expected;
        resetProfileToDefaults(expected);
        ProfileRecord read;
        loadProfile(0, read, folder.configDir() + "/Profile/DefaultProfile.prof");
        QCOMPARE(firstDifference(read, expected), QString());
        const QString model = folder.configDir() + "/QM700/Profile/DefaultProfile.prof";
        QVERIFY(QFile::exists(model));
        loadProfile(0, read, model);
        QCOMPARE(firstDifference(read, expected), QString());
    }

    void defaultProfileWithoutProductName()
    {
        TestAppFolder folder;
        writeDefaultProfileFile();
        QCOMPARE(QDir(folder.configDir()).entryList(QDir::AllDirs | QDir::NoDotAndDotDot),
                 (QStringList{"MacroDB", "Profile"}));
        ProfileRecord read;
        loadProfileFile(read, "DefaultProfile");
        QCOMPARE(read.LedMode, quint8(9));
        QCOMPARE(read.buttons[6].Fun, 5);
    }
};

MOUSECFG_TEST(TestProfileFiles)
#include "TestProfileFiles.moc"
