#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorAction.h"

#include <QMenu>
#include <QTest>

class TestQuorAction : public QObject
{
    Q_OBJECT
private slots:
    void takesTheFontAtEveryTextChange()
    {
        SkinFixture skin(12);
        QWidget owner;
        QuorAction action(&owner);
        QCOMPARE(action.parent(), nullptr);
        QCOMPARE(action.font().pixelSize(), 12);
        setUiScale(2.0);
        QCOMPARE(action.font().pixelSize(), 12);
        action.setText(QStringLiteral("Mode 1"));
        QCOMPARE(action.text(), QStringLiteral("Mode 1"));
        QCOMPARE(action.font().pixelSize(), 24);
        QCOMPARE(action.font().family(), QStringLiteral("DejaVu Sans"));
    }

    void trayFormAndMenuClearLeaveItAlive()
    {
        SkinFixture skin(12);
        setUiScale(1.5);
        QWidget owner;
        auto *action = new QuorAction(QStringLiteral("&Quit"), &owner);
        QCOMPARE(action->parent(), nullptr);
        QCOMPARE(action->font().pixelSize(), 18);
        {
            QMenu menu;
            menu.addAction(action);
            menu.clear();
        }
        QCOMPARE(action->text(), QStringLiteral("&Quit"));
        delete action;
    }
};

MOUSECFG_TEST(TestQuorAction)
#include "TestQuorAction.moc"
