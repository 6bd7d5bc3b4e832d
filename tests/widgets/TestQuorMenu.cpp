#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorMenu.h"

#include <QTest>

class TestQuorMenu : public QObject
{
    Q_OBJECT
private slots:
    void paintsOnlyItsTitle()
    {
        SkinFixture skin(12);
        QuorMenu menu;
        menu.addAction(QStringLiteral("an entry that is never drawn"));
        menu.resize(200, 40);
        QPalette palette = menu.palette();
        palette.setColor(QPalette::WindowText, Qt::white);
        menu.setPalette(palette);
        QVERIFY(inkBox(renderOver(menu)).isEmpty());
        menu.setTitleText(QStringLiteral("Profile 1"));
        const QRect ink = inkBox(renderOver(menu));
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() < 3);
        QVERIFY(qAbs(ink.center().y() - 20) <= 2);
    }
};

MOUSECFG_TEST(TestQuorMenu)
#include "TestQuorMenu.moc"
