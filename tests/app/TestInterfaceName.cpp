#include "app/InterfaceName.h"
#include "platform/HidInterface.h"
#include "tests/common/TestMain.h"

#include <QTest>

class TestInterfaceName : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<int>("collection");
        QTest::addColumn<QString>("path");
        QTest::newRow("the watcher's vendor name")
            << hidInterfaceName({"/dev/hidraw2", 0x248A, 0xFA02, 1, 0}) << 0x248A << 0xFA02 << 4 << "/dev/hidraw2";
        QTest::newRow("composite interface, any case, path with '#'")
            << "\\\\?\\hid#vid_248a&pid_fb01&mi_00&Col01#8&2a#{4d1e}" << 0x248A << 0xFB01 << 1 << "8&2a#{4d1e}";
        QTest::newRow("other collection: no ids")
            << hidInterfaceName({"/dev/hidraw2", 0x248A, 0xFA02, 0x0C, 1}) << 0 << 0 << 0 << "/dev/hidraw2";
        QTest::newRow("id not hexadecimal") << "HID#VID_ZZZZ&PID_FA02&col04#p" << 0 << 0xFA02 << 4 << "p";
        QTest::newRow("one '#' only") << "HID#VID_248A&PID_FA02&col01" << 0x248A << 0xFA02 << 1 << "";
    }

    void parse()
    {
        QFETCH(QString, name);
        const InterfaceName parsed = parseInterfaceName(name);
        QTEST(int(parsed.vendorId), "vendorId");
        QTEST(int(parsed.productId), "productId");
        QTEST(parsed.collection, "collection");
        QTEST(parsed.path, "path");
    }
};

MOUSECFG_TEST(TestInterfaceName)
#include "TestInterfaceName.moc"
