#include "storage/ConfigExport.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
// Exports with no file of this process let grow past the limit: a write beyond it
// fails as on a full disk, whoever runs the test.
bool exportWithin(qint64 bytes, const SettingsBlock &block, const QString &file)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit limit{rlim_t(bytes), old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const bool saved = exportConfiguration("QM700", block, file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    return saved;
}
}

class TestConfigExport : public QObject
{
    Q_OBJECT
private slots:
    void exportThenImportGivesTheBlockBack()
    {
        TestAppFolder folder;
        const QString file = folder.path() + "/saved.conf";
        writeMouseName("QM700", file);
        const SettingsBlock written = sampleBlock(2);
        exportProfiles(written, file);
        SettingsBlock read = sampleBlock(7);
        const SettingsBlock before = read;
        importProfiles(read, file);
        QCOMPARE(read.currentProfile, written.currentProfile);
        QCOMPARE(read.AngleValue, written.AngleValue);
        QCOMPARE(read.LiftHigh, written.LiftHigh);
        QCOMPARE(read.Count, written.Count);
        QCOMPARE(read.names, written.names);
        for (int i = 0; i < ProfileCount; ++i) {
            QCOMPARE(firstDifference(read.profiles[i], written.profiles[i], false), QString());
            QCOMPARE(read.profiles[i].LedMoveOFF, before.profiles[i].LedMoveOFF);
            QCOMPARE(read.profiles[i].LedSleepTime, before.profiles[i].LedSleepTime);
        }
        const QStringList keys = QSettings(file, QSettings::IniFormat).allKeys();
        QCOMPARE(keys.size(), 1 + 9 + 5 * 8451);
        QVERIFY(keys.contains("PROFILE_0/LedMode/LED_MODE_0_RGB"));
        QVERIFY(!keys.contains("PROFILE_0/LedMoveOFF"));
        QVERIFY(!keys.contains("PROFILE_0/LedSleepTime"));
        QCOMPARE(readMouseName(file), QStringLiteral("QM700"));
    }

