#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include "platform/SingleInstance.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/file.h>

namespace {
// The built program copied into a test application folder, started with a runtime
// folder of its own.
class ProgramCopy
{
public:
    ProgramCopy()
    {
        m_folder.copySeedData();
        m_program = m_folder.path() + "/mousecfg";
        QFile::copy(QStringLiteral(MOUSECFG_PROGRAM), m_program);
        QFile(m_program).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        m_env.insert("QT_QPA_PLATFORM", "offscreen");
        // The test stops the programs with signals; nothing to report then.
        m_env.insert("ASAN_OPTIONS", "detect_leaks=0");
    }

    void start(QProcess &process)
    {
        process.setProcessEnvironment(m_env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(m_program, QStringList());
        QVERIFY(process.waitForStarted());
    }

    QString lockPath() const
    {
        return m_runtime.path() + "/" + SingleInstance::lockFileName("QM700 Wireless Gaming Mouse Mutex1");
    }

    // The pid written into the instance lock, 0 while there is none.
    qint64 lockOwner() const
    {
        QFile lock(lockPath());
        if (!lock.open(QIODevice::ReadOnly))
            return 0;
        return lock.readLine().trimmed().toLongLong();
    }

private:
    TestAppFolder m_folder;
    QTemporaryDir m_runtime;
    QString m_program;
    QProcessEnvironment m_env;
};

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished();
}

void expectExitOne(ProgramCopy &program)
{
    QProcess process;
    program.start(process);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 1);
}
}

class TestProgramStart : public QObject
{
    Q_OBJECT
private slots:
    // Whatever a crash left in the lock file is no obstacle; a live holder of its lock is,
    // and a copy paused between opening the file and locking it finds the lock taken.
    void secondStartExitsWithOne_data()
    {
        QTest::addColumn<QByteArray>("lockLeft"); // null: none
        QTest::addColumn<QString>("holder");
        QTest::newRow("no lock file") << QByteArray() << "none";
        QTest::newRow("empty lock file") << QByteArray("") << "none";
        QTest::newRow("garbled lock file") << QByteArray("\x01\xfe" "7x\n\n") << "none";
        QTest::newRow("empty, its holder alive") << QByteArray("") << "locked";
        QTest::newRow("empty, opened but not yet locked") << QByteArray("") << "opened";
    }
    void secondStartExitsWithOne()
    {
        QFETCH(QByteArray, lockLeft);
        QFETCH(QString, holder);
        ProgramCopy program;
        QFile lock(program.lockPath());
        if (!lockLeft.isNull())
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(lockLeft) >= 0 && lock.flush());
        if (holder == "locked") {
            QCOMPARE(flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
            expectExitOne(program);
            return;
        }
        if (holder == "none")
            lock.close();
        QProcess first;
        program.start(first);
        QTRY_COMPARE_WITH_TIMEOUT(program.lockOwner(), first.processId(), 30000);
        expectExitOne(program);
        QCOMPARE(first.state(), QProcess::Running);
        if (holder == "opened")
            QCOMPARE(flock(lock.handle(), LOCK_EX | LOCK_NB), -1);

        // A killed owner's lock goes with it: the next start runs.
        stop(first);
        QProcess third;
        program.start(third);
        QTRY_COMPARE_WITH_TIMEOUT(program.lockOwner(), third.processId(), 30000);
        QCOMPARE(third.state(), QProcess::Running);
        stop(third);
    }
};

MOUSECFG_TEST(TestProgramStart)
#include "TestProgramStart.moc"
