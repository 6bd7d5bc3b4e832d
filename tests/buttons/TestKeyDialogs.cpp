#include "buttons/QuorComboKeyWindow.h"
#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorSingleKeyWindow.h"
#include "widgets/QuorAction.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/TestMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

namespace {
using Steps = QVector<KeyStep>;

// Press and release steps of a combo, as the page stores them.
Steps comboSteps(const QVector<quint8> &usages)
{
    Steps steps;
    for (quint8 u : usages)
        steps << KeyStep{u, 0x05, 0x80};
    for (int i = usages.size() - 1; i >= 0; --i)
        steps << KeyStep{usages[i], 0x05, 0x00};
    return steps;
}

void setSteps(ButtonSlot &slot, const Steps &steps)
{
    slot.KeyInfo.fill(KeyStep());
    std::copy(steps.begin(), steps.end(), slot.KeyInfo.begin());
}

constexpr int ComboSlot = 2;
}

class TestKeyDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QuorPushButton *>(); }

    // Keys pressed in the single key dialog, then OK (or Cancel): the key stored.
    void singleKeyStoresTheLastKey_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("res1");
        QTest::newRow("left shift") << "+42 r42 r42 -42" << true << 42;
        QTest::newRow("right ctrl") << "+97 -97" << true << 238;
        QTest::newRow("num 7") << "+71 -71" << true << 235;
        QTest::newRow("home") << "+102 -102" << true << 71;
        QTest::newRow("num enter") << "+96 -96" << true << 229;
        QTest::newRow("num lock") << "+69 -69" << true << 225;
        QTest::newRow("pause") << "+119 -119" << true << 69;
        QTest::newRow("A, B, release A") << "+30 +48 -30" << true << 30;
        QTest::newRow("key without usage keeps A") << "+30 -30 +86 -86" << true << 30;
        QTest::newRow("escape is a key") << "+1 -1" << true << 1;
        QTest::newRow("cancel") << "+30 -30" << false << -1;
    }
    void singleKeyStoresTheLastKey()
    {
        QFETCH(QString, keys);
        QFETCH(bool, ok);
        QFETCH(int, res1);
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page();
        fx.record.buttons[1].Res1 = 7;
        const ButtonSlot before = fx.record.buttons[1];
        bool stayedOpen = false;
        QVERIFY(chooseEntry(page, 1, {"Advance", "SINGLE KEY"}, [&](QWidget *dialog) {
            sendKeys(dialog, keys);
            stayedOpen = dialog->isVisible();
            clickButton(dialog, ok ? "msgBoxYesBtn" : "msgBoxNoBtn");
        }));
        QVERIFY(stayedOpen);
        ButtonSlot expected = before;
        if (ok) {
            expected.Fun = FunSingleKey;
            expected.Res1 = quint8(res1);
        }
        QCOMPARE(slotText(fx.record.buttons[1]), slotText(expected));
    }

    // Keys pressed in the combo dialog over a stored combo, then OK: the key steps
    // stored. No key reaches a shortcut meanwhile, nor closes the dialog.
    void comboStoresPressesAndReleases_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVector<quint8>>("usages");
        QTest::addColumn<bool>("reload"); // the page shows another record meanwhile
        QTest::newRow("ctrl+A") << "+29 +30 -30 -29" << "LCtr + A" << QVector<quint8>{0xE0, 0x04} << false;
        QTest::newRow("page reloaded meanwhile") << "+29 +30 -30 -29" << "LCtr + A" << QVector<quint8>{0xE0, 0x04}
                                                 << true;
        QTest::newRow("alt+left") << "+56 +105 -105 -56" << "LAlt + Left" << QVector<quint8>{0xE2, 0x50} << false;
        QTest::newRow("alt+num 7") << "+56 +71 -71 -56" << "LAlt + Num 7" << QVector<quint8>{0xE2, 0x5F} << false;
        QTest::newRow("right alt+A") << "+100 +30 -30 -100" << "LAlt + A" << QVector<quint8>{0xE2, 0x04} << false;
        QTest::newRow("both shifts, left up, A") << "+42 +54 -42 +30" << "LShift + A" << QVector<quint8>{0xE1, 0x04}
                                                 << false;
        QTest::newRow("released before pressed, escape") << "-29 -56 +1 -1 +30 -30" << "A" << QVector<quint8>{0x04}
                                                         << false;
        QTest::newRow("ctrl held, key without usage") << "+29 +30 -30 +86" << "LCtr + A"
                                                       << QVector<quint8>{0xE0, 0x04} << false;
        QTest::newRow("four modifiers") << "+125 +56 +29 +42 +48" << "LShift + LCtr + LWindows + LAlt + B"
                                        << QVector<quint8>{0xE1, 0xE0, 0xE3, 0xE2, 0x05} << false;
        QTest::newRow("stored combo kept") << "" << "LShift + Z" << QVector<quint8>{0xE1, 0x1D} << false;
    }
    void comboStoresPressesAndReleases()
    {
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QVector<quint8>, usages);
        QFETCH(bool, reload);
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page();
        ProfileRecord other;
        resetProfileToDefaults(other);
        const ProfileRecord otherBefore = other;
        ButtonSlot &slot = fx.record.buttons[ComboSlot];
        slot.Fun = FunComboKey;
        setSteps(slot, comboSteps({0xE1, 0x1D}));
        slot.LoopNumber = 9;
        ButtonSlot expected = slot;
        setSteps(expected, comboSteps(usages));
        int shortcutHits = 0;
        QShortcut shortcut(QKeySequence(Qt::CTRL + Qt::Key_A), &page);
        shortcut.setContext(Qt::ApplicationShortcut);
        connect(&shortcut, &QShortcut::activated, [&] { ++shortcutHits; });
        QString shown;
        QVERIFY(chooseEntry(page, ComboSlot, {"Advance", "COMBO KEY"}, [&](QWidget *dialog) {
            sendKeys(dialog, keys);
            shown = static_cast<QuorComboKeyWindow *>(dialog)->comboText();
            if (reload)
                page.setButtonRecords(&other);
            clickButton(dialog, "msgBoxYesBtn");
        }));
        QCOMPARE(shown, text);
        QCOMPARE(slotText(slot), slotText(expected));
        // The combo went to the record the dialog was opened for; the page shows its record.
        QCOMPARE(slotText(other.buttons[ComboSlot]), slotText(otherBefore.buttons[ComboSlot]));
        const ButtonSlot &shownSlot = reload ? other.buttons[ComboSlot] : slot;
        QCOMPARE(page.slotButton(ComboSlot)->caption(), page.functionAction(shownSlot.Fun)->text());
        QCOMPARE(shortcutHits, 0);
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        QVERIFY(!sendNativeKey(&page, QEvent::KeyPress, 30, Qt::Key_A, Qt::ControlModifier));
        QCOMPARE(shortcutHits, 1);
    }

    // Fire key: mode boxes clicked (b0..b3), keys (+/-), Times typed (t<text>) and
    // Return there (ret), the key of a code typed at a popup menu over the dialog, which
    // Escape then closes (m<code>); then OK, which a keyboard mode without a usable key
    // refuses.
    void fireKeyStoresSourceTimesAndDelay_data()
    {
        QTest::addColumn<int>("stored"); // -1: the button holds no fire key
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QVector<int>>("result"); // Res1, LoopNumber, KeyNumber
        QTest::newRow("defaults") << -1 << "" << true << QVector<int>{129, 3, 100};
        QTest::newRow("keyboard F5") << -1 << "b3 +63 -63" << true << QVector<int>{0x3E, 3, 100};
        QTest::newRow("stored right") << 130 << "" << true << QVector<int>{130, 3, 10};
        QTest::newRow("middle after a key") << -1 << "b3 +63 b2" << true << QVector<int>{132, 3, 100};
        QTest::newRow("keyboard without key") << -1 << "b3" << false << QVector<int>{};
        QTest::newRow("key without usage") << -1 << "b3 +86 -86" << false << QVector<int>{};
        QTest::newRow("stored usage without key") << 0x87 << "" << false << QVector<int>{};
        QTest::newRow("stored usage, then F5") << 0x87 << "+63" << true << QVector<int>{0x3E, 3, 10};
        QTest::newRow("escape is a key") << -1 << "b3 +1 -1" << true << QVector<int>{0x29, 3, 100};
        QTest::newRow("return ends the times edit") << -1 << "b3 +63 -63 t7 ret -28" << true
                                                    << QVector<int>{0x3E, 7, 100};
        QTest::newRow("keys ignored outside keyboard mode") << -1 << "+63 -63" << true << QVector<int>{129, 3, 100};
        QTest::newRow("keys at a popup menu are the menu's") << -1 << "b3 +63 -63 m30" << true
                                                           << QVector<int>{0x3E, 3, 100};
    }
    void fireKeyStoresSourceTimesAndDelay()
    {
        QFETCH(int, stored);
        QFETCH(QString, steps);
        QFETCH(bool, accepted);
        QFETCH(QVector<int>, result);
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page();
        ButtonSlot &slot = fx.record.buttons[3];
        if (stored >= 0) {
            slot.Fun = FunFireKey;
            slot.Res1 = quint8(stored);
        }
        const ButtonSlot before = slot;
        bool refused = false;
        QVERIFY(chooseEntry(page, 3, {"Advance", "FIRE KEY"}, [&](QWidget *window) {
            auto *dialog = static_cast<QuorFireKeyWindow *>(window);
            for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
                if (step[0] == 'b') {
                    QTest::mouseClick(dialog->modeBox(step.mid(1).toInt()), Qt::LeftButton);
                } else if (step[0] == 't') {
                    dialog->timesEdit()->setFocus();
                    dialog->timesEdit()->clear();
                    QTest::keyClicks(dialog->timesEdit(), step.mid(1));
                } else if (step == "ret") {
                    sendNativeKey(dialog, QEvent::KeyPress, 28, Qt::Key_Return);
                } else if (step[0] == 'm') {
                    QMenu menu(dialog);
                    menu.addAction("entry");
                    QVERIFY(runModal([&] { menu.exec(dialog->mapToGlobal(QPoint())); }, [&](QWidget *popup) {
                        sendKeys(popup, QString("+%1 -%1 +1").arg(step.mid(1)));
                    }));
                } else {
                    sendKeys(dialog, step);
                }
            }
            clickButton(dialog, "msgBoxYesBtn");
            emit dialog->okButton()->released(); // a way round a disabled button
            refused = dialog->isVisible();
            if (refused)
                clickButton(dialog, "msgBoxNoBtn");
        }));
        QCOMPARE(refused, !accepted);
        ButtonSlot expected = before;
        if (accepted) {
            expected.Fun = FunFireKey;
            expected.Res1 = quint8(result[0]);
            expected.LoopNumber = result[1];
            expected.KeyNumber = result[2];
        }
        QCOMPARE(slotText(slot), slotText(expected));
    }

    // The key field's pictures come from the application folder, whatever the working
    // folder holds.
    void fireKeyFieldPicturesFromTheApplicationFolder()
    {
        ButtonPageFixture fx;
        QImage picture(37, 11, QImage::Format_ARGB32);
        picture.fill(Qt::gray);
        QDir().mkpath(fx.folder.path() + "/skin");
        QVERIFY(picture.save(fx.folder.path() + "/skin/tabbutton-1.png"));
        QuorFireKeyWindow fire;
        QCOMPARE(fire.keyField()->sizeHint(), QSize(37, 11));
    }

    // The source boxes' pictures fill 16 design pixels times the scale, whatever their
    // own size, as every check box of the window does.
    void fireKeyBoxPicturesFollowTheScale_data()
    {
        QTest::addColumn<double>("scale");
        for (double scale : {1.0, 1.25, 1.5, 2.0})
            QTest::newRow(qPrintable(QString::number(scale))) << scale;
    }
    void fireKeyBoxPicturesFollowTheScale()
    {
        QFETCH(double, scale);
        ButtonPageFixture fx;
        QImage picture(5, 5, QImage::Format_ARGB32);
        picture.fill(Qt::green);
        QDir().mkpath(fx.folder.path() + "/skin");
        QVERIFY(picture.save(fx.folder.path() + "/skin/checkbox1-1.png"));
        setUiScale(scale);
        QuorFireKeyWindow fire;
        const QImage image = fire.modeBox(QuorFireKeyWindow::RightMode)->grab().toImage();
        QRect green;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                green |= image.pixel(x, y) == QColor(Qt::green).rgb() ? QRect(x, y, 1, 1) : QRect();
        QCOMPARE(green.size(), QSize(int(16 * scale), int(16 * scale)));
    }
};

MOUSECFG_TEST(TestKeyDialogs)
#include "TestKeyDialogs.moc"