    // An export over an older one that cannot be written whole, stopped anywhere from
    // the older file's size to one byte short of the new one, leaves the older file as
    // it was: never its name or some of its slots with the rest new.
    void interruptedExportKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("step");
        for (int step = 0; step <= 7; ++step)
            QTest::addRow("stopped at %d of 7", step) << step;
    }
    void interruptedExportKeepsTheOldFile()
    {
        QFETCH(int, step);
        TestAppFolder folder;
        const QString file = folder.path() + "/saved.conf", whole = folder.path() + "/whole.conf";
        folder.writeFile("saved.conf", "[Other]\nkeep=1\n");
        QVERIFY(exportConfiguration("Older", SettingsBlock(), file));
        const SettingsBlock block = sampleBlock(2);
        QVERIFY(QFile::copy(file, whole) && exportConfiguration("QM700", block, whole));
        const QByteArray old = fileBytes(file);
        const qint64 newSize = QFileInfo(whole).size();
        QVERIFY(newSize > old.size());
        const qint64 room = step == 7 ? newSize - 1 : old.size() + (newSize - old.size()) * step / 7;
        const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        QVERIFY(!exportWithin(room, block, file));
        QCOMPARE(fileBytes(file), old);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), entries);
        QVERIFY(exportConfiguration("QM700", block, file));
        QCOMPARE(fileBytes(file), fileBytes(whole));
        QCOMPARE(IniFile(file).number("Other/keep"), 1);
    }

    void missingSectionImportsAsZeros()
    {
        TestAppFolder folder;
        const QString file = folder.path() + "/saved.conf";
        exportProfiles(sampleBlock(3), file);
        {
            QSettings raw(file, QSettings::IniFormat);
            raw.remove("PROFILE_2");
            raw.remove("Config/Profile1");
        }
        SettingsBlock read = sampleBlock(4);
        importProfiles(read, file);
        ProfileRecord zeros;
        zeros.LedMoveOFF = read.profiles[2].LedMoveOFF;
        zeros.LedSleepTime = read.profiles[2].LedSleepTime;
        QCOMPARE(firstDifference(read.profiles[2], zeros), QString());
        QVERIFY(read.names[0].isEmpty());
        QCOMPARE(read.names[1], sampleBlock(3).names[1]);
    }

    void valuesKeepTheirLowBits()
    {
        TestAppFolder folder;
        folder.writeFile("hand.conf",
                         "[Config]\nProfileID=7\n[PROFILE_1]\npollrate=300\nLedMode=-1\ndpi=fast\n"
                         "DPI_INFO_0_x=4294967295\nLedMode\\LED_MODE_3_h=4294967295\n"
                         "LedMode\\LED_MODE_3_RGB=notacolour\nLedMode\\LED_MODE_4_RGB=#00ff00\n");
        SettingsBlock read;
        importProfiles(read, folder.path() + "/hand.conf");
        QCOMPARE(read.currentProfile, quint8(7));
        const ProfileRecord &r = read.profiles[1];
        QCOMPARE(r.pollrate, quint8(44));
        QCOMPARE(r.LedMode, quint8(255));
        QCOMPARE(r.dpi, quint8(0));
        QCOMPARE(r.stages[0].x, 0xFFFFFFFFu);
        QCOMPARE(r.ledModes[3].h, -1);
        QVERIFY(!r.ledModes[3].color.isValid());
        QCOMPARE(r.ledModes[4].color, QColor(0, 255, 0));
        // Out-of-range indexes stay as stored; their users fall back.
        QCOMPARE(&currentRecord(read), &read.profiles[0]);
        QCOMPARE(safeLedMode(r.LedMode), DefaultLedMode);
    }

    void exportKeepsOtherSections()
    {
        TestAppFolder folder;
        folder.writeFile("old.conf", "[Other]\nkeep=1\n[PROFILE_0]\nextra=5\npollrate=99\n");
        const QString file = folder.path() + "/old.conf";
        const SettingsBlock block = sampleBlock(5);
        exportProfiles(block, file);
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value("Other/keep").toInt(), 1);
        QCOMPARE(raw.value("PROFILE_0/extra").toInt(), 5);
        QCOMPARE(raw.value("PROFILE_0/pollrate").toInt(), int(block.profiles[0].pollrate));
    }

    void missingOrForeignFileImportsAsEmpty()
    {
        TestAppFolder folder;
        folder.writeFile("junk.conf", QByteArray("\x00\x01\xff garbage [[[ = ", 18));
        for (const QString &file : {folder.path() + "/none.conf", folder.path() + "/junk.conf"}) {
            SettingsBlock read = sampleBlock(6);
            importProfiles(read, file);
            QCOMPARE(read.currentProfile, quint8(0));
            QCOMPARE(read.LiftHigh, quint8(0));
            for (int i = 0; i < ProfileCount; ++i) {
                QVERIFY(read.names[i].isEmpty());
                QCOMPARE(read.profiles[i].buttons[0].Fun, 0);
                QVERIFY(!read.profiles[i].ledModes[0].color.isValid());
            }
        }
        QVERIFY(!QFile::exists(folder.path() + "/none.conf"));
    }

    // Stream data of any type but a colour could demand gigabytes when read: such a
    // value reads as missing, however it is escaped, the rest of the file reads
    // normally and the next write drops it.
    void foreignStreamDataReadsAsMissingAndHeals_data()
    {
        QTest::addColumn<QByteArray>("value");
        const QByteArray bomb = "Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)";
        QTest::newRow("plain") << "@" + bomb;
        QTest::newRow("hex at") << "\\x40" + bomb;
        QTest::newRow("wide hex at") << "\\x10040" + bomb;
        QTest::newRow("octal at") << "\\100" + bomb;
        QTest::newRow("quoted in parts") << "\"@Vari\"" + bomb.mid(4);
        QTest::newRow("after an empty quote") << "\"\"@" + bomb;
        QTest::newRow("dropped escape") << "\\q@" + bomb;
        QTest::newRow("list element") << "a, @" + bomb;
        QTest::newRow("continued line") << "\\\n@" + bomb;
        QTest::newRow("string list type") << QByteArray("@Variant(\\0\\0\\0\\v\\x7f\\xff\\xff\\xff)");
        QTest::newRow("date time") << QByteArray("@DateTime(\\0\\0\\0\\x10\\0)");
        QTest::newRow("short colour") << QByteArray("@Variant(\\0\\0\\0\\x43\\x1\\xff)");
    }
    void foreignStreamDataReadsAsMissingAndHeals()
    {
        QFETCH(QByteArray, value);
        TestAppFolder folder;
        const QByteArray content = "[Config]\nProfileID=3\nProfile1=Kept\n[PROFILE_0]\npollrate=8\nx=" + value
                                   + "\n[PROFILE_1]\npollrate=9\n";
        folder.writeFile("hostile.conf", content);
        const QString file = folder.path() + "/hostile.conf";
        SettingsBlock read = sampleBlock(1);
        importProfiles(read, file);
        QCOMPARE(read.currentProfile, quint8(3));
        QCOMPARE(read.names[0], QStringLiteral("Kept"));
        QCOMPARE(read.profiles[0].pollrate, quint8(8));
        QCOMPARE(read.profiles[1].pollrate, quint8(9));
        QVERIFY(!IniFile(file).value("PROFILE_0/x").isValid());
        QVERIFY(writeMouseName("QM700", file));
        QFile raw(file);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray healed = raw.readAll();
        QVERIFY2(!healed.contains("x="), healed.constData());
        // Qt's own reader may read the healed file.
        QSettings qt(file, QSettings::IniFormat);
        QCOMPARE(qt.value("Config/Profile1").toString(), QStringLiteral("Kept"));
        QCOMPARE(qt.value("PROFILE_1/pollrate").toInt(), 9);
    }

    // A file far larger than any settings file is not read into memory, nor written.
    void oversizedFileIsNeitherReadNorWritten()
    {
        TestAppFolder folder;
        folder.writeFile("huge.conf", "[Config]\nProfileID=3\nProfile1=Kept\n\n");
        const QString file = folder.path() + "/huge.conf";
        QVERIFY(QFile(file).resize(MaxIniFileSize + 1));
        SettingsBlock read = sampleBlock(1);
        importProfiles(read, file);
        QCOMPARE(read.currentProfile, quint8(0));
        QVERIFY(read.names[0].isEmpty());
        writeMouseName("QM700", file);
        QCOMPARE(QFileInfo(file).size(), MaxIniFileSize + 1);
        QVERIFY(readMouseName(file).isEmpty());
    }

    // Texts that merely look like stream data, and our own colours, still read.
    void streamLookalikesStillRead()
    {
        TestAppFolder folder;
        const QString file = folder.path() + "/names.conf";
        const ProfileRecord record = sampleRecord(3);
        exportProfileSection(0, record, file);
        for (const char *name : {"@Variant(x)", "a@Variant(\t\x7f)", "@@Variant(", "\"@Variant(\"",
                                 "a b@Variant(\\0)"}) {
            writeMouseName(QString::fromLatin1(name), file);
            QCOMPARE(readMouseName(file), QString::fromLatin1(name));
        }
        ProfileRecord read;
        importProfileSection(0, read, file);
        QCOMPARE(firstDifference(read, record, false), QString());
    }

    void oneSectionAtATime()
    {
        TestAppFolder folder;
        const QString file = folder.path() + "/one.conf";
        const ProfileRecord r = sampleRecord(8);
        exportProfileSection(3, r, file);
        QCOMPARE(QSettings(file, QSettings::IniFormat).childGroups(), QStringList{"PROFILE_3"});
        ProfileRecord read;
        importProfileSection(3, read, file);
        QCOMPARE(firstDifference(read, r, false), QString());
        QCOMPARE(read.LedMoveOFF, quint8(0));
    }
};

MOUSECFG_TEST(TestConfigExport)
#include "TestConfigExport.moc"
