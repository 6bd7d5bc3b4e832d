#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/MacroFile.h"
#include "storage/ModelDescriptor.h"
#include "storage/MouseMacroSlots.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <functional>

namespace {
// "A B" binds macros A and B to the first buttons of the table, in that order.
void bindMacros(ProfileRecord &record, const QString &names)
{
    const std::vector<int> buttons = tableButtonSlots();
    const QStringList list = names.split(' ', Qt::SkipEmptyParts);
    for (int i = 0; i < list.size(); ++i) {
        ButtonSlot &b = record.buttons[size_t(buttons[size_t(i)])];
        b.Fun = FunMacro;
        b.macroname = list[i];
    }
}

// Slot names as "A - B", "-" for a free slot, trailing free slots left out.
QString slotText(const MouseMacroSlots &slots_)
{
    QStringList out;
    for (const QString &n : slots_)
        out << (n.isEmpty() ? QStringLiteral("-") : n);
    while (!out.isEmpty() && out.last() == "-")
        out.removeLast();
    return out.join(' ');
}
}

class TestConfigIni : public QObject
{
    Q_OBJECT
private slots:
    void pathsLieInTheConfigurationDirectory()
    {
        TestAppFolder folder;
        QCOMPARE(configDirPath(), folder.path() + "/Configs");
        QCOMPARE(configIniPath(), folder.path() + "/Configs/Config.ini");
        QCOMPARE(langConfigIniPath(), folder.path() + "/Configs/LangConfig.ini");
        QCOMPARE(macroFilePath("Rapid 1"), folder.path() + "/Configs/MacroDB/Rapid 1.MSMACRO");
    }

    void unsafeMacroNamesGiveNoPath()
    {
        TestAppFolder folder;
        for (const char *name : {"", "../Config", "a/b", "a\\b", ".."})
            QVERIFY2(macroFilePath(QString::fromLatin1(name)).isEmpty(), name);
    }

    void missingFileGivesEveryDefault()
    {
        TestAppFolder folder;
        QCOMPARE(readConfigDiff(), 0);
        QCOMPARE(readLangId(), 0);
        QCOMPARE(readCurrentProductName(), QString());
        QCOMPARE(countMacros(), 0);
        QCOMPARE(readMouseSensor(), 0);
        QCOMPARE(readMouseLedMode(), 0);
        QCOMPARE(readBattery(), 0);
        QCOMPARE(readBatteryFull(), 4200);
        QCOMPARE(readConfigModel(), QString());
        QCOMPARE(readFontFamily(0), QString());
        QCOMPARE(readFontSize(0), 0);
        QCOMPARE(readMouseName(folder.path() + "/none.conf"), QString());
        LanguageList list;
        list.count = 9;
        list.names[3] = "stale";
        readFontList(list);
        QCOMPARE(list.count, 0);
        QVERIFY(list.names[3].isEmpty());
    }

