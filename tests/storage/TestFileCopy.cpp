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
    // A regular file is copied, also through a link, and only onto a regular file or
    // nothing: anything else on either side is refused, said which side, and neither it
    // nor what it points at changes.
    void copiesOnlyRegularFiles_data()
    {
        QTest::addColumn<bool>("source");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("result");
        for (const QString &kind : nonRegularFileKinds()) {
            QTest::addRow("target: %s", qPrintable(kind)) << false << kind << int(CopyResult::TargetRefused);
            const CopyResult read = kind == "link to a file" ? CopyResult::Copied : CopyResult::SourceRefused;
            QTest::addRow("source: %s", qPrintable(kind)) << true << kind << int(read);
        }
    }
    void copiesOnlyRegularFiles()
    {
        QFETCH(bool, source);
        QFETCH(QString, kind);
        QFETCH(int, result);
        TestAppFolder folder;
        const QString special = folder.path() + "/special";
        if (!makeNonRegularFile(kind, special))
            QSKIP("the system does not let this user make one");
        folder.writeFile("plain.prof", "[PROFILE]\nmousespeed=9\n");
        const QString plain = folder.path() + "/plain.prof";
        const QStringList entries = QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        const QString specialBefore = describePath(special);
        const bool copied = result == int(CopyResult::Copied);
        const QString plainAfter = copied ? describePath(special + ".pointed").section(',', 0, 0) : describePath(plain);

        QCOMPARE(int(source ? copyFileReplacing(special, plain) : copyFileReplacing(plain, special)), result);
        QCOMPARE(describePath(special), specialBefore);
        QCOMPARE(copied ? describePath(plain).section(',', 0, 0) : describePath(plain), plainAfter);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden), entries);
    }
};

MOUSECFG_TEST(TestFileCopy)
#include "TestFileCopy.moc"
