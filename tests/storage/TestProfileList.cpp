#include "storage/ConfigIni.h"
#include "storage/ProfileList.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QTest>

class TestProfileList : public QObject
{
    Q_OBJECT
private slots:
    void load_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("in order, past Count not read") << QByteArray("Count=2\n1=B\n2=A\n3=C\n") << QStringList{"B", "A"};
        QTest::newRow("missing and unsafe entries left out")
            << QByteArray("Count=5\n1=A\n3=../../x\n4=a/b\n5=C\n") << QStringList{"A", "C"};
        QTest::newRow("negative Count") << QByteArray("Count=-3\n1=A\n") << QStringList();
    }

    void load()
    {
        QFETCH(QByteArray, section);
        QFETCH(QStringList, names);
        TestAppFolder folder;
        writeCurrentProductName("QM700");
        folder.writeFile("Configs/QM700/Config.ini", "[PROFILE_LIST]\n" + section);
        QCOMPARE(loadProfileList(), names);
        // The shared names stand apart from the list.
        QVERIFY(!isSharedProfileName("A"));
        folder.writeFile("Configs/QM700/Config.ini", "[PROFILE_LIST]\nSCount=2\nS1=Team\nS2=Club\n1=A\n");
        QVERIFY(isSharedProfileName("Club"));
        QVERIFY(!isSharedProfileName("A"));
    }

    void atMost200NamesAndWritesReportFailure()
    {
        TestAppFolder folder;
        writeCurrentProductName("QM700");
        QByteArray section = "[PROFILE_LIST]\nCount=1000000000\n";
        for (int n = 1; n <= 300; ++n)
            section += QByteArray::number(n) + "=P" + QByteArray::number(n) + "\n";
        folder.writeFile("Configs/QM700/Config.ini", section);
        QStringList names = loadProfileList();
        QCOMPARE(names.size(), MaxProfileListEntries);
        QVERIFY(!profileListHasRoom(names));
        QVERIFY(!saveProfileList(names + QStringList{"P201"}));
        names = QStringList{"Z", "Y"};
        QVERIFY(profileListHasRoom(names));
        QVERIFY(saveProfileList(names));
        QCOMPARE(loadProfileList(), names);

        writeCurrentProductName("Blocked");
        folder.writeFile("Configs/Blocked", "a file where the folder would be");
        QVERIFY(!saveProfileList({"A"}));
        writeCurrentProductName("../..");
        QVERIFY(!saveProfileList({"A"}));
    }
};

MOUSECFG_TEST(TestProfileList)
#include "TestProfileList.moc"