    // The shipped Config.ini, Chinese language names included.
    void seedFileReadsRight()
    {
        TestAppFolder folder;
        folder.copySeedData();
        QCOMPARE(readCurrentProductName(), QStringLiteral("QM700"));
        QCOMPARE(readConfigModel(), QStringLiteral("QM700"));
        QCOMPARE(readMouseSensor(), 3389);
        QCOMPARE(readMouseLedMode(), 1);
        QCOMPARE(readBatteryFull(), 4200);
        QCOMPARE(readConfigDiff(), 1);
        QCOMPARE(readLangId(), 0);
        QCOMPARE(countMacros(), 0);
        LanguageList list;
        readFontList(list);
        QCOMPARE(list.count, 3);
        QCOMPARE(list.names[0], QStringLiteral("English"));
        QCOMPARE(list.names[1], QString::fromUtf8("繁體中文"));
        QCOMPARE(list.names[2], QString::fromUtf8("简体中文"));
        QCOMPARE(list.files[0], QStringLiteral("en"));
        QCOMPARE(list.files[1], QStringLiteral("tc"));
        QCOMPARE(list.files[2], QStringLiteral("sc"));
        QVERIFY(list.names[3].isEmpty());
        QCOMPARE(readFontFamily(0), QStringLiteral("DejaVu Sans"));
        QCOMPARE(readFontFamily(2), QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(readFontSize(1), 12);
        // Any Qt program reads the language names too: the file is written as Qt writes it.
        const QSettings plain(configIniPath(), QSettings::IniFormat);
        QCOMPARE(plain.value("Mouse_List/0").toString(), QStringLiteral("QM700"));
        QCOMPARE(plain.value("FONT_LIST/LangName_1").toString(), QString::fromUtf8("繁體中文"));
        QCOMPARE(plain.value("FONT_LIST/LangName_2").toString(), QString::fromUtf8("简体中文"));
        // A write keeps the other texts readable.
        writeBattery(80);
        readFontList(list);
        QCOMPARE(list.names[1], QString::fromUtf8("繁體中文"));
        QCOMPARE(readBattery(), 80);
    }

    // Files that Qt wrote with its own escapes still read back.
    void escapedTextStillReads()
    {
        TestAppFolder folder;
        {
            QSettings plain(configIniPath(), QSettings::IniFormat);
            plain.setValue("FONT_LIST/LangName_1", QString::fromUtf8("繁體中文"));
        }
        LanguageList list;
        readFontList(list);
        QCOMPARE(list.names[1], QString::fromUtf8("繁體中文"));
    }

    void writersAndReadersMeet()
    {
        TestAppFolder folder;
        writeConfigDiff(1);
        QCOMPARE(readConfigDiff(), 1);
        writeConfigDiff(0);
        QCOMPARE(readConfigDiff(), 0);
        writeLangId(2);
        QCOMPARE(readLangId(), 2);
        writeCurrentProductName("QM700");
        QCOMPARE(readCurrentProductName(), QStringLiteral("QM700"));
        saveCurrentProfileId(3);
        QCOMPARE(QSettings(configIniPath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 3);
        const QString stamp = folder.path() + "/export.conf";
        writeMouseName("QM700", stamp);
        QCOMPARE(readMouseName(stamp), QStringLiteral("QM700"));
        QCOMPARE(QSettings(stamp, QSettings::IniFormat).allKeys(), QStringList{"MouseName/Name"});
    }

    void ledModeKeyFollowsTheProductName()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini", "[MouseLEDMode]\nQM700=4\n");
        QCOMPARE(readMouseLedMode(), 0);
        writeCurrentProductName("QM700");
        QCOMPARE(readMouseLedMode(), 4);
    }

    void countMacrosCountsNonEmptyEntriesBelowFifty()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini",
                         "[MACRO_LIST]\n0=a\n1=\n2=\"  \"\n49=last\n50=over\n");
        QCOMPARE(countMacros(), 3);
    }

    // A last line without its break was cut: its key reads as missing (a product name
    // as the model's), before and after a write, which leaves a whole file without it.
    // Slots are kept for macros another profile uses (now or as last written), the
    // profile's other macros take the lowest free ones in table order, and more than
    // twenty give no plan; the slots survive in Config.ini and follow a rename.
    void macroSlotsPlan_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("working"); // profile 0..4
        QTest::addColumn<QString>("written1");    // profile 1 as last written
        QTest::addColumn<QString>("plan");        // profile 0 written; "none" refused
        QTest::newRow("alone, from 0") << "X Y" << QStringList{"B A"} << "" << "B A";
        QTest::newRow("shared slot kept") << "- - A" << QStringList{"B A", "A"} << "" << "B - A";
        QTest::newRow("other profile's kept") << "C" << QStringList{"A", "", "C"} << "" << "C A";
        QTest::newRow("last written keeps it") << "C" << QStringList{"A"} << "C" << "C A";
        QTest::newRow("unused freed") << "C D" << QStringList{"A", "", "D"} << "" << "A D";
        QTest::newRow("one macro twice") << "A A" << QStringList{"A A", "A"} << "" << "A";
        QTest::newRow("twenty-one") << "H I J K L M N O P Q R S T U"
                                    << QStringList{"A B C D E F G", "H I J K L M N", "O P Q R S T U"} << ""
                                    << "none";
        QTest::newRow("twenty") << "H I J K L M N O P Q R S T"
                                << QStringList{"A B C D E F G", "H I J K L M N", "O P Q R S T"} << ""
                                << "H I J K L M N O P Q R S T A B C D E F G";
    }
    void macroSlotsPlan()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, working);
        QFETCH(QString, written1);
        QFETCH(QString, plan);
        TestAppFolder folder;
        folder.copySeedData();
        SettingsBlock w;
        for (int i = 0; i < working.size(); ++i)
            bindMacros(w.profiles[size_t(i)], working[i]);
        SettingsBlock l = w;
        bindMacros(l.profiles[1], written1);
        MouseMacroSlots old;
        const QStringList names = stored.split(' ', Qt::SkipEmptyParts);
        for (int k = 0; k < names.size(); ++k)
            old[size_t(k)] = names[k] == "-" ? QString() : names[k];
        const auto planned = planMouseMacroSlots(old, w, l, 0);
        QCOMPARE(planned ? slotText(*planned) : QStringLiteral("none"), plan);
        if (!planned)
            return;
        QVERIFY(writeMouseMacroSlots(*planned));
        QCOMPARE(readMouseMacroSlots(), *planned);
        QVERIFY(renameMouseMacroSlot("A", "A2"));
        QCOMPARE(slotText(readMouseMacroSlots()), slotText(*planned).replace(QRegularExpression("\\bA\\b"), "A2"));
    }

    void cutLastLineReadsAsMissing_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("read");
        QTest::newRow("Mouse_List") << "Configs/Config.ini" << QByteArray("[Mouse_List]\n0=QM70") << "QM700";
        QTest::newRow("product") << "Configs/Config.ini" << QByteArray("[Config]\nCurrentProductName=QM70") << "QM700";
        QTest::newRow("battery") << "Configs/Config.ini" << QByteArray("[Config]\nBatteryFull=420") << "4200";
        QTest::newRow("language") << "Configs/LangConfig.ini" << QByteArray("[Config]\nLangID=1") << "0";
        QTest::newRow("model") << "DefaultProfile.bin" << QByteArray("[PROFILE]\nProductName=QM7") << "";
        QTest::newRow("stamp") << "x.conf" << QByteArray("[MouseName]\nName=QM70") << "";
    }
    void cutLastLineReadsAsMissing()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, text);
        QFETCH(QString, read);
        TestAppFolder folder;
        folder.writeFile("DefaultProfile.bin", "[PROFILE]\nProductName=QM700\n");
        folder.writeFile(file, text);
        const QString path = folder.path() + '/' + file;
        const QMap<QString, std::function<QString()>> readers{
            {"Mouse_List", readMouseListName}, {"product", readCurrentProductName}, {"model", modelProductName},
            {"battery", [] { return QString::number(readBatteryFull()); }},
            {"language", [] { return QString::number(readLangId()); }},
            {"stamp", [path] { return readMouseName(path); }}};
        for (int write = 0; write < 2; ++write) {
            QCOMPARE(readers[QTest::currentDataTag()](), read);
            IniFile ini(path);
            ini.setValue("Other/more", 2);
            QVERIFY(ini.commit());
        }
        QCOMPARE(fileBytes(path), QByteArray("[Other]\nmore=2\n"));
    }

    void batteryFullFallsBackWhenUnusable_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("expected");
        QTest::newRow("set") << QByteArray("3900") << 3900;
        QTest::newRow("text") << QByteArray("full") << 4200;
        QTest::newRow("zero") << QByteArray("0") << 4200;
        QTest::newRow("negative") << QByteArray("-5") << 4200;
        QTest::newRow("empty") << QByteArray("") << 4200;
    }
    void batteryFullFallsBackWhenUnusable()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, expected);
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini", "[Config]\nBatteryFull=" + stored + "\n");
        QCOMPARE(readBatteryFull(), expected);
    }

    void numbersKeepTheirLowBitsAndGarbageIsZero()
    {
        TestAppFolder folder;
        folder.writeFile("Configs/Config.ini",
                         "[Config]\nDiff=x1\nBattery=-7\n[MouseSenSor]\n1=33952\n"
                         "[FONT_LIST]\nLANGNUM=25\nFONT_SIZE_0=-3\nFONT_SIZE_1=big\nFONT_SIZE_2=4294967295\n"
                         "LangName_9=Last\nLangFile_9=last\nLangName_4=Deutsch, Schweiz\n");
        QCOMPARE(readConfigDiff(), 0);
        QCOMPARE(readBattery(), -7);
        QCOMPARE(readMouseSensor(), 33952);
        QCOMPARE(readFontSize(0), 0);
        QCOMPARE(readFontSize(1), 0);
        QCOMPARE(readFontSize(2), 0);
        LanguageList list;
        readFontList(list);
        QCOMPARE(list.count, 25);
        QCOMPARE(usableLanguageCount(list), 10);
        QCOMPARE(list.names[9], QStringLiteral("Last"));
        // A hand-written text with a comma is not split.
        QCOMPARE(list.names[4], QStringLiteral("Deutsch, Schweiz"));
        list.count = -2;
        QCOMPARE(usableLanguageCount(list), 0);
    }
};

MOUSECFG_TEST(TestConfigIni)
#include "TestConfigIni.moc"
