#include "platform/Clock.h"
#include "platform/KeyboardHook.h"
#include "storage/KeyCodes.h"
#include "tests/common/TestMain.h"

#include <QSet>
#include <QTest>
#include <QThread>

class TestScanCodes : public QObject
{
    Q_OBJECT
private slots:
    // Pressed or released, with or without Alt held, every key of the key-code table
    // comes out of some Linux key.
    void everyProgramKeyIsReachable()
    {
        QSet<int> table;
        for (int usage = 0; usage < 256; ++usage) {
            int code = 0;
            if (hidUsageToKeyCode(usage, &code))
                table << code;
        }
        QCOMPARE(table.size(), KeyTableSize);
        for (int variant = 0; variant < 4; ++variant) {
            const bool release = variant & 1;
            const bool alt = variant & 2;
            QSet<int> reached;
            for (quint32 evdev = 0; evdev < 256; ++evdev) {
                KeyHookRecord r;
                if (keyHookRecordFor(evdev + 8, release, alt, &r))
                    reached << remapScanCode(r.scanCode, r.flags);
            }
            for (int code : table)
                QVERIFY2(reached.contains(code), qPrintable(QString("%1 (release %2, alt %3)")
                                                                .arg(keyCodeName(code)).arg(release).arg(alt)));
        }
        KeyHookRecord r;
        QVERIFY(!keyHookRecordFor(0, false, false, &r));
        QVERIFY(!keyHookRecordFor(8 + 200, false, false, &r));
    }

    void clockIsMonotonicMillisecondsAndReplaceable()
    {
        const qint64 start = monotonicMs();
        QThread::msleep(30);
        const qint64 elapsed = monotonicMs() - start;
        QVERIFY2(elapsed >= 30 && elapsed < 5000, qPrintable(QString::number(elapsed)));
        setClockFunctionForTests([] { return qint64(1234); });
        QCOMPARE(monotonicMs(), qint64(1234));
        setClockFunctionForTests(nullptr);
        QVERIFY(monotonicMs() >= start + elapsed);
    }
};

MOUSECFG_TEST(TestScanCodes)
#include "TestScanCodes.moc"
