#include "platform/DetachedStart.h"
#include "tests/common/TestMain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDetachedStart : public QObject
{
    Q_OBJECT
private slots:
    void startsWithArgumentsWholeOrReportsFailure()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("with space"));
        QFile script(dir.filePath("with space/updater"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        QVERIFY(!startDetached(dir.filePath("with space/missing")));
        QVERIFY(startDetached(script.fileName(), {"a b", "c"}));
        QFile args(script.fileName() + ".args");
        QTRY_COMPARE(args.size(), 6);
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll(), QByteArray("a b\nc\n"));
    }
};

MOUSECFG_TEST(TestDetachedStart)
#include "TestDetachedStart.moc"
