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
    // A lock file cut short by a crash names no owner: the start takes it over, unless
    // its writer still holds it (between creating and writing it).
    void secondStartExitsWithOne_data()
    {
        QTest::addColumn<QByteArray>("lockLeft"); // null: none
        QTest::addColumn<bool>("writerAlive");
        QTest::newRow("no lock file") << QByteArray() << false;
        QTest::newRow("empty lock file") << QByteArray("") << false;
        QTest::newRow("garbled lock file") << QByteArray("\x01\xfe" "7x\n\n") << false;
        QTest::newRow("empty, its writer alive") << QByteArray("") << true;
    }
    void secondStartExitsWithOne()
    {
        QFETCH(QByteArray, lockLeft);
        QFETCH(bool, writerAlive);
        ProgramCopy program;
        QFile lock(program.lockPath());
        if (!lockLeft.isNull())
            QVERIFY(lock.open(QIODevice::WriteOnly) && lock.write(lockLeft) >= 0 && lock.flush());
        if (writerAlive) {
            QCOMPARE(flock(lock.handle(), LOCK_EX | LOCK_NB), 0);
            expectExitOne(program);
            return;
        }
        lock.close();
        QProcess first;
        program.start(first);
        QTRY_COMPARE_WITH_TIMEOUT(program.lockOwner(), first.processId(), 30000);
        expectExitOne(program);
        QCOMPARE(first.state(), QProcess::Running);

        // A killed owner leaves a stale lock that the next start takes over.
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
