#include "app/BatteryLevel.h"
#include "storage/ConfigIni.h"
#include "tests/common/TestMain.h"

#include <QTest>

class TestBatteryLevel : public QObject
{
    Q_OBJECT
private slots:
    void percent_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("percent");
        const int fixed = BatteryFullDefault;
        QTest::newRow("1019: 4203 mV") << 1019 << fixed << 100;
        QTest::newRow("1018: 4199 mV") << 1018 << fixed << 90;
        QTest::newRow("994: 4100 mV") << 994 << fixed << 90;
        QTest::newRow("993: 4096 mV") << 993 << fixed << 80;
        QTest::newRow("885: no step at 3600") << 885 << fixed << 40;
        QTest::newRow("776: 3201 mV") << 776 << fixed << 20;
        QTest::newRow("775: 3196 mV") << 775 << fixed << 10;
        QTest::newRow("994, full at 4100") << 994 << 4100 << 100;
        QTest::newRow("full level not a number reads 0") << 257 << 0 << 100;
        QTest::newRow("largest word") << 0xFFFF << fixed << 100;
    }

    void percent()
    {
        QFETCH(int, word);
        QFETCH(int, full);
        QTEST(batteryPercent(quint8(word & 0xFF), quint8(word >> 8), full), "percent");
        QVERIFY(!isMouseOffReport(0, quint8(word & 0xFF), quint8(word >> 8)));
        QVERIFY(isMouseOffReport(0, 0, 0) && !isMouseOffReport(1, 0, 0));
    }
};

MOUSECFG_TEST(TestBatteryLevel)
#include "TestBatteryLevel.moc"
