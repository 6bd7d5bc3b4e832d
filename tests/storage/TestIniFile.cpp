#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"
#include "storage/StartupLoad.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>

#include <chrono>
#include <cstdlib>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {
SettingsBlock savedAndReloaded(const SettingsBlock &block)
{
    SettingsBlock loaded;
    if (saveAllSettings(block))
        loadAllSettings(loaded);
    return loaded;
}
}

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    // Names that hold stream-data lookalikes once made every later save go nowhere.
    void namesLikeStreamDataSurviveSaveRestartAndSaveAgain()
    {
        TestAppFolder folder;
        folder.copySeedData();
        SettingsBlock block = sampleBlock(2);
        block.names[0] = "My, @Variant(1)";
        block.names[1] = "a=@Variant(x)";
        for (int round = 0; round < 2; ++round) {
            const SettingsBlock loaded = savedAndReloaded(block);
            QCOMPARE(loaded.names, block.names);
            for (int i = 0; i < ProfileCount; ++i)
                QCOMPARE(firstDifference(loaded.profiles[i], block.profiles[i]), QString());
            QCOMPARE(readCurrentProductName(), QStringLiteral("QM700"));
            block.profiles[0].pollrate = quint8(block.profiles[0].pollrate + 1);
        }
        QCOMPARE(QSettings(configIniPath(), QSettings::IniFormat).value("Config/Profile1").toString(),
                 block.names[0]);
    }

    void foreignValueInConfigIniReadsAsMissingAndHeals()
    {
        TestAppFolder folder;
        folder.copySeedData();
        QFile ini(configIniPath());
        QVERIFY(ini.open(QIODevice::Append));
        ini.write("\n[Foreign]\nbomb=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\nkept=1\n");
        ini.close();
        SettingsBlock block;
        loadAllSettings(block);
        QCOMPARE(block.names[4], QStringLiteral("Profile 5"));
        QCOMPARE(readMouseSensor(), 3389);
        QVERIFY(!IniFile(configIniPath()).value("Foreign/bomb").isValid());
        QVERIFY(saveAllSettings(block));
        const QByteArray healed = fileBytes(configIniPath());
        QVERIFY(!healed.contains("bomb"));
        QVERIFY(healed.contains("kept=1"));
    }

    // A spec byte outside Qt's range would build a QColor the sanitizers stop at.
    void colourWithAnUnknownSpecReadsInvalid_data()
    {
        QTest::addColumn<QByteArray>("spec");
        QTest::addColumn<bool>("valid");
        QTest::newRow("89") << QByteArray("Y") << false;
        QTest::newRow("-1") << QByteArray("\\xff") << false;
        QTest::newRow("6") << QByteArray("\\x6") << false;
        QTest::newRow("invalid") << QByteArray("\\0") << false;
        QTest::newRow("rgb") << QByteArray("\\x1") << true;
        QTest::newRow("hsv") << QByteArray("\\x2") << true;
        QTest::newRow("extended") << QByteArray("\\x5") << true;
    }
    void colourWithAnUnknownSpecReadsInvalid()
    {
        QFETCH(QByteArray, spec);
        QFETCH(bool, valid);
        TestAppFolder folder;
        folder.writeFile("Configs/Profile/P.prof", "[PROFILE]\nLedMode\\LED_MODE_0_RGB=@Variant(\\0\\0\\0\\x43" + spec
                                                       + "\\x3c\\0\\x10\\0\\x20\\0\\x30\\0\\0\\0)\npollrate=8\n");
        ProfileRecord r;
        loadProfileFile(r, "P");
        QCOMPARE(r.ledModes[0].color.isValid(), valid);
        QCOMPARE(r.pollrate, quint8(8));
    }

    // A FIFO would block the reader in open() for ever; it reads as missing and is
    // never written through.
    void fifoReadsAsMissingAndIsNotWritten()
    {
        TestAppFolder folder;
        folder.copySeedData();
        const QString fifo = profileFilePath("Profile 1");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        auto load = std::async(std::launch::async, [] {
            SettingsBlock block;
            loadAllSettings(block);
            return block.profiles[0];
        });
        if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            qCritical("loading hangs on a FIFO");
            std::_Exit(1);
        }
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        QCOMPARE(firstDifference(load.get(), factory), QString());
        SettingsBlock block = sampleBlock(1);
        block.names[0] = "Profile 1";
        QVERIFY(!saveAllSettings(block));
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QVERIFY(saveProfileFile(block.profiles[1], "Profile 2"));
    }

    // Writes report failure: a file that cannot be written, a folder in its place,
    // a folder that cannot be made.
    void failedWritesAreReported_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::newRow("read-only file") << "read-only";
        QTest::newRow("folder in its place") << "folder";
        QTest::newRow("file in place of its folder") << "file";
    }
    void failedWritesAreReported()
    {
        QFETCH(QString, obstacle);
        TestAppFolder folder;
        folder.copySeedData();
        QString target = configIniPath();
        if (obstacle == "read-only") {
            QFile(target).setPermissions(QFile::ReadOwner);
            if (access(QFile::encodeName(target).constData(), W_OK) == 0)
                QSKIP("this user may write read-only files");
        } else if (obstacle == "folder") {
            QFile::remove(target);
            QVERIFY(QDir().mkpath(target));
        } else {
            QVERIFY(QDir(folder.configDir()).removeRecursively());
            folder.writeFile("Configs", "not a folder");
        }
        const QByteArray before = fileBytes(target);
        QVERIFY(!saveAllSettings(sampleBlock(1)));
        QVERIFY(!writeBattery(80));
        IniFile ini(target);
        ini.setValue("Config/Battery", 80);
        QVERIFY(!ini.commit());
        QCOMPARE(fileBytes(target), before);
        QVERIFY(writeMouseName("QM700", folder.path() + "/elsewhere.conf"));
    }

    // Keys another object wrote meanwhile are kept, and an unchanged object writes nothing.
    void commitKeepsKeysWrittenMeanwhile()
    {
        TestAppFolder folder;
        const QString path = folder.path() + "/shared.ini";
        IniFile first(path);
        first.setValue("A/one", 1);
        QVERIFY(writeMouseName("QM700", path));
        QVERIFY(first.commit());
        QCOMPARE(readMouseName(path), QStringLiteral("QM700"));
        QCOMPARE(IniFile(path).number("A/one"), 1);
        const QByteArray bytes = fileBytes(path);
        QVERIFY(IniFile(path).commit());
        QCOMPARE(fileBytes(path), bytes);
        QVERIFY(!QFile::exists(path + ".lock"));
    }

    // A commit whose text the file already holds, kept keys included, leaves it as it
    // is; any other file is written whole in the writer's form.
    void commitLeavesAFileThatHoldsItsText_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<bool>("written");
        QTest::newRow("the same text") << QByteArray("[A]\none=1\ntwo=x\n") << false;
        QTest::newRow("a key of another writer") << QByteArray("[A]\none=1\ntwo=x\n\n[B]\nk=v\n") << false;
        QTest::newRow("a value differs") << QByteArray("[A]\none=2\ntwo=x\n") << true;
        QTest::newRow("last line cut") << QByteArray("[A]\none=1\ntwo=x") << true;
        QTest::newRow("spaced by hand") << QByteArray("[A]\none = 1\ntwo=x\n") << true;
        QTest::newRow("no file") << QByteArray() << true;
    }
    void commitLeavesAFileThatHoldsItsText()
    {
        QFETCH(QByteArray, before);
        QFETCH(bool, written);
        TestAppFolder folder;
        const QString path = folder.path() + "/held.ini";
        const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
        if (!before.isEmpty()) {
            folder.writeFile("held.ini", before);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        IniFile ini(path);
        ini.setValue("A/one", 1);
        ini.setValue("A/two", "x");
        QVERIFY(ini.commit());
        QCOMPARE(fileBytes(path), ini.committedText());
        if (!written)
            QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFileInfo(path).lastModified() > old.addSecs(60), written);
        QVERIFY(!QFile::exists(path + ".lock"));
    }

    // A large damaged file must not be read afresh each time a label paints; a change,
    // even in place and of the same size, is seen at once.
    void settledFileIsReadOnceAndChangesAreSeen()
    {
        TestAppFolder folder;
        const QString path = folder.configDir() + "/Config.ini";
        QByteArray junk = "[Config]\nBattery=40\n[Junk]\n";
        while (junk.size() < 8 * 1024 * 1024)
            junk += "k" + QByteArray::number(junk.size()) + "=" + QByteArray(60, 'x') + "\n";
        folder.writeFile("Configs/Config.ini", junk);
        const auto settle = [&path] {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        };
        settle();
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 300; ++i)
            QCOMPARE(readBattery(), 40);
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(junk.indexOf("40")) && file.write("55") == 2);
        }
        QCOMPARE(readBattery(), 55);
        settle();
        QCOMPARE(readBattery(), 55);
        QVERIFY(writeBattery(60));
        QCOMPARE(readBattery(), 60);
    }
};

MOUSECFG_TEST(TestIniFile)
#include "TestIniFile.moc"
