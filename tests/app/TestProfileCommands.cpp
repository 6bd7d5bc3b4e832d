#include "tests/app/ModalScript.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/NonRegularFiles.h"
#include "tests/common/TestMain.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/IniFile.h"
#include "storage/ProfileList.h"

#include <QFile>
#include <QTest>

namespace {
enum Button { Export = 4, Import = 5, Add = 7, Delete = 8, Copy = 9, Load = 14 };

QString modelFile(const QString &name)
{
    return configDirPath() + "/QM700/Profile/" + name + ".prof";
}

void typeName(QLineEdit *edit, const QString &name, bool enter = true)
{
    edit->clear();
    QTest::keyClicks(edit, name);
    if (enter)
        QTest::keyClick(edit, Qt::Key_Return);
}

// Profiles "A", "B" and "C" of speed 9 in the product's folder, and the list.
void seedNamedProfiles(WindowFixture &fixture, const QStringList &list)
{
    writeCurrentProductName("QM700");
    for (const char *name : {"A", "B", "C"})
        fixture.folder.writeFile(QString("Configs/QM700/Profile/%1.prof").arg(name), "[PROFILE]\nmousespeed=9\n");
    saveProfileList(list);
}

QAction *listEntry(MousecfgWidgetProbe &probe, const QString &name)
{
    for (QAction *action : probe.profileListMenu()->actions())
        if (action->text() == name)
            return action;
    return nullptr;
}
}

class TestProfileCommands : public QObject
{
    Q_OBJECT
private slots:
    // The list, the slot, the name edit and the files stay together through every command.
    void commandsKeepListSlotAndFilesTogether()
    {
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        FakeMouse &mouse = FakeMouse::instance();
        // The slot menu tells the mouse at once.
        probe.slotMenuEntry(3)->trigger();
        QCOMPARE(mouse.state().profileSwitches.value(mouse.state().profileSwitches.size() - 1), 3);
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("Profile 4"));
        probe.slotMenuEntry(0)->trigger();

