#include "macro/MacroDialog.h"
#include "macro/MacroRows.h"
#include "macro/QuorGunsetDialog.h"
#include "storage/AppFolder.h"
#include "storage/FunctionCodes.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileList.h"
#include "tests/common/PointerInput.h"
#include "tests/common/NonRegularFiles.h"
#include "tests/common/TestMain.h"
#include "tests/macro/MacroFixture.h"
#include "widgets/FileDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTreeView>

namespace {
const QString Invalid = QString::fromLatin1(InvalidMacroNameText);
const QString Full = QStringLiteral("TOO MANY MACROS TO BE CREATE!");
const QString NotCopied = QStringLiteral("The macro file could not be copied.");
const QString Unreadable = QStringLiteral("The file could not be read.");
const QString Used = QStringLiteral("A button uses this macro. Delete it all the same?");
const QString Skipped = QStringLiteral(
    "These files were not imported (name taken or not allowed, list full, file unreadable or too long for the "
    "mouse): ");
const QString Replace = QStringLiteral("These files already exist. Replace them? ");
const QString TooLong = QStringLiteral("A macro without a delay holds at most 40 rows.");
const QString NotMacro = QStringLiteral("The file is not a macro file.");
const QString TooMany = QStringLiteral("A macro holds at most 63 rows.");

// The DataL of a file's first row, "-" when there is no file.
QString fileId(const QString &path)
{
    return fileExists(path) ? QString::number(IniFile(path).number("Setting/DataL_0")) : QStringLiteral("-");
}

// "file:id ..." of a folder, leaving out the files of the listed macros.
QString folderState(const QString &folder, const QStringList &listed = {})
{
    QStringList files;
    for (const QString &f : QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!listed.contains(QFileInfo(f).completeBaseName()))
            files << f + ':' + fileId(folder + '/' + f);
    }
    return files.join(' ');
}

// Every file below the folder but Config.ini, the macro folder and the outside folder.
QStringList otherFiles(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString f = it.next().mid(root.size());
        if (f != "/Configs/Config.ini" && !f.startsWith("/Configs/MacroDB/") && !f.startsWith("/outside/"))
            files << f;
    }
    return files;
}

bool isFill(const QString &name)
{
    return name.startsWith('f') && name.mid(1).toInt() > 0;
}

// Clicks the page's button with the file dialogs answering the path; false when the
// message (none if empty) did not come.
bool clickChoosing(MacroDialog &page, MacroDialog::PageButton button, const QString &path, const QString &message)
{
    setFileDialogForTests([path](const FileDialogRequest &) { return QStringList{path}; });
    const bool answered = answerMessage([&] { click(page.button(button)); }, message);
    setFileDialogForTests({});
    return answered;
}

// What the file dialog that the step opens shows of itself, away from the folder's
// files: its labels and the file list's column headers. Also the parts that do not
// show whole, and its font over the application's (in pixels at 96 dpi, as designed).
struct FileDialogLook
{
    QList<QImage> parts;
    QStringList cut;
    double fontRatio = 0;
};

