#include "storage/SensorDpi.h"
#include "tests/common/TestMain.h"

#include <QTest>

#include <climits>

class TestSensorDpi : public QObject
{
    Q_OBJECT
private slots:
    // Both ends of each sensor's raw range give exactly the DPI limits the DPI row shows.
    void rangeEndsGiveTheDpiLimits_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("minRaw");
        QTest::addColumn<int>("maxRaw");
        QTest::addColumn<int>("minDpi");
        QTest::addColumn<int>("maxDpi");
        QTest::newRow("3104") << 3104 << 14 << 159 << 500 << 8000;
        QTest::newRow("3212") << 3212 << 16 << 111 << 600 << 7200;
        QTest::newRow("3325") << 3325 << 1 << 50 << 100 << 5000;
        QTest::newRow("33252") << 33252 << 1 << 75 << 100 << 10000;
        QTest::newRow("3327 short") << 3327 << 1 << 92 << 200 << 12400;
        QTest::newRow("3327 long") << 3327 << 1 << 106 << 200 << 16400;
        QTest::newRow("3333") << 3333 << 2 << 120 << 200 << 16000;
        QTest::newRow("3335") << 3335 << 1 << 160 << 100 << 16000;
        QTest::newRow("33352") << 33352 << 1 << 240 << 100 << 32000;
        QTest::newRow("3360") << 3360 << 1 << 180 << 100 << 24000;
        QTest::newRow("3389") << 3389 << 2 << 480 << 100 << 32000;
        QTest::newRow("3395") << 3395 << 0 << 519 << 50 << 26000;
        QTest::newRow("33952") << 33952 << 0 << 779 << 50 << 52000;
        QTest::newRow("3399") << 3399 << 0 << 599 << 50 << 40000;
    }
    void rangeEndsGiveTheDpiLimits()
    {
        QFETCH(int, sensor);
        QFETCH(int, minRaw);
        QFETCH(int, maxRaw);
        QFETCH(int, minDpi);
        QFETCH(int, maxDpi);
        QCOMPARE(sensorDpiFromRaw(minRaw, sensor), minDpi);
        QCOMPARE(sensorDpiFromRaw(maxRaw, sensor), maxDpi);
    }

    void kneesAndSpecialValues_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("dpi");
        QTest::newRow("3325 50") << 3325 << 50 << 5000;
        QTest::newRow("3325 51") << 3325 << 51 << 5200;
        QTest::newRow("33252 51") << 33252 << 51 << 5200;
        QTest::newRow("3327 61") << 3327 << 61 << 6200;
        QTest::newRow("3327 62") << 3327 << 62 << 6400;
        QTest::newRow("3327 93") << 3327 << 93 << 12600;
        QTest::newRow("3327 105") << 3327 << 105 << 16200;
        QTest::newRow("3327 107") << 3327 << 107 << 16800;
        QTest::newRow("3333 80") << 3333 << 80 << 8000;
        QTest::newRow("3333 81") << 3333 << 81 << 8200;
        QTest::newRow("3335 161") << 3335 << 161 << 16200;
        QTest::newRow("3360 120") << 3360 << 120 << 12000;
        QTest::newRow("3360 121") << 3360 << 121 << 12200;
        QTest::newRow("3389 320") << 3389 << 320 << 16000;
        QTest::newRow("3389 321") << 3389 << 321 << 16100;
        QTest::newRow("3395 520") << 3395 << 520 << 26100;
        QTest::newRow("3399 399") << 3399 << 399 << 20000;
        QTest::newRow("3399 400") << 3399 << 400 << 20100;
        QTest::newRow("3212 21") << 3212 << 21 << 800;
        QTest::newRow("3212 32") << 3212 << 32 << 1200;
        QTest::newRow("3212 43") << 3212 << 43 << 1600;
        QTest::newRow("3212 63") << 3212 << 63 << 2400;
        QTest::newRow("3212 64") << 3212 << 64 << 2430;
        QTest::newRow("3212 94") << 3212 << 94 << 4710;
        QTest::newRow("3212 95") << 3212 << 95 << 4860;
        QTest::newRow("3104 24") << 3104 << 24 << 900;
        QTest::newRow("3104 26") << 3104 << 26 << 980;
        QTest::newRow("3104 29") << 3104 << 29 << 1100;
        QTest::newRow("3104 55") << 3104 << 55 << 2090;
        QTest::newRow("3104 105") << 3104 << 105 << 3990;
        QTest::newRow("3104 106") << 3104 << 106 << 4000;
        QTest::newRow("3104 107") << 3104 << 107 << 4100;
        QTest::newRow("3104 116") << 3104 << 116 << 4800;
        QTest::newRow("3104 200") << 3104 << 200 << 11170;
        QTest::newRow("unknown") << 3326 << 50 << 0;
        QTest::newRow("missing") << 0 << 50 << 0;
    }
    void kneesAndSpecialValues()
    {
        QFETCH(int, sensor);
        QFETCH(int, raw);
        QFETCH(int, dpi);
        QCOMPARE(sensorDpiFromRaw(raw, sensor), dpi);
    }

    // Stored raw values come from files; extreme ones must not overflow.
    void extremeRawValuesStayDefined()
    {
        for (int sensor : {3104, 3212, 3325, 3327, 3333, 3335, 3360, 3389, 3395, 3399}) {
            QCOMPARE(sensorDpiFromRaw(INT_MAX, sensor), INT_MAX);
            QVERIFY(sensorDpiFromRaw(INT_MIN, sensor) <= 0);
        }
    }

    void nearValueIsNineEitherSide()
    {
        QVERIFY(isNearValue(100, 91));
        QVERIFY(isNearValue(100, 109));
        QVERIFY(!isNearValue(100, 90));
        QVERIFY(!isNearValue(100, 110));
        QVERIFY(!isNearValue(INT_MAX, INT_MIN));
        QVERIFY(isNearValue(INT_MIN, INT_MIN + 9));
    }
};

MOUSECFG_TEST(TestSensorDpi)
#include "TestSensorDpi.moc"
