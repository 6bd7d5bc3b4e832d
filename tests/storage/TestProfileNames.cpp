#include "storage/ConfigIni.h"
#include "storage/ProfileNames.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QTest>

Q_DECLARE_METATYPE(ProfileDeleteCheck)

class TestProfileNames : public QObject
{
    Q_OBJECT
private slots:
    // Slot names are given from slot 0; the rest keep their default names.
    void deletePlan_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("slotNames");
        QTest::addColumn<int>("current");
        QTest::addColumn<ProfileDeleteCheck>("check");
        QTest::addColumn<QString>("replacement");
        using C = ProfileDeleteCheck;
        const QStringList abcd{"A", "B", "C", "D"};
        QTest::newRow("next entry") << abcd << QStringList{"A"} << 0 << C::Allowed << "B";
        QTest::newRow("last entry: the one before") << abcd << QStringList{"D"} << 0 << C::Allowed << "C";
        QTest::newRow("next taken: down past itself") << abcd << QStringList{"B", "C"} << 0 << C::Allowed << "A";
        QTest::newRow("below taken too: up") << abcd << QStringList{"B", "C", "A"} << 0 << C::Allowed << "D";
        QTest::newRow("not listed: first free") << abcd << QStringList{"X", "A"} << 0 << C::Allowed << "B";
        QTest::newRow("two entries, the other taken") << QStringList{"A", "B"} << QStringList{"A", "B"} << 0 << C::RetainOne << "";
        QTest::newRow("itself listed twice") << QStringList{"A", "A"} << QStringList{"A"} << 0 << C::RetainOne << "";
        QTest::newRow("one name") << QStringList{"A"} << QStringList{"A"} << 0 << C::RetainOne << "";
        QTest::newRow("default name") << abcd << QStringList{"A"} << 1 << C::DefaultName << "";
        QTest::newRow("held by another slot") << abcd << QStringList{"A", "B", "A"} << 2 << C::UsedByOtherSlot << "";
    }

    void deletePlan()
    {
        QFETCH(QStringList, list);
        QFETCH(QStringList, slotNames);
        QFETCH(int, current);
        SettingsBlock block;
        initSettingsBlock(block);
        for (int k = 0; k < slotNames.size(); ++k)
            block.names[size_t(k)] = slotNames[k];
        block.currentProfile = quint8(current);
        const ProfileDeletePlan plan = planProfileDelete(list, block, block.names[size_t(current)]);
        QTEST(plan.check, "check");
        QTEST(plan.replacement, "replacement");
        QCOMPARE(plan.listIndex, list.indexOf(block.names[size_t(current)]));
    }

    // Imported slots keep their records under the names they take.
    void unusableSlotNamesAreRepaired()
    {
        TestAppFolder folder;
        SettingsBlock block;
        initSettingsBlock(block);
        block.names = {QString(), "Profile 4", "B", "a/b", "Profile 5"};
        block.profiles[0].mousespeed = 3;
        repairSlotNames(block, RepairedSlots::KeepRecords);
        QCOMPARE(block.names[0], QStringLiteral("Profile 1"));
        QCOMPARE(block.names[3], QStringLiteral("Profile 2"));
        QCOMPARE(int(block.profiles[0].mousespeed), 3);
    }

    void namesFromTheProductFolder()
    {
        TestAppFolder folder;
        writeCurrentProductName("QM700");
        for (const char *name : {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5", "X", "X copy", "X copy 2"})
            folder.writeFile(QString("Configs/QM700/Profile/%1.prof").arg(name), "[PROFILE]\n");
        QCOMPARE(newProfileName(), QString("Profile 6"));
        QCOMPARE(copyProfileName("X"), QString("X copy 3"));
        QCOMPARE(copyProfileName("X copy"), QString("X copy copy"));
        QCOMPARE(checkNewProfileName("X"), NewProfileName::Exists);
        QCOMPARE(checkNewProfileName("x"), NewProfileName::Accepted);
        for (const char *bad : {"", "../../x", "a/b"})
            QCOMPARE(checkNewProfileName(bad), NewProfileName::Unsafe);
        QVERIFY(!isDefaultProfileName("profile 1"));
        // The start-up tree's files take their names too.
        folder.writeFile("Configs/Profile/Profile 6.prof", "[PROFILE]\n");
        QCOMPARE(newProfileName(), QString("Profile 7"));
        QCOMPARE(checkNewProfileName("Profile 6"), NewProfileName::Exists);
    }

    void firstLetterOfTheLowestBit()
    {
        QCOMPARE(firstLetterOfMask(0b1100), int('C'));
        QCOMPARE(firstLetterOfMask(1u << 25), int('Z'));
        QCOMPARE(firstLetterOfMask(1u << 26), int('['));
        QCOMPARE(firstLetterOfMask(0), int('['));
    }
};

MOUSECFG_TEST(TestProfileNames)
#include "TestProfileNames.moc"
