#include "storage/FileCopy.h"
#include "tests/common/NonRegularFiles.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QDir>
#include <QTest>

class TestFileCopy : public QObject
{
    Q_OBJECT
private slots:
    // Only a regular file is copied, and only onto a regular file or nothing: anything
    // else on either side is refused, and neither it nor what it points at changes.
    void copiesOnlyRegularFiles_data()
    {
        QTest::addColumn<bool>("source");
        QTest::addColumn<QString>("kind");
        for (const QString &kind : nonRegularFileKinds()) {
            QTest::addRow("target: %s", qPrintable(kind)) << false << kind;
            QTest::addRow("source: %s", qPrintable(kind)) << true << kind;
        }
    }
    void copiesOnlyRegularFiles()
    {
        QFETCH(bool, source);
        QFETCH(QString, kind);
        TestAppFolder folder;
        const QString special = folder.path() + "/special";
        if (!makeNonRegularFile(kind, special))
            QSKIP("the system does not let this user make one");
        folder.writeFile("plain.prof", "[PROFILE]\nmousespeed=9\n");
        const QString plain = folder.path() + "/plain.prof";
        const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        const QString specialBefore = describePath(special), plainBefore = describePath(plain);

        QVERIFY(!(source ? copyFileReplacing(special, plain) : copyFileReplacing(plain, special)));
        QCOMPARE(describePath(special), specialBefore);
        QCOMPARE(describePath(plain), plainBefore);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), entries);
    }
};

MOUSECFG_TEST(TestFileCopy)
#include "TestFileCopy.moc"
