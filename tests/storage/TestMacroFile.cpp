#include "storage/ConfigIni.h"
#include "storage/MacroFile.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QDir>
#include <QSettings>
#include <QTest>

namespace {
using Rows = QVector<MacroAction>;

QString rowText(const Rows &rows)
{
    QStringList parts;
    for (const MacroAction &r : rows)
        parts << QStringLiteral("%1,%2,%3").arg(r.type).arg(r.dataH).arg(r.dataL);
    return parts.join(QLatin1Char(' '));
}
}

class TestMacroFile : public QObject
{
    Q_OBJECT
private slots:
    void writtenFileReadsBack()
    {
        TestAppFolder folder;
        MacroFile macro;
        macro.defaultDelay = 1230;
        macro.delayType = DelayDefault;
        macro.loopType = 3;
        macro.loopTime = 255;
        macro.rows = {{MacroKeyPress, 0, 4}, {MacroDelay, 1, 44}, {MacroKeyRelease, 0, 4},
                      {MacroMove, 251, 0}, {MacroButtonPress, 0, 16}, {MacroButtonRelease, 0, 16}};
        QVERIFY(writeMacroFile("Rapid 1", macro, WriteSign::Mark));
        MacroFile read = readMacroFile("Rapid 1");
        QCOMPARE(rowText(read.rows), rowText(macro.rows));
        QCOMPARE(read.defaultDelay, 1230);
        QCOMPARE(read.delayType, DelayDefault);
        QCOMPARE(read.loopType, 3);
        QCOMPARE(read.loopTime, 255);
        QVERIFY(read.writeSign);
        QSettings raw(macroFilePath("Rapid 1"), QSettings::IniFormat);
        QCOMPARE(raw.value("Setting/MacroFilePath").toString(), macroFilePath("Rapid 1"));
        QCOMPARE(raw.value("Setting/Map_0").toString(), QString("132"));

        // A shorter save leaves the old rows behind Count; the recoil save leaves the mark.
        raw.setValue("Setting/WriteSign", 0);
        raw.sync();
        macro.rows.resize(2);
        QVERIFY(writeMacroFile("Rapid 1", macro, WriteSign::Leave));
        read = readMacroFile("Rapid 1");
        QCOMPARE(read.rows.size(), 2);
        QVERIFY(!read.writeSign);
        raw.sync();
        QCOMPARE(raw.value("Setting/Map_5").toInt(), int(MacroButtonRelease));
    }

    void damagedFilesReadSafely_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("loopType");
        QTest::addColumn<bool>("damaged");