        const QString out = fixture.folder.path() + "/out.prof";
        fixture.folder.writeFile("out.prof", "[Other]\nkept=1\n");
        const QString dotted = fixture.folder.path() + "/a.b.prof";
        ModalScript script({out, dotted});
        click(probe.button(Add));
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("Profile 6"));
        click(probe.button(Copy));
        QCOMPARE(probe.profileList(), QStringList({"Profile 6", "Profile 6 copy"}));
        typeName(probe.nameEdit(), "Mine");
        QCOMPARE(probe.profileList(), QStringList({"Profile 6", "Mine"}));
        QVERIFY(QFile::exists(modelFile("Mine")) && !QFile::exists(modelFile("Profile 6 copy")));
        QCOMPARE(IniFile(configIniPath()).text("Config/Profile1"), QStringLiteral("Mine"));
        // The mouse switches to slot 4 while the question is open: handled afterwards.
        // An Apply left the profile in the other tree too; the delete frees the name.
        saveProfileFile(workingSettings.profiles[0], "Mine");
        script.onModal = [&](QWidget *) { window.slotRefreshStatus(3, 1, 1, 0); };
        click(probe.button(Delete));
        script.onModal = nullptr;
        QCOMPARE(workingSettings.names[0], QStringLiteral("Profile 6"));
        QCOMPARE(loadProfileList(), QStringList({"Profile 6"}));
        QVERIFY(!QFile::exists(modelFile("Mine")) && !QFile::exists(profileFilePath("Mine")));
        QTRY_COMPARE(probe.nameEdit()->text(), QStringLiteral("Profile 4"));

        // Export onto an existing file replaces it.
        click(probe.button(Export));
        QCOMPARE(readMouseName(out), QStringLiteral("QM700"));
        QCOMPARE(IniFile(out).number("PROFILE/mousespeed"), 10);
        QVERIFY(!IniFile(out).value("Other/kept").isValid());
        // Import names the profile by the file name less ".prof".
        QVERIFY(QFile::copy(out, dotted));
        click(probe.button(Import));
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("a.b"));
        QCOMPARE(probe.profileList(), QStringList({"Profile 6", "a.b"}));
        QCOMPARE(script.messages, QStringList{"Are you sure you want delete this profile?"});
        QCOMPARE(script.busyDialogs, 1);
    }

    // Import reads a regular file, also through a link; export writes onto a regular
    // file only. Onto a link to a device or a FIFO, or from a FIFO or a link to one, the
    // command fails saying which side, and nothing outside the profile folder is touched.
    void copiesTouchOnlyRegularFiles_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("message");
        const QString unreadable = QStringLiteral("The file could not be read.");
        QTest::newRow("export onto a link to a device") << int(Export) << "link to a device"
                                                        << "The file could not be saved.";
        QTest::newRow("export onto a FIFO") << int(Export) << "FIFO" << "The file could not be saved.";
        QTest::newRow("import from a link to a profile") << int(Import) << "link to a file" << "";
        QTest::newRow("import from a FIFO") << int(Import) << "FIFO" << unreadable;
        QTest::newRow("import from a link to a device") << int(Import) << "link to a device" << unreadable;
        QTest::newRow("load from a link to a FIFO") << int(Load) << "link to a FIFO" << unreadable;
    }
    void copiesTouchOnlyRegularFiles()
    {
        QFETCH(int, button);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        WindowFixture fixture;
        MousecfgWidgetProbe probe(fixture.openSettled());
        const QString chosen = fixture.folder.path() + "/chosen.prof";
        if (!makeNonRegularFile(kind, chosen))
            QSKIP("the system does not let this user make one");
        const bool read = kind == "link to a file";
        if (read)
            QVERIFY(QFile::remove(chosen + ".pointed") && QFile::copy(profileFilePath("Profile 2"), chosen + ".pointed")
                    && writeMouseName("QM700", chosen + ".pointed"));
        const QString outside = describePath(chosen);
        const QStringList list = probe.profileList();
        ModalScript script({chosen});
        click(probe.button(button));
        QCOMPARE(script.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(describePath(chosen), outside);
        QCOMPARE(probe.profileList(), read ? list + QStringList{"chosen"} : list);
        QCOMPARE(QFile::exists(modelFile("chosen")), read);
        if (read)
            QCOMPARE(describePath(modelFile("chosen")).section(',', 0, 0),
                     describePath(chosen + ".pointed").section(',', 0, 0));
    }

    // A refused command changes neither the list, the slots nor the files.
    void refusalsChangeNothing_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("message");
        const QStringList ab{"A", "B"};
        QTest::newRow("rename to a path") << ab << QStringList{"A"} << "rename" << "../../x"
                                          << "The profile name is not valid.";
        QTest::newRow("rename to nothing") << ab << QStringList{"A"} << "rename" << "" << "The profile name is not valid.";
        QTest::newRow("rename onto a file") << ab << QStringList{"A"} << "rename" << "B" << "Profile Exist!";
        QTest::newRow("rename a default name") << ab << QStringList{"Profile 1"} << "rename" << "C"
                                               << "The default Profile cannot be deleted or renamed.";
        QTest::newRow("delete, the other name taken") << ab << ab << "delete" << ""
                                                      << "AT LEAST ONE PROFILE TO BE RETAINED.";
        QTest::newRow("delete a shared name") << QStringList{"A", "B", "C"} << QStringList{"A", "A"} << "delete" << ""
                                              << "Profile is Already Used!";
        const QString used = QStringLiteral("Profile is Already Used!");
        QTest::newRow("delete another slot's name, typed") << QStringList{"A", "B", "C"} << ab << "delete" << "B"
                                                           << used;
        // The other slot keeps its name and its file.
        QTest::newRow("rename a shared name") << ab << QStringList{"A", "A"} << "rename" << "Z" << used;
        QTest::newRow("rename to slot 2's name") << ab << QStringList{"A", "Ghost"} << "rename" << "Ghost" << used;
        QStringList full;
        for (int i = 0; i < MaxProfileListEntries; ++i)
            full << QString("P%1").arg(i);
        QTest::newRow("add past 200") << full << QStringList{"P0"} << "add" << "" << "The profile list is full.";
        QTest::newRow("pick a name without a file") << QStringList{"A", "Ghost"} << QStringList{"A"} << "pick" << "Ghost"
                                                    << "The profile file could not be found.";
        QTest::newRow("pick another slot's name") << ab << ab << "pick" << "B" << "Profile is Already Used!";
    }
    void refusalsChangeNothing()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        QFETCH(QString, command);
        QFETCH(QString, argument);
        QFETCH(QString, message);
        WindowFixture fixture;
        seedNamedProfiles(fixture, list);
        MousecfgWidgetProbe probe(fixture.openSettled());
        for (int k = 0; k < slotNames.size(); ++k)
            workingSettings.names[size_t(k)] = slotNames[k];
        probe.nameEdit()->setText(workingSettings.names[0]);
        workingSettings.profiles[0].mousespeed = 3;
        const SettingsBlock before = workingSettings;

        ModalScript script;
        if (command == "rename")
            typeName(probe.nameEdit(), argument);
        else if (command == "delete") {
            if (!argument.isEmpty())
                typeName(probe.nameEdit(), argument, false);
            click(probe.button(Delete));
        }
        else if (command == "add")
            click(probe.button(Add));
        else
            listEntry(probe, argument)->trigger();
        QTRY_COMPARE(script.messages, QStringList{message});
        QCOMPARE(probe.profileList(), list);
        QCOMPARE(loadProfileList(), list);
        for (int k = 0; k < ProfileCount; ++k)
            QCOMPARE(workingSettings.names[size_t(k)], before.names[size_t(k)]);
        QCOMPARE(int(workingSettings.profiles[0].mousespeed), 3);
        QVERIFY(!QFile::exists(configDirPath() + "/x.prof"));
        QVERIFY(!QFile::exists(modelFile("Profile 6")));
        for (const char *name : {"A", "B", "C"})
            QVERIFY2(QFile::exists(modelFile(name)), name);
    }

    // DELETE removes the profile the edit names, dots and all; the slot's new name is
    // what a restart shows.
    void deleteRemovesTheNamedProfile_data()
    {
        QTest::addColumn<QString>("renameTo");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("listAfter");
        QTest::newRow("the slot's own name") << "" << "A" << QStringList{"B", "C"};
        QTest::newRow("another listed name, typed") << "" << "C" << QStringList{"A", "B"};
        QTest::newRow("renamed to a name with dots") << "Best..." << "Best..." << QStringList{"B", "C"};
    }
    void deleteRemovesTheNamedProfile()
    {
        QFETCH(QString, renameTo);
        QFETCH(QString, typed);
        QFETCH(QStringList, listAfter);
        WindowFixture fixture;
        seedNamedProfiles(fixture, {"A", "B", "C"});
        MousecfgWidgetProbe probe(fixture.openSettled());
        workingSettings.names[0] = "A";
        ModalScript script;
        if (!renameTo.isEmpty())
            typeName(probe.nameEdit(), renameTo);
        typeName(probe.nameEdit(), typed, false);
        click(probe.button(Delete));
        QCOMPARE(script.messages, QStringList{"Are you sure you want delete this profile?"});
        QCOMPARE(loadProfileList(), listAfter);
        for (const QString name : {"A", "B", "C", "Best..."})
            QCOMPARE(QFile::exists(modelFile(name)), listAfter.contains(name));
        QCOMPARE(probe.nameEdit()->text(), QStringLiteral("B"));
        fixture.reopen();
        QCOMPARE(workingSettings.names[0], QStringLiteral("B"));
    }
};

MOUSECFG_TEST(TestProfileCommands)
#include "TestProfileCommands.moc"
