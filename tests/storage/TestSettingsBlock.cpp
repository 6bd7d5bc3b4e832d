#include "storage/SettingsBlock.h"
#include "tests/common/TestMain.h"

#include <QTest>

class TestSettingsBlock : public QObject
{
    Q_OBJECT
private slots:
    void indexesOutOfRangeFallBack()
    {
        QCOMPARE(safeProfileIndex(4), 4);
        QCOMPARE(safeProfileIndex(5), 0);
        QCOMPARE(safeProfileIndex(-1), 0);
        QCOMPARE(safeLedMode(13), 13);
        QCOMPARE(safeLedMode(14), DefaultLedMode);
        SettingsBlock block;
        block.currentProfile = 200;
        block.profiles[0].dpi = 7;
        QCOMPARE(currentRecord(block).dpi, quint8(7));
    }
};

MOUSECFG_TEST(TestSettingsBlock)
#include "TestSettingsBlock.moc"