        QByteArray many = "Count=1000\n";
        for (int i = 0; i < 70; ++i)
            many += QByteArray("Map_") + QByteArray::number(i) + "=132\nDataL_" + QByteArray::number(i) + "=4\n";
        QTest::newRow("Count 1000 reads 63 rows")
            << many << QVector<QString>(63, "132,0,4").toList().join(' ') << 0 << 0 << false;
        QTest::newRow("Count 10^9 reads what is there")
            << QByteArray("Count=1000000000\nMap_0=6\nDataL_0=5\n") << QString("6,0,5") << 0 << 0 << false;
        QTest::newRow("negative Count reads nothing")
            << QByteArray("Count=-5\nMap_0=132\n") << QString() << 0 << 0 << true;
        QTest::newRow("junk rows close up")
            << QByteArray("Count=6\nMap_0=132\nDataH_0=0\nDataL_0=4\nMap_1=99\nMap_2=129\nDataH_2=0\nDataL_2=3\n"
                          "Map_3=abc\nMap_4=1\nDataH_4=0\nDataL_4=16\nMap_5=4\nDataH_5=0\nDataL_5=4\n")
            << QString("132,0,4 1,0,16 4,0,4") << 0 << 0 << true;
        QTest::newRow("cut inside the last row: the whole rows")
            << QByteArray("Count=3\nMap_0=132\nDataH_0=0\nDataL_0=8\nMap_1=4\nDataL_1=8\nMap_2=4\nDataH_2=0\nDataL_2=")
            << QString("132,0,8") << 0 << 0 << true;
        QTest::newRow("delay rows kept under DelayType 0, rows as the editor holds them")
            << QByteArray("DelayType=0\nCount=3\nMap_0=6\nDataH_0=1\nDataL_0=44\nMap_1=4\nDataH_1=7\nDataL_1=4\n"
                          "Map_2=2\nDataH_2=5\nDataL_2=9\n")
            << QString("6,1,44 4,0,4 2,0,0") << 0 << 0 << false;
        QTest::newRow("bit 7 read by the kind below it")
            << QByteArray("Count=6\nMap_0=130\nDataL_0=251\nMap_1=134\nDataH_1=1\nDataL_1=2\nMap_2=133\n"
                          "Map_3=129\nDataH_3=9\nDataL_3=2\nMap_4=130\nDataH_4=3\nDataL_4=3\nMap_5=135\n")
            << QString("2,0,251 6,1,2 129,0,2 2,0,0") << 0 << 0 << false;
        QTest::newRow("values keep their low byte, options out of range read 0")
            << QByteArray("DelayType=3\nLoopType=-1\nCount=2\nMap_0=388\nDataL_0=-252\nMap_1=262\nDataH_1=256\n")
            << QString("132,0,4 6,0,0") << 0 << 0 << false;
        QTest::newRow("options in range")
            << QByteArray("DelayType=1\nLoopType=2\n") << QString() << 1 << 2 << true;
    }

    void damagedFilesReadSafely()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, rows);
        QFETCH(int, delayType);
        QFETCH(int, loopType);
        QFETCH(bool, damaged);
        TestAppFolder folder;
        folder.writeFile("Configs/MacroDB/m.MSMACRO", "[Setting]\n" + body);
        const MacroFile read = readMacroFile("m");
        QCOMPARE(rowText(read.rows), rows);
        QCOMPARE(read.delayType, delayType);
        QCOMPARE(read.loopType, loopType);
        QCOMPARE(read.damaged, damaged);
    }

    void failedWritesAreReported()
    {
        TestAppFolder folder;
        MacroFile tooLong;
        tooLong.rows.resize(MaxMacroRows + 1);
        QVERIFY(!writeMacroFile("long", tooLong, WriteSign::Mark));
        QVERIFY(!QFile::exists(macroFilePath("long")));
        // A file where the macro folder should be: nothing can be written below it.
        QVERIFY(QDir(folder.configDir()).rmdir("MacroDB"));
        folder.writeFile("Configs/MacroDB", "not a folder");
        QVERIFY(!writeMacroFile("m", MacroFile(), WriteSign::Mark));
        QVERIFY(!takeMacroWriteSign("m"));
    }

    void hostileNamesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << QString();
        QTest::newRow("parent") << QString("../Config");
        QTest::newRow("slash") << QString("a/b");
        QTest::newRow("backslash") << QString("a\\b");
        QTest::newRow("NUL") << QString("a") + QChar(0) + "b";
        QTest::newRow("newline") << QString("a\nb");
        QTest::newRow("escape") << QString("a\x1b[2J");
        QTest::newRow("DEL") << QString("a\x7f");
        QTest::newRow("C1 control") << QString("a") + QChar(0x85);
    }

    void hostileNamesAreRefused()
    {
        QFETCH(QString, name);
        TestAppFolder folder;
        QVERIFY(!isValidMacroName(name));
        QVERIFY(macroFilePath(name).isEmpty());
        QVERIFY(!writeMacroFile(name, MacroFile(), WriteSign::Mark));
        QCOMPARE(addToMacroList(name), -1);
        QCOMPARE(countMacros(), 0);
        QVERIFY(isValidMacroName("Rapid fire 2.0 (\u6771)"));
    }

    void macroListSlots()
    {
        TestAppFolder folder;
        QCOMPARE(firstFreeMacroSlot(), 0);
        QCOMPARE(removeFromMacroList("none"), -1);
        {
            QSettings ini(configIniPath(), QSettings::IniFormat);
            for (int i = 0; i < MacroListSize; ++i)
                ini.setValue(QString("MACRO_LIST/%1").arg(i), QString("m%1").arg(i));
            ini.setValue("MACRO_LIST/3", "");
            ini.setValue("MACRO_LIST/7", "m1");
        }
        QCOMPARE(countMacros(), 49);
        QCOMPARE(firstFreeMacroSlot(), 3);
        QCOMPARE(findMacroSlot("m1"), 1);
        QCOMPARE(removeFromMacroList("m1"), 1);
        QCOMPARE(findMacroSlot("m1"), 7);
        QCOMPARE(addToMacroList("new"), 1);
        QCOMPARE(addToMacroList("next"), 3);
        QCOMPARE(addToMacroList("full"), -1);
        const QStringList names = listedMacroNames();
        QCOMPARE(names.size(), MacroListSize);
        QCOMPARE(names.mid(0, 5), QStringList({"m0", "new", "m2", "next", "m4"}));
        QCOMPARE(readMacroList().size(), MacroListSize);
    }
};

MOUSECFG_TEST(TestMacroFile)
#include "TestMacroFile.moc"
