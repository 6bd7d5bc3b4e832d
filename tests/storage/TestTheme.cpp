#include "storage/Theme.h"
#include "tests/common/TestAppFolder.h"
#include "tests/common/TestMain.h"

#include <QTest>

class TestTheme : public QObject
{
    Q_OBJECT
private slots:
    void paletteEntriesAndOutOfRangeIndexes()
    {
        const QColor expected[] = {QColor(255, 0, 0),   QColor(0, 255, 0),   QColor(0, 0, 255),
                                   QColor(255, 255, 0), QColor(255, 0, 255), QColor(0, 255, 255),
                                   QColor(255, 125, 0)};
        for (int i = 0; i < ThemeColorCount; ++i) {
            QCOMPARE(themePaletteColor(i), expected[i]);
            QCOMPARE(themePaletteColor(i).alpha(), 255);
        }
        QCOMPARE(themePaletteColor(7), expected[0]);
        QCOMPARE(themePaletteColor(-1), expected[0]);
    }

    void themeColorFollowsTheStoredIndex()
    {
        TestAppFolder folder;
        QCOMPARE(readThemeColorId(), 0);
        QCOMPARE(themeColor(), QColor(255, 0, 0));
        writeThemeColorId(6);
        QCOMPARE(readThemeColorId(), 6);
        QCOMPARE(themeColor(), QColor(255, 125, 0));
        writeThemeColorId(7);
        QCOMPARE(readThemeColorId(), 7);
        QCOMPARE(themeColor(), QColor(255, 0, 0));
        folder.writeFile("Configs/Config.ini", "[Config]\nGColorID=blue\n");
        QCOMPARE(readThemeColorId(), 0);
    }

    void menuStyleSheetIsFixed()
    {
        const QString sheet = menuStyleSheet();
        QCOMPARE(sheet, menuStyleSheet(QColor(1, 2, 3)));
        QCOMPARE(sheet.size(), 967);
        QVERIFY(sheet.startsWith(QStringLiteral("                      QMenu {")));
        QVERIFY(sheet.contains(QStringLiteral("QMenu::item:selected {                           border")));
        QVERIFY(sheet.contains(QStringLiteral("background-color:rgb(200,200,200);                       }")));
        QVERIFY(sheet.contains(QStringLiteral("padding:0px 20px;")));
    }
};

MOUSECFG_TEST(TestTheme)
#include "TestTheme.moc"
