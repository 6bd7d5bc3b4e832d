#include "storage/ProfileFiles.h"
#include "storage/StartupLoad.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"
#include "tests/common/ProfileSamples.h"

#include <QDir>
#include <QFile>
#include <QTest>

// The build seeds a new application folder with the factory profile in every slot
// that the shipped Config.ini names, so the first upload cannot send an empty profile.
class TestSeededAppFolder : public QObject
{
    Q_OBJECT
private slots:
    void everyNamedSlotHoldsTheFactoryProfile()
    {
        const QString seeded = QStringLiteral(MOUSECFG_SEED_CONFIGS "/Profile");
        TestAppFolder folder;
        folder.copySeedData();
        const QStringList files = QDir(seeded).entryList(QDir::Files);
        for (const QString &f : files)
            QVERIFY(QFile::copy(seeded + "/" + f, folder.configDir() + "/Profile/" + f));

        ProfileRecord factory;
        resetProfileToDefaults(factory);
        QCOMPARE(factory.buttons[0].Fun, 1);
        SettingsBlock block;
        loadAllSettings(block);
        for (int i = 0; i < ProfileCount; ++i) {
            QVERIFY(!block.names[i].isEmpty());
            QVERIFY2(files.contains(block.names[i] + ".prof"), qPrintable(block.names[i]));
            QCOMPARE(firstDifference(block.profiles[i], factory), QString());
        }
        QVERIFY(files.contains(QStringLiteral("DefaultProfile.prof")));
    }
};

MOUSECFG_TEST(TestSeededAppFolder)
#include "TestSeededAppFolder.moc"
