#include "device/DpiEncoding.h"
#include "tests/common/TestMain.h"

#include <QTest>

namespace {
QByteArray bytes(DpiRegister r)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(&r), 2).toHex(' ');
}
QByteArray enc(int sensor, quint32 raw, bool second = false, quint8 status = 0)
{
    return bytes(encodeDpiRegister(sensor, raw, second, status));
}
} // namespace

class TestDpiEncoding : public QObject
{
    Q_OBJECT
private slots:
    void tableSensorsAtTheirRangeBreaks()
    {
        QCOMPARE(enc(3325, 0), QByteArray("00 00"));
        QCOMPARE(enc(3325, 50), QByteArray("73 00"));  // TA[50] = 115
        QCOMPARE(enc(33252, 51), QByteArray("3b 01")); // TA[26] = 59
        QCOMPARE(enc(3325, 75), QByteArray("73 01"));
        QCOMPARE(enc(3327, 61), QByteArray("8c 00"));  // TB[61] = 140
        QCOMPARE(enc(3327, 62), QByteArray("48 01"));  // TB[31] = 72
        QCOMPARE(enc(3327, 92), QByteArray("8c 01"));
        QCOMPARE(enc(3327, 93), QByteArray("5f 04"));  // TB[41] = 95
        QCOMPARE(enc(3327, 106), QByteArray("7c 04")); // TB[54] = 124
        QCOMPARE(enc(3333, 2), QByteArray("04 00"));   // TC starts at index 2
        QCOMPARE(enc(3333, 79), QByteArray("b9 00"));  // TC[79] = 185
        QCOMPARE(enc(3333, 80), QByteArray("5d 01"));  // TC[40] = 93
        QCOMPARE(enc(3333, 120), QByteArray("bb 01")); // TC[80] = 187
        QCOMPARE(enc(3335, 1), QByteArray("00 00"));   // TD starts at index 1
        QCOMPARE(enc(3335, 160), QByteArray("bc 00"));
        QCOMPARE(enc(33352, 161), QByteArray("90 01")); // TD[121] = 144
        QCOMPARE(enc(33352, 200), QByteArray("bc 01"));
    }

    void arithmeticSensors()
    {
        QCOMPARE(enc(3360, 120), QByteArray("77 00"));
        QCOMPARE(enc(3360, 121), QByteArray("3c 01"));
        QCOMPARE(enc(3212, 63), QByteArray("3f 00"));
        QCOMPARE(enc(3212, 64), QByteArray("20 01"));
        QCOMPARE(enc(3212, 94), QByteArray("3e 01"));
        QCOMPARE(enc(3212, 95), QByteArray("20 02"));
        QCOMPARE(enc(3104, 106), QByteArray("6a 00"));
        QCOMPARE(enc(3104, 107), QByteArray("36 01"));
        QCOMPARE(enc(3389, 320), QByteArray("40 01"));
        QCOMPARE(enc(3389, 480), QByteArray("40 81"));
        QCOMPARE(enc(33952, 519), QByteArray("07 02"));
        QCOMPARE(enc(33952, 520), QByteArray("04 81"));
        QCOMPARE(enc(33952, 520, true), QByteArray("08 02"));
        QCOMPARE(enc(33952, 521, true), QByteArray("05 81"));
        QCOMPARE(enc(3395, 519), QByteArray("07 02"));
        QCOMPARE(enc(3395, 519, false, 8), QByteArray("8f 01"));
        QCOMPARE(enc(3395, 399, false, 8), QByteArray("8f 01"));
        QCOMPARE(enc(3399, 300), QByteArray("00 00"));
        QCOMPARE(enc(0, 300), QByteArray("00 00"));
    }

    // Raw values from files beyond the tables are clamped into them.
    void outOfRangeIndexesStayInsideTheTables()
    {
        QCOMPARE(enc(3325, 1000), QByteArray("73 01"));
        QCOMPARE(enc(3327, 0xFFFFFFFFu), QByteArray("8c 04"));
        QCOMPARE(enc(3333, 0), QByteArray("04 00"));
        QCOMPARE(enc(3333, 500), QByteArray("bb 01"));
        QCOMPARE(enc(3335, 0), QByteArray("00 00"));
        QCOMPARE(enc(33352, 240), QByteArray("bc 01"));
        QCOMPARE(sniperRegister(3325, 255), quint8(115));
        QCOMPARE(sniperRegister(3327, 200), quint8(140));
        QCOMPARE(sniperRegister(3335, 0), quint8(0));
        QCOMPARE(sniperRegister(3335, 255), quint8(188));
    }

    void sniperAndSourceOrder()
    {
        QCOMPARE(sniperRegister(3325, 10), quint8(22));
        QCOMPARE(sniperRegister(3327, 3), quint8(9));
        QCOMPARE(sniperRegister(3335, 10), quint8(11));
        QCOMPARE(sniperRegister(3360, 10), quint8(9));
        QCOMPARE(sniperRegister(3389, 77), quint8(77));
        QCOMPARE(sniperRegister(3104, 77), quint8(77));
        QCOMPARE(sniperRegister(3333, 77), quint8(4));
        QCOMPARE(sniperRegister(33252, 77), quint8(4));
        quint32 a = 0, b = 0;
        dpiRegisterSources(3104, 1, 2, &a, &b);
        QCOMPARE(a, 2u);
        QCOMPARE(b, 1u);
        dpiRegisterSources(33352, 1, 2, &a, &b);
        QCOMPARE(b, 1u);
        dpiRegisterSources(3389, 1, 2, &a, &b);
        QCOMPARE(a, 1u);
        QCOMPARE(b, 2u);
    }
};

MOUSECFG_TEST(TestDpiEncoding)
#include "TestDpiEncoding.moc"