FileDialogLook fileDialogLook(const std::function<void()> &open)
{
    FileDialogLook look;
    const bool ran = runModal(open, [&](QWidget *dialog) {
        for (const char *name : {"lookInLabel", "fileNameLabel", "fileTypeLabel", "fileTypeCombo"}) {
            auto *part = dialog->findChild<QWidget *>(QLatin1String(name));
            if (part && part->isVisible() && part->width() < part->sizeHint().width())
                look.cut << name;
            if (qobject_cast<QLabel *>(part))
                look.parts << part->grab().toImage();
        }
        const auto *sidebar = dialog->findChild<QListView *>(QStringLiteral("sidebar"));
        if (sidebar && sidebar->viewport()->width() < sidebar->sizeHintForColumn(0))
            look.cut << "sidebar";
        if (auto *tree = dialog->findChild<QTreeView *>(QStringLiteral("treeView"))) {
            look.parts << tree->header()->grab().toImage();
            for (int column = 0; column < 3; ++column)
                if (tree->header()->sectionSize(column) < tree->header()->sectionSizeHint(column))
                    look.cut << QStringLiteral("column %1").arg(column);
        }
        look.fontRatio = QFontInfo(dialog->font()).pixelSize() / (QApplication::font().pointSizeF() * 96 / 72);
        QTimer::singleShot(0, dialog, &QWidget::close);
    });
    return ran ? look : FileDialogLook();
}
}

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

    // Each list command leaves Config.ini, the list, the current macro, the table and
    // the folders in agreement; a refusal says why and changes nothing.
    void listCommands_data()
    {
        QTest::addColumn<QString>("listed");  // slots; "b:-" has no file; "fill50" lists f1.. to 50 in all
        QTest::addColumn<QString>("setup");   // db:name=id dbdir:name out:file=id out-ro:file=id button:name locked
        QTest::addColumn<QString>("command"); // the command and its names
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("after");   // "name:id" of the listed macros in slot order, f1.. left out
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("db");      // unlisted files of the macro folder
        QTest::addColumn<QString>("outside"); // files of the outside folder
        const QString no;
        const auto row = [](const char *name) { return &QTest::newRow(name); };
        *row("rename") << "a b" << "button:a" << "rename c" << no << true << "c:1 b:2" << "c" << no << no;
        *row("rename onto a file") << "a b" << "db:c=7" << "rename c" << no << true << "c_2:1 b:2" << "c_2" << "c.MSMACRO:7" << no;
        *row("rename onto a slot") << "a b:-" << "" << "rename b" << no << true << "b_2:1 b:-" << "b_2" << no << no;
        *row("rename a/b") << "a" << "" << "rename x/y" << Invalid << true << "a:1" << "a" << no << no;
        *row("rename ..") << "a" << "" << "rename .." << Invalid << true << "a:1" << "a" << no << no;
        *row("rename, list not saved") << "a" << "locked" << "rename c" << "The settings could not be saved." << true << "a:1" << "a" << no << no;
        *row("delete first") << "a b c" << "" << "delete" << no << true << "b:2 c:3" << "b" << no << no;
        *row("delete only") << "a" << "" << "delete" << no << true << "" << "" << no << no;
        *row("delete used, no") << "a b" << "button:a" << "delete" << Used << false << "a:1 b:2" << "a" << no << no;
        *row("delete used, yes") << "a b" << "button:a" << "delete" << Used << true << "b:2" << "b" << no << no;
        *row("delete, file stays") << "a b" << "dbdir:a" << "delete" << "The macro could not be deleted." << true << "a:0 b:2" << "a" << no << no;
        *row("delete, list not saved") << "a b" << "locked" << "delete" << "The settings could not be saved." << true << "a:1 b:2" << "a" << no << no;
        *row("gun set") << "a" << "" << "gunset Burst" << no << true << "a:1 Burst:1" << "Burst" << no << no;
        *row("gun set onto files") << "a" << "db:N=7 db:N_2=8" << "gunset N" << no << true << "a:1 N_3:1" << "N_3" << "N.MSMACRO:7 N_2.MSMACRO:8" << no;
        *row("gun set onto a slot") << "a N:-" << "" << "gunset N" << no << true << "a:1 N:- N_2:1" << "N_2" << no << no;
        *row("gun set, no name") << "a" << "" << "gunset" << "Please input file name." << true << "a:1" << "a" << no << no;
        *row("gun set a/b") << "a" << "" << "gunset a/b" << Invalid << true << "a:1" << "a" << no << no;
        *row("gun set, list full") << "a fill50" << "" << "gunset x" << Full << true << "a:1" << "a" << no << no;
        *row("import") << "a" << "out:Fire.MSMACRO=9" << "import Fire.MSMACRO" << no << true << "a:1 Fire:9" << "Fire" << no << "Fire.MSMACRO:9";
        *row("import dots, case") << "a" << "out-ro:F.v2.msmacro=9" << "import F.v2.msmacro" << no << true << "a:1 F.v2:9" << "F.v2" << no << "F.v2.msmacro:9";
        *row("import onto a file") << "a" << "db:Fire=7 out:Fire.MSMACRO=9" << "import Fire.MSMACRO" << "Macro Exist!" << true << "a:1" << "a" << "Fire.MSMACRO:7" << "Fire.MSMACRO:9";
        *row("import onto a slot") << "a Fire:-" << "out:Fire.MSMACRO=9" << "import Fire.MSMACRO" << "Macro Exist!" << true << "a:1 Fire:-" << "a" << no << "Fire.MSMACRO:9";
        *row("import, too long") << "a" << "out-long:Long.MSMACRO=9" << "import Long.MSMACRO" << TooLong << true << "a:1" << "a" << no << "Long.MSMACRO:9";
        *row("import, too long with delays") << "a" << "out-delays:Long.MSMACRO=9" << "import Long.MSMACRO" << TooMany << true << "a:1" << "a" << no << "Long.MSMACRO:9";
        *row("import, no macro folder") << "a:-" << "nodb out:Fire.MSMACRO=9" << "import Fire.MSMACRO" << no << true << "a:- Fire:9" << "Fire" << no << "Fire.MSMACRO:9";
        *row("import, no row count") << "a" << "out-nocount:Other.MSMACRO=9" << "import Other.MSMACRO" << NotMacro << true << "a:1" << "a" << no << "Other.MSMACRO:9";
        *row("import, list full") << "a fill50" << "" << "import any" << Full << true << "a:1" << "a" << no << no;
        *row("import unreadable") << "a" << "" << "import Gone.MSMACRO" << Unreadable << true << "a:1" << "a" << no << no;
        *row("import ..") << "a" << "out:...MSMACRO=9" << "import ...MSMACRO" << Invalid << true << "a:1" << "a" << no << "...MSMACRO:9";
        *row("batch import") << "a" << "out:x.MSMACRO=5 out:a.MSMACRO=6 out:y.msmacro=7" << "import-batch x.MSMACRO a.MSMACRO y.msmacro" << Skipped + "a.MSMACRO" << true << "a:1 x:5 y:7" << "y" << no << "a.MSMACRO:6 x.MSMACRO:5 y.msmacro:7";
        *row("batch import, too long") << "a" << "out:x.MSMACRO=5 out-long:z.MSMACRO=4 out-nocount:w.MSMACRO=3" << "import-batch x.MSMACRO z.MSMACRO w.MSMACRO" << Skipped + "z.MSMACRO, w.MSMACRO" << true << "a:1 x:5" << "x" << no << "w.MSMACRO:3 x.MSMACRO:5 z.MSMACRO:4";
        *row("batch import to 50") << "a fill49" << "out:x.MSMACRO=5 out:y.MSMACRO=6" << "import-batch x.MSMACRO y.MSMACRO" << Skipped + "y.MSMACRO" << true << "a:1 x:5" << "x" << no << "x.MSMACRO:5 y.MSMACRO:6";
        *row("export onto a file") << "a" << "out:a.MSMACRO=9" << "export a.MSMACRO" << no << true << "a:1" << "a" << no << "a.MSMACRO:1";
        *row("export adds the suffix") << "a" << "" << "export a" << no << true << "a:1" << "a" << no << "a.MSMACRO:1";
        *row("export added suffix, keep") << "a" << "out:a.MSMACRO=9" << "export a" << Replace + "a.MSMACRO" << false << "a:1" << "a" << no << "a.MSMACRO:9";
        *row("export, no folder") << "a" << "" << "export no/a.MSMACRO" << NotCopied << true << "a:1" << "a" << no << no;
        *row("batch export, replace") << "a b c" << "out:a.MSMACRO=9 out:c.MSMACRO=8" << "export-batch a c" << Replace + "a.MSMACRO, c.MSMACRO" << true << "a:1 b:2 c:3" << "a" << no << "a.MSMACRO:1 c.MSMACRO:3";
        *row("batch export, keep") << "a b c" << "out:a.MSMACRO=9" << "export-batch a b" << Replace + "a.MSMACRO" << false << "a:1 b:2 c:3" << "a" << no << "a.MSMACRO:9 b.MSMACRO:2";
    }
    void listCommands()
    {
        QFETCH(QString, listed);
        QFETCH(QString, setup);
        QFETCH(QString, command);
        QFETCH(QString, message);
        QFETCH(bool, yes);
        QFETCH(QString, after);
        QFETCH(QString, current);
        QFETCH(QString, db);
        QFETCH(QString, outside);
        QStringList names;
        for (const QString &n : listed.split(' ')) {
            for (int i = 1; n.startsWith("fill") && i <= n.mid(4).toInt() - listed.count(' '); ++i)
                names << QStringLiteral("f%1").arg(i);
            if (!n.startsWith("fill"))
                names << n.section(':', 0, 0);
        }
        MacroFixture fx(names);
        const QString out = fx.folder.path() + "/outside", macroDb = fx.folder.configDir() + "/MacroDB";
        QDir().mkpath(out);
        int id = 0;
        for (const QString &n : names) {
            if (isFill(n) || listed.contains(n + ":-"))
                QFile::remove(macroFilePath(n));
            else
                MacroFixture::writeMacro(n, QStringLiteral("132/0/%1").arg(++id));
        }
        workingSettings = SettingsBlock{};
        for (const QString &token : setup.split(' ', Qt::SkipEmptyParts)) {
            const QString kind = token.section(':', 0, 0), arg = token.section(':', 1);
            const QString file = arg.section('=', 0, 0), value = arg.section('=', 1);
            if (kind == "db")
                MacroFixture::writeMacro(file, "132/0/" + value);
            if (kind == "dbdir")
                QVERIFY(QFile::remove(macroFilePath(file)) && QDir().mkpath(macroFilePath(file) + "/x"));
            if (kind.startsWith("out"))
                fx.folder.writeFile("outside/" + file, "[Setting]\nCount=1\nMap_0=132\nDataL_0=" + value.toUtf8() + "\n");
            if (kind == "out-long" || kind == "out-delays") {
                const bool delays = kind == "out-delays";
                const int rows = (delays ? MaxMacroRows : MaxRowsWithoutDelay) + 1;
                QByteArray text = "[Setting]\nCount=" + QByteArray::number(rows) + "\n";
                for (int i = 0; i < rows; ++i) {
                    const QByteArray n = QByteArray::number(i), map = delays && i % 2 ? "6" : "132";
                    text += "Map_" + n + "=" + map + "\nDataL_" + n + "=" + value.toUtf8() + "\n";
                }
                fx.folder.writeFile("outside/" + file, text);
            }
            if (kind == "nodb")
                QVERIFY(QDir(macroDb).removeRecursively());
            if (kind == "out-nocount")
                fx.folder.writeFile("outside/" + file, "[Setting]\nMap_0=132\nDataL_0=" + value.toUtf8() + "\n");
            if (kind == "out-ro")
                QFile(out + '/' + file).setPermissions(QFile::ReadOwner);
            if (kind == "button") {
                workingSettings.profiles[1].buttons[3] = ButtonSlot{0, FunMacro, 1, 0, {}, 0, 0, 0, 0, arg};
                workingSettings.profiles[4].buttons[0] = ButtonSlot{0, FunGunFile, 1, 0, {}, 0, 0, 0, 0, arg};
                workingSettings.names[1] = "P2";
                QVERIFY(saveProfileFile(workingSettings.profiles[1], "P2"));
                // A listed profile that no slot holds.
                QVERIFY(saveProfileFile(workingSettings.profiles[1], "P9") && saveProfileList({"P2", "P9"}));
            }
        }
        auto page = shownPage();
        QSignalSpy slotsRenamed(page.get(), &MacroDialog::RefreshButtonSlots);
        const QString configIni = configIniPath();
        QFile saved(configIni);
        const QByteArray configText = saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
        if (setup.contains("locked"))
            QVERIFY(QFile::remove(configIni) && QDir().mkpath(configIni));
        const QStringList others = otherFiles(fx.folder.path());

        const QString verb = command.section(' ', 0, 0);
        const QStringList args = command.section(' ', 1).split(' ', Qt::SkipEmptyParts);
        QList<FileDialogRequest> asked;
        setFileDialogForTests([&](const FileDialogRequest &r) {
            asked << r;
            QStringList paths{out};
            for (const QString &a : args)
                paths << out + '/' + a;
            return r.kind == FileDialogKind::Directory ? paths.mid(0, 1) : paths.mid(1);
        });
        const bool batch = verb.endsWith("-batch");
        if (batch) {
            page->batchBox()->click();
            for (int i = 0; i < page->macroList()->count(); ++i) {
                QListWidgetItem *item = page->macroList()->item(i);
                qobject_cast<QCheckBox *>(page->macroList()->itemWidget(item))->setChecked(args.contains(item->text()));
            }
        }
        // A gun-set name that the dialog refuses is answered inside the dialog.
        const bool inDialog = verb == "gunset" && message != Full;
        bool dialogAnswered = message.isEmpty();
        const std::function<void()> step = [&] {
            if (verb == "rename") {
                page->nameEdit()->clear();
                QTest::keyClicks(page->nameEdit(), args.value(0));
            }
            const MacroDialog::PageButton b = verb == "rename" ? MacroDialog::ChangeNameButton
                                              : verb == "delete" ? MacroDialog::DeleteMacroButton
                                              : verb == "gunset" ? MacroDialog::GunSetButton
                                              : verb.startsWith("import") ? MacroDialog::ImportButton
                                                                          : MacroDialog::ExportButton;
            if (!inDialog)
                return page->button(b)->click();
            runModal([&] { page->button(b)->click(); }, [&](QWidget *w) {
                auto *d = qobject_cast<QuorGunsetDialog *>(w);
                QTest::keyClicks(d->nameField(), args.value(0));
                const auto yesClick = [d] { QTest::mouseClick(d->yesButton(), Qt::LeftButton); };
                if (message.isEmpty())
                    return yesClick();
                dialogAnswered = answerMessage(yesClick, message) && d->isVisible();
                d->reject();
            });
        };
        QVERIFY(answerMessage(step, inDialog ? QString() : message, yes));
        QVERIFY(dialogAnswered || !inDialog);
        setFileDialogForTests({});
        if (batch) {
            page->batchBox()->click();
            QVERIFY(!page->macroList()->itemWidget(page->macroList()->item(0)));
            QVERIFY(page->button(MacroDialog::NewButton)->isButtonEnabled());
        }
        if (setup.contains("locked")) {
            QVERIFY(QDir(configIni).removeRecursively());
            fx.folder.writeFile("Configs/Config.ini", configText);
        }
        QStringList listedNow, shown;
        for (const QString &n : listedMacroNames()) {
            if (!isFill(n))
                listedNow << n + ':' + fileId(macroFilePath(n));
        }
        QCOMPARE(listedNow.join(' '), after);
        for (int i = 0; i < page->macroList()->count(); ++i)
            shown << page->macroList()->item(i)->text();
        QCOMPARE(shown, listedMacroNames());
        QCOMPARE(page->currentMacroName(), current);
        QCOMPARE(page->nameEdit()->text(), verb == "rename" ? args.value(0) : current);
        QCOMPARE(rowsText(page->actionRows()), rowsText(readMacroFile(current).rows));
        QCOMPARE(folderState(macroDb, listedMacroNames()), db);
        QCOMPARE(folderState(out), outside);
        for (const QFileInfo &f : QDir(macroDb).entryInfoList(QDir::Files))
            QVERIFY(f.permissions() & QFile::WriteOwner);
        QCOMPARE(otherFiles(fx.folder.path()), others);
        for (const FileDialogRequest &r : asked) {
            const bool open = r.kind == FileDialogKind::OpenFile || r.kind == FileDialogKind::OpenFiles;
            QCOMPARE(r.caption, QString(open ? "Load Macro File" : "Save Macro File"));
            QCOMPARE(r.filter, QString(r.kind == FileDialogKind::Directory ? "" : "Macro File(*.MSMACRO)"));
        }
        QCOMPARE(asked.isEmpty(), message == Full || !(verb.startsWith("import") || verb.startsWith("export")));
        // A deleted macro's buttons take their factory slot.
        const bool bound = setup.contains("button"), gone = bound && verb == "delete" && yes;
        const QString buttonName = bound && !gone ? (command == "rename c" ? "c" : "a") : QString();
        ProfileRecord factory;
        resetProfileToDefaults(factory);
        QCOMPARE(workingSettings.profiles[1].buttons[3].macroname, buttonName);
        QCOMPARE(workingSettings.profiles[4].buttons[0].macroname, buttonName);
        QCOMPARE(workingSettings.profiles[4].buttons[0].Fun, gone ? factory.buttons[0].Fun : bound ? FunGunFile : 0);
        if (bound) {
            for (const char *profile : {"P2", "P9"}) {
                ProfileRecord stored;
                loadProfileFile(stored, profile);
                QCOMPARE(stored.buttons[3].macroname, buttonName);
                QCOMPARE(stored.buttons[3].Fun, gone ? factory.buttons[3].Fun : FunMacro);
            }
        }
        QCOMPARE(slotsRenamed.count(), buttonName == "c" || gone ? 1 : 0);
        QVERIFY(!fx.watchdog.fired());
    }

    // A file cut short (its last line too), or one whose Count and rows disagree, is no
    // macro: the import refuses it and changes nothing. Cut only after its last row it is
    // whole; so it is with CRLF, a BOM or its keys in another order, and a row of a type
    // the reader skips is left out.
    void cutFilesAreRefused_data()
    {
        QTest::addColumn<QString>("edit"); // "pattern>replacement"
        QTest::addColumn<bool>("imported");
        QTest::newRow("whole") << "" << true;
        QTest::newRow("all but the change mark") << "(?s)WriteSign.*>" << true;
        QTest::newRow("inside the last row's value") << "(?s)..WriteSign.*>" << false;
        QTest::newRow("before the last line break") << "\n$>" << false;
        QTest::newRow("rows 8 and 9 missing") << "(?s)Map_8=.*>" << false;
        QTest::newRow("no row types") << "(?s)Map_0=.*>" << false;
        QTest::newRow("Count above the rows") << "Count=12>Count=13" << false;
        QTest::newRow("CRLF") << "\n>\r\n" << true;
        QTest::newRow("a BOM") << QStringLiteral("^>\u00EF\u00BB\u00BF") << true;
        QTest::newRow("Count last") << "(?s)(Count=12\n)(.*)>\\2\\1" << true;
        QTest::newRow("a row of no kind") << "Map_3=6\n>Map_3=99\n" << true;
    }
    void cutFilesAreRefused()
    {
        QFETCH(QString, edit);
        QFETCH(bool, imported);
        MacroFixture fx;
        MacroFile fire;
        fire.rows = rowsFrom(QString("132/0/4 6/0/5 4/0/4 6/0/5 ").repeated(3));
        QVERIFY(writeMacroFile("Fire", fire, WriteSign::Mark));
        QFile written(macroFilePath("Fire"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QString text = QString::fromLatin1(written.readAll());
        QVERIFY(written.remove());
        text.replace(QRegularExpression(edit.section('>', 0, 0)), edit.section('>', 1));
        fx.folder.writeFile("outside/Fire.MSMACRO", text.toLatin1());
        auto page = shownPage();
        const QString chosen = fx.folder.path() + "/outside/Fire.MSMACRO";
        QVERIFY(clickChoosing(*page, MacroDialog::ImportButton, chosen, imported ? "" : NotMacro));
        QCOMPARE(listedMacroNames(), imported ? QStringList({"m", "Fire"}) : QStringList{"m"});
        QCOMPARE(QDir(fx.folder.configDir() + "/MacroDB").entryList(QDir::Files).size(), imported ? 2 : 1);
        if (edit.contains("Map_3=99"))
            fire.rows.removeAt(3);
        QCOMPARE(rowsText(page->actionRows()), imported ? rowsText(fire.rows) : QString());
    }

    // Import reads a regular file, also through a link; export writes onto a regular
    // file only. From a FIFO, or onto a link to a device, the command fails saying which
    // side, and nothing else is touched.
    void copiesTouchOnlyRegularFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("message");
        QTest::newRow("import from a link to a macro") << "link to a file" << true << "";
        QTest::newRow("import from a link to a FIFO") << "link to a FIFO" << true << Unreadable;
        QTest::newRow("import from a folder") << "folder" << true << Unreadable;
        QTest::newRow("export onto a link to a device") << "link to a device" << false << NotCopied;
    }
    void copiesTouchOnlyRegularFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, import);
        QFETCH(QString, message);
        MacroFixture fx;
        const QString chosen = fx.folder.path() + "/Fire.MSMACRO";
        if (!makeNonRegularFile(kind, chosen))
            QSKIP("the system does not let this user make one");
        const bool read = kind == "link to a file";
        if (read) {
            MacroFixture::writeMacro("Fire", "132/0/4 6/0/5");
            QVERIFY(QFile::remove(chosen + ".pointed") && QFile::rename(macroFilePath("Fire"), chosen + ".pointed"));
        }
        const QString outside = describePath(chosen), macros = folderState(fx.folder.configDir() + "/MacroDB");
        auto page = shownPage();
        QVERIFY(clickChoosing(*page, import ? MacroDialog::ImportButton : MacroDialog::ExportButton, chosen, message));
        QCOMPARE(describePath(chosen), outside);
        QCOMPARE(listedMacroNames(), read ? QStringList({"m", "Fire"}) : QStringList{"m"});
        if (read)
            QCOMPARE(rowsText(readMacroFile("Fire").rows), QString("132/0/4 6/0/5"));
        else
            QCOMPARE(folderState(fx.folder.configDir() + "/MacroDB"), macros);
    }

    // However the list's current row changes, the table and the name show its macro,
    // and SAVE, DELETE and EXPORT act on that one.
    void commandsActOnTheMacroShown_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("command");
        for (const char *way : {"drag", "Down", "End", "Home", "delete"}) {
            for (const char *command : {"save", "delete", "export"})
                QTest::addRow("%s, %s", way, command) << way << command;
        }
    }
    void commandsActOnTheMacroShown()
    {
        QFETCH(QString, way);
        QFETCH(QString, command);
        const QStringList names{"a", "b", "c"};
        MacroFixture fx(names);
        for (int i = 0; i < names.size(); ++i)
            MacroFixture::writeMacro(names[i], QStringLiteral("132/0/%1 4/0/%1 ").arg(i + 1).repeated(i + 1));
        auto page = shownPage();
        QListWidget *list = page->macroList();
        const auto at = [list](int row) { return list->visualItemRect(list->item(row)).center(); };
        const QMap<QString, std::pair<int, Qt::Key>> keys{
            {"Down", {108, Qt::Key_Down}}, {"End", {107, Qt::Key_End}}, {"Home", {102, Qt::Key_Home}}};
        clickListRow(*page, way == "Home" ? 2 : 0);
        if (way == "drag") {
            slideRelease(list->viewport(), at(0), at(1));
        } else if (way == "delete") {
            click(page->button(MacroDialog::DeleteMacroButton));
        } else {
            list->setFocus();
            tapNativeKey(list, keys[way].first, keys[way].second);
        }
        const QString shown = way == "End" ? "c" : way == "Home" ? "a" : "b";
        QCOMPARE(page->currentMacroName(), shown);
        QCOMPARE(page->nameEdit()->text(), shown);
        QCOMPARE(rowsText(page->actionRows()), rowsText(readMacroFile(shown).rows));

        QMap<QString, QString> expected;
        for (const QString &n : listedMacroNames())
            expected[n] = rowsText(readMacroFile(n).rows);
        const QString exported = fx.folder.path() + "/x.MSMACRO";
        const MacroDialog::PageButton b = command == "save" ? MacroDialog::SaveButton
                                          : command == "delete" ? MacroDialog::DeleteMacroButton
                                                                : MacroDialog::ExportButton;
        if (command == "save") {
            click(page->button(MacroDialog::InsertDelayButton));
            expected[shown] += " 6/0/1";
        }
        QVERIFY(clickChoosing(*page, b, exported, ""));
        if (command == "delete")
            expected.remove(shown);
        QCOMPARE(listedMacroNames(), expected.keys());
        for (const QString &n : names)
            QCOMPARE(fileExists(macroFilePath(n)) ? rowsText(readMacroFile(n).rows) : "-", expected.value(n, "-"));
        QCOMPARE(fileId(exported), command == "export" ? fileId(macroFilePath(shown)) : "-");
    }

    // The page's dark style sheet stays off the real file dialogs: each looks like the
    // one the window opens. They grow with the window's scale, and nothing in them is cut.
    void fileDialogsLookLikeTheWindows_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("scale");
        QTest::newRow("import") << int(FileDialogKind::OpenFile) << 1.0;
        QTest::newRow("import, batch") << int(FileDialogKind::OpenFiles) << 1.0;
        QTest::newRow("export") << int(FileDialogKind::SaveFile) << 1.0;
        QTest::newRow("export, batch") << int(FileDialogKind::Directory) << 1.0;
        QTest::newRow("import at 1.5") << int(FileDialogKind::OpenFile) << 1.5;
        QTest::newRow("import at 2.0") << int(FileDialogKind::OpenFile) << 2.0;
        QTest::newRow("export at 2.0") << int(FileDialogKind::SaveFile) << 2.0;
        QTest::newRow("export, batch at 2.0") << int(FileDialogKind::Directory) << 2.0;
    }
    void fileDialogsLookLikeTheWindows()
    {
        QFETCH(int, kind);
        QFETCH(double, scale);
        const bool import = kind == int(FileDialogKind::OpenFile) || kind == int(FileDialogKind::OpenFiles);
        MacroFixture fx;
        setUiScale(scale);
        QWidget window;
        window.resize(scaledPixels(999), scaledPixels(640));
        auto *page = new MacroDialog(&window);
        page->resize(scaledPixels(665), scaledPixels(467));
        window.show();
        if (kind == int(FileDialogKind::OpenFiles) || kind == int(FileDialogKind::Directory))
            page->batchBox()->click();
        const FileDialogLook fromPage = fileDialogLook(
            [&] { click(page->button(import ? MacroDialog::ImportButton : MacroDialog::ExportButton)); });
        setUiScale(1.0);
        QCOMPARE(fromPage.parts.size(), 4);
        QCOMPARE(fromPage.cut, QStringList());
        QVERIFY2(qAbs(fromPage.fontRatio - scale) < 0.1, qPrintable(QString::number(fromPage.fontRatio)));
        setUiScale(scale);
        QCOMPARE(fromPage.parts,
                 fileDialogLook([&] { runFileDialog({FileDialogKind(kind), &window, "", "", ""}); }).parts);
        setUiScale(1.0);
    }

    // In batch mode the current row shows its name once, as the check box's white
    // text: the row's own dark text is not drawn beneath it.
    void batchRowShowsOneName()
    {
        MacroFixture fx({"Reload", "name_1"});
        auto page = shownPage();
        page->batchBox()->click();
        QListWidget *list = page->macroList();
        QCOMPARE(list->currentRow(), 0);
        const QImage image = list->viewport()->grab().toImage();
        const QRect row = list->visualItemRect(list->item(0)).adjusted(scaledPixels(20), 3, -3, -3);
        const int ground = qGray(image.pixel(row.right(), row.center().y()));
        for (int y = row.top(); y <= row.bottom(); ++y)
            for (int x = row.left(); x <= row.right(); ++x)
                QVERIFY2(qGray(image.pixel(x, y)) >= ground - 10, qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
    }
};

MOUSECFG_TEST(TestMacroFiles)
#include "TestMacroFiles.moc"
