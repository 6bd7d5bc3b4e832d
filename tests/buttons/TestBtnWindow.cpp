#include "buttons/QuorBtnWindow.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/TestMain.h"
#include "widgets/QuorAction.h"

#include <QSignalSpy>
#include <QTranslator>

namespace {
// A model descriptor of `count` buttons whose matrix entries are given (255: no button).
QByteArray descriptor(int count, const QVector<int> &matrix, int disableMacro = 0)
{
    QMap<QByteArray, QByteArray> keys{{"MouseDpi", "0"},
                                      {"ButtonCount", QByteArray::number(count)},
                                      {"DisableMacro", QByteArray::number(disableMacro)}};
    for (int i = 0; i < matrix.size(); ++i)
        keys["BUTTON_INFO_" + QByteArray::number(i) + "_Matrix2"] = QByteArray::number(matrix[i]);
    return TestAppFolder::sampleDescriptor(keys);
}

QVector<int> entries(int n, QVector<int> holes = {})
{
    QVector<int> m;
    for (int i = 0; i < 16; ++i)
        m << (i < n && !holes.contains(i) ? i : 255);
    return m;
}

QStringList texts(QMenu *menu)
{
    QStringList list;
    for (QAction *a : menu->actions())
        list << (a->menu() ? a->menu()->title() : a->text());
    return list;
}
}

class TestBtnWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QuorPushButton *>(); }

    // Tops of the front buttons after a 16-button model gave way to the row's model;
    // -1 marks a button without area.
    void layoutFollowsTheModel_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QVector<int>>("tops");
        const QVector<int> none(20, -1);
        // Spread out: gap (440 - 7 * 30) / 8 = 28 and (440 - 5 * 30) / 6 = 48.
        const QVector<int> sample{28, 86, 144, 202, 260, 318, 376, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        const QVector<int> holes{48, 126, -1, 204, 282, -1, 360, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        QVector<int> sixteen = none;
        for (int c = 0; c < 16; ++c)
            sixteen[c] = 30 + 50 * c;
        const QVector<int> ten = sixteen.mid(0, 10) + QVector<int>(10, -1);
        QTest::newRow("sample model") << QByteArray() << sample;
        QTest::newRow("holes in the matrix") << descriptor(7, entries(7, {2, 5})) << holes;
        QTest::newRow("ten buttons, fixed step") << descriptor(10, entries(10)) << ten;
        QTest::newRow("count above 16") << descriptor(40, entries(16)) << sixteen;
        QTest::newRow("count 0") << descriptor(0, entries(16)) << none;
        QTest::newRow("count 255, as any above 16") << descriptor(255, entries(16)) << sixteen;
        QTest::newRow("count -1") << descriptor(-1, entries(16)) << none;
        // No descriptor, or a damaged one: the built-in model's seven buttons.
        QTest::newRow("no descriptor") << QByteArray("-") << sample;
        QTest::newRow("ten buttons, cut inside the last line") << descriptor(10, entries(10)).chopped(1) << sample;
    }
    void layoutFollowsTheModel()
    {
        QFETCH(QByteArray, model);
        QFETCH(QVector<int>, tops);
        ButtonPageFixture fx;
        fx.folder.writeFile("DefaultProfile.bin", descriptor(16, entries(16)));
        QuorBtnWindow &page = fx.page();
        fx.folder.removeDescriptor();
        if (model.isEmpty())
            QFile::copy(TestAppFolder::sourceDataDir() + "/DefaultProfile.bin", fx.folder.path() + "/DefaultProfile.bin");
        else if (model != "-")
            fx.folder.writeFile("DefaultProfile.bin", model);
        page.layoutButtons();
        for (int i = 0; i < 20; ++i) {
            QuorPushButton *b = page.frontButtons()[i];
            if (tops[i] < 0) {
                QVERIFY2(b->geometry().isEmpty(), qPrintable(QString::number(i)));
                QCOMPARE(b->focusPolicy(), Qt::NoFocus);
                continue;
            }
            QCOMPARE(b->geometry(), QRect(56, tops[i], 220, 30));
            QVERIFY(b->isVisible());
            QCOMPARE(b->focusPolicy(), Qt::StrongFocus);
        }
    }

    void menusListTheirEntries_data()
    {
        QTest::addColumn<int>("disableMacro");
        QTest::addColumn<QStringList>("main");
        const QStringList front{"Left", "Right", "Middle", "Forward", "Back", "Basic", "Windows", "Advance",
                                "Media", "DPI", "Polling Rate"};
        QTest::newRow("macros allowed") << 0 << front + QStringList{"Macro Manager", "Led Switch", "Button Off"};
        QTest::newRow("macros disabled") << 1 << front + QStringList{"Led Switch", "Button Off"};
    }
    void menusListTheirEntries()
    {
        QFETCH(int, disableMacro);
        QFETCH(QStringList, main);
        ButtonPageFixture fx;
        fx.folder.writeFile("DefaultProfile.bin", descriptor(7, entries(7), disableMacro));
        QuorBtnWindow &page = fx.page();
        QCOMPARE(texts(page.mainMenu()), main);
    }

    // A language change refills the menus with new actions, drops the old ones and
    // reads every caption again; the wheel codes have captions on any button.
    void languageChangeRenewsActionsAndCaptions()
    {
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page();
        QCOMPARE(page.slotButton(5)->caption(), QString("Scroll Up"));
        QCOMPARE(page.slotButton(6)->caption(), QString("Scroll Down"));
        QCOMPARE(page.slotButton(41)->caption(), QString("Scroll Down"));
        const QAction *oldLeft = page.functionAction(FunLeft);
        QTranslator tc;
        QVERIFY(tc.load(":/lang/tc.qm"));
        QCoreApplication::installTranslator(&tc);
        page.retranslate();
        QCoreApplication::removeTranslator(&tc);
        QVERIFY(page.functionAction(FunLeft) != oldLeft);
        QCOMPARE(page.mainMenu()->actions().first(), static_cast<QAction *>(page.functionAction(FunLeft)));
        QCOMPARE(page.slotButton(0)->caption(), QString::fromUtf8("左鍵"));
        QCOMPARE(page.slotButton(40)->caption(), QString::fromUtf8("滾輪向上"));
        QCOMPARE(page.slotButton(0)->toolTip(), page.slotButton(0)->caption());
    }

    // Entries picked from a button's menu; `lefts` lists extra slots given the left click first.
    void entriesAssignTheirCode_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QVector<int>>("lefts");
        QTest::addColumn<int>("fun");
        QTest::addColumn<bool>("warned");
        QTest::newRow("copy on a front button") << 1 << QStringList{"Basic", "Copy"} << QVector<int>{} << 18 << false;
        QTest::newRow("boss key") << 6 << QStringList{"Windows", "Boss Key"} << QVector<int>{} << 62 << false;
        QTest::newRow("wheel down button") << 41 << QStringList{"Volume Down"} << QVector<int>{} << 44 << false;
        QTest::newRow("wheel up button") << 40 << QStringList{"Forward"} << QVector<int>{} << 4 << false;
        QTest::newRow("side button") << 23 << QStringList{"Media", "Mute"} << QVector<int>{} << 45 << false;
        QTest::newRow("last left click") << 0 << QStringList{"Right"} << QVector<int>{} << 1 << true;
        QTest::newRow("last left click, dialog entry") << 0 << QStringList{"Advance", "SNIPER"} << QVector<int>{}
                                                       << 1 << true;
        QTest::newRow("left again") << 0 << QStringList{"Left"} << QVector<int>{} << 1 << false;
        QTest::newRow("second left click") << 0 << QStringList{"Right"} << QVector<int>{3} << 2 << false;
        QTest::newRow("wheel holds a left click") << 0 << QStringList{"Right"} << QVector<int>{41} << 2 << false;
        QTest::newRow("unsent slots do not count") << 0 << QStringList{"Right"} << QVector<int>{7, 20, 39}
                                                   << 1 << true;
    }
    void entriesAssignTheirCode()
    {
        QFETCH(int, slot);
        QFETCH(QStringList, path);
        QFETCH(QVector<int>, lefts);
        QFETCH(int, fun);
        QFETCH(bool, warned);
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page(slot < 20);
        for (int s : lefts)
            fx.record.buttons[size_t(s)].Fun = FunLeft;
        if (slot >= 20 && slot < 40)
            page.showButtonGroup(0, 1);
        QVERIFY(!page.slotButton(40)->geometry().intersects(page.slotButton(41)->geometry()));
        const ButtonSlot before = fx.record.buttons[size_t(slot)];
        QSignalSpy pop(&page, &QuorBtnWindow::PopOneClickBox);
        QSignalSpy sel(&page, &QuorBtnWindow::SelBtnControl);
        QVERIFY(chooseEntry(page, slot, path));
        QCOMPARE(pop.count(), warned ? 1 : 0);
        ButtonSlot expected = before;
        expected.Fun = fun;
        QCOMPARE(slotText(fx.record.buttons[size_t(slot)]), slotText(expected));
        QCOMPARE(page.slotButton(slot)->caption(), page.functionAction(fun)->text());
        QVERIFY(!sel.isEmpty());
        QCOMPARE(sel.last().at(0).value<QuorPushButton *>(), page.slotButton(slot));
        QCOMPARE(sel.last().at(1).toBool(), warned);
        // A completed assignment leaves no current button.
        QCOMPARE(page.currentButton(), quint8(warned ? slot % 20 : 255));
    }
};

MOUSECFG_TEST(TestBtnWindow)
#include "TestBtnWindow.moc"
