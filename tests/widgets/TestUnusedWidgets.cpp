#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorListWidgetItem.h"
#include "widgets/QuorPopBox.h"
#include "widgets/QuorProfileMenuItem.h"
#include "widgets/QuorTranslucentDialog.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The widgets that no window of the program creates.
class TestUnusedWidgets : public QObject
{
    Q_OBJECT
private slots:
    void popBoxKeepsTheTypedName()
    {
        SkinFixture skin;
        setUiScale(2.0);
        QuorPopBox box(1, QString(), "Warning", "Name");
        QCOMPARE(box.size(), QSize(478, 309));
        QVERIFY(box.secondButton());
        QCOMPARE(box.nameEdit()->maxLength(), 40);
        QTest::keyClicks(box.nameEdit(), QStringLiteral("Sniper set"));
        QCOMPARE(box.enteredName(), QStringLiteral("Sniper set"));
        QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.firstButton(), Qt::LeftButton); });
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QuorPopBox single(2, QString(), "Warning", "Name");
        QVERIFY(!single.secondButton());
        QCOMPARE(single.firstButton()->text(), QStringLiteral("Ok"));
    }

    void popBoxTakesTheShapeOfItsSkin()
    {
        SkinFixture skin;
        QImage shaped(478, 309, QImage::Format_ARGB32);
        shaped.fill(Qt::transparent);
        QPainter(&shaped).fillRect(10, 10, 400, 200, Qt::darkGray);
        QDir().mkpath(skin.folder().path() + "/skin");
        shaped.save(skin.folder().path() + "/skin/dlg.png");
        QuorPopBox box(2, QString(), "Warning", "Name");
        QVERIFY(box.mask().contains(QPoint(20, 20)));
        QVERIFY(!box.mask().contains(QPoint(450, 300)));
    }

    void profileItemAndOverlay()
    {
        SkinFixture skin;
        QuorProfileMenuItem item(nullptr, QStringLiteral("Profile 1"));
        QCOMPARE(item.text(), QStringLiteral("Profile 1"));
        item.setText(QStringLiteral("Profile 2"));
        QCOMPARE(item.text(), QStringLiteral("Profile 2"));
        QCOMPARE(item.findChild<QuorLabel *>()->size(), QSize(143, 20));

        setUiScale(1.5);
        QuorTranslucentDialog overlay;
        QCOMPARE(overlay.label()->caption(), QStringLiteral("Mouse Sleep"));
        QCOMPARE(overlay.label()->geometry(), QRect(30, 15, 345, 30));
        overlay.resize(400, 60);
        QCOMPARE(overlay.label()->geometry(), QRect(30, 15, 345, 30));
    }

    void listItemKeepsItsSizeHint()
    {
        QuorListWidgetItem item;
        QCOMPARE(item.listWidget(), nullptr);
        QVERIFY(item.data(Qt::SizeHintRole).canConvert<QSize>());
        item.setSizeHint(QSize(100, 24));
        QCOMPARE(item.sizeHint(), QSize(100, 24));
    }
};

MOUSECFG_TEST(TestUnusedWidgets)
#include "TestUnusedWidgets.moc"
