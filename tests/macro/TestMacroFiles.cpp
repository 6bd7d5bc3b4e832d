#include "device/ButtonTable.h"
#include "device/MacroUpload.h"
#include "macro/MacroDialog.h"
#include "storage/AppFolder.h"
#include "storage/FunctionCodes.h"
#include "tests/common/TestMain.h"
#include "tests/device/DeviceFixture.h"
#include "tests/macro/MacroFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>

class TestMacroFiles : public QObject
{
    Q_OBJECT
private slots:
    // NEW lists an empty macro under the first name that no file and no slot holds.
    void newMacro_data()
    {
        QTest::addColumn<QStringList>("listed");
        QTest::addColumn<QStringList>("unlisted");
        QTest::addColumn<QString>("created");
        QTest::addColumn<QString>("message");
        QStringList fortyNine;
        for (int i = 0; i < MacroListSize - 1; ++i)
            fortyNine << QStringLiteral("m%1").arg(i);
        QTest::newRow("first macro") << QStringList() << QStringList() << "name_1" << "";
        QTest::newRow("files hold the names") << QStringList{"m"} << QStringList{"name_1", "name_2"} << "name_3" << "";
        QTest::newRow("a slot holds the name") << QStringList{"name_1"} << QStringList() << "name_2" << "";
        QTest::newRow("49 listed") << fortyNine << QStringList() << "name_1" << "";
        QTest::newRow("50 listed") << (fortyNine << "last") << QStringList() << ""
                                   << "TOO MANY MACROS TO BE CREATE!";
        QTest::newRow("folder cannot be written") << QStringList{"m"} << QStringList{"<no folder>"} << ""
                                                  << "The macro could not be saved.";
    }
    void newMacro()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, unlisted);
        QFETCH(QString, created);
        QFETCH(QString, message);
        MacroFixture fx(listed);
        QFile::remove(macroFilePath("name_1"));
        const QString macroDb = fx.folder.configDir() + "/MacroDB";
        for (const QString &name : unlisted) {
            if (name == "<no folder>") {
                QDir(macroDb).removeRecursively();
                fx.folder.writeFile("Configs/MacroDB", "not a folder");
            } else {
                MacroFixture::writeMacro(name, "132/0/4");
            }
        }
        auto page = shownPage();
        const QStringList before = readMacroList();
        const int files = QDir(macroDb).entryList(QDir::Files).size();
        if (message.isEmpty())
            click(page->button(MacroDialog::NewButton));
        else
            QVERIFY(answerMessage([&] { click(page->button(MacroDialog::NewButton)); }, message));

        if (created.isEmpty()) {
            QCOMPARE(readMacroList(), before);
            QCOMPARE(page->macroList()->count(), listed.size());
            QCOMPARE(QDir(macroDb).entryList(QDir::Files).size(), files);
            return;
        }
        QCOMPARE(page->macroList()->count(), listed.size() + 1);
        QCOMPARE(page->currentMacroName(), created);
        QCOMPARE(page->macroList()->currentRow(), listed.size());
        QCOMPARE(page->nameEdit()->text(), created);
        QCOMPARE(listedMacroNames().last(), created);
        QCOMPARE(page->actionModel()->rowCount(), 0);
        QVERIFY(!page->recordDelayBox()->isChecked() && !page->defaultDelayBox()->isChecked());
        const MacroFile file = readMacroFile(created);
        QCOMPARE(file.defaultDelay, 10);
        QCOMPARE(file.delayType, DelayNone);
        QCOMPARE(file.loopType, 0);
        QCOMPARE(file.loopTime, 1);
        QVERIFY(file.rows.isEmpty() && file.writeSign);
    }

    // A macro recorded on the page reaches the mouse's slot as the upload packs it.
    void recordedMacroPacksIntoTheMouseSlot()
    {
        DeviceFixture fx;
        fx.folder.writeFile("Configs/MacroDB/m.MSMACRO", "[Setting]\nCount=0\n");
        {
            IniFile ini(configIniPath());
            ini.setValue("MACRO_LIST/0", "m");
            ini.setValue("FONT_LIST/FONT_0", "DejaVu Sans");
            QVERIFY(ini.commit());
        }
        MacroFixture::s_now = 5000;
        setClockFunctionForTests(&MacroFixture::clock);
        auto page = shownPage();
        click(page->recordDelayBox());
        click(page->button(MacroDialog::StartButton));
        play(page.get(), "30+ @250 30- @1234 48+ @30 48-");
        click(page->button(MacroDialog::StopButton));
        setClockFunctionForTests(nullptr);
        QVERIFY(takeMacroWriteSign("m"));

        ButtonSlot &button = deviceSettings.profiles[0].buttons[1];
        button.Fun = FunMacro;
        button.macroname = "m";
        QCOMPARE(sendButtonTable(), quint8(0));
        QCOMPARE(uploadMacros(), quint8(0));
        QCOMPARE(fx.mouse().state().macroSlot(0).left(24),
                 QByteArray::fromHex("840400 061900 040400 067b00 840500 060300 040500 000000"));
    }
};

MOUSECFG_TEST(TestMacroFiles)
#include "TestMacroFiles.moc"
