#include "platform/SingleInstance.h"
#include "tests/common/TestMain.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT
    const QByteArray m_runtimeBefore = qgetenv("XDG_RUNTIME_DIR");

private slots:
    void cleanup() { qputenv("XDG_RUNTIME_DIR", m_runtimeBefore); }

    // What stands at the lock path and is no plain file is left as it is, and the start
    // goes on at once without the lock; a link is never followed.
    void noPlainFileRunsWithoutTheLock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("directory") << "directory";
        QTest::newRow("dangling link") << "dangling link";
        QTest::newRow("link to a file") << "link to a file";
    }
    void noPlainFileRunsWithoutTheLock()
    {
        QFETCH(QString, kind);
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        const QString path = SingleInstance("name").lockFilePath();
        const QString target = runtime.filePath("target");
        if (kind == "fifo")
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == "directory")
            QVERIFY(QDir().mkdir(path));
        else
            QVERIFY(QFile::link(target, path));
        QFile file(target);
        if (kind == "link to a file")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep\n") == 5 && file.flush());

        QElapsedTimer timer;
        timer.start();
        SingleInstance instance("name");
        QTest::ignoreMessage(QtDebugMsg, QRegularExpression("running without the instance lock"));
        QCOMPARE(instance.acquire(), SingleInstance::Unavailable);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(QFileInfo(path).isFile(), kind == "link to a file");
        QCOMPARE(file.size(), kind == "link to a file" ? 5 : 0);
    }
};

MOUSECFG_TEST(TestSingleInstance)
#include "TestSingleInstance.moc"
