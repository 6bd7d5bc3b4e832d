#include "buttons/QuorMacroSelect.h"
#include "buttons/QuorSniperWindow.h"
#include "storage/SensorDpi.h"
#include "tests/buttons/ButtonPageFixture.h"
#include "tests/common/TestMain.h"
#include "tests/widgets/SkinFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSlider.h"
#include "widgets/UiScale.h"

#include <QLineEdit>
#include <QSignalSpy>

namespace {
constexpr int SniperSlot = 4;
constexpr int MacroSlot = 1;

QVector<MacroAction> keyTap(quint8 usage)
{
    return {{MacroKeyPress, 0, usage}, {MacroDelay, 0, 5}, {MacroKeyRelease, 0, usage}};
}
}

class TestSettingDialogs : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<QuorPushButton *>(); }

    // The sniper value per sensor: a stored value outside the sensor's values gives
    // its default, the slider's range clamps what it shows.
    void sniperKeepsToTheSensor_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("stored"); // -1: no sniper stored
        QTest::addColumn<int>("dragTo"); // -1: slider left alone
        QTest::addColumn<int>("value");
        QTest::newRow("3389, stored 25") << 3389 << 25 << -1 << 6;
        QTest::newRow("3389, new") << 3389 << -1 << -1 << 6;
        QTest::newRow("3389, dragged") << 3389 << -1 << 12 << 12;
        QTest::newRow("3333, stored 1") << 3333 << 1 << -1 << 2;
        QTest::newRow("3212, stored 33") << 3212 << 33 << -1 << 16;
        QTest::newRow("3104, stored 14") << 3104 << 14 << -1 << 14;
        QTest::newRow("3325, stored 10") << 3325 << 10 << -1 << 10;
        QTest::newRow("unknown sensor") << 1234 << -1 << -1 << 0;
    }
    void sniperKeepsToTheSensor()
    {
        QFETCH(int, sensor);
        QFETCH(int, stored);
        QFETCH(int, dragTo);
        QFETCH(int, value);
        ButtonPageFixture fx;
        fx.setConfig("MouseSenSor/1", sensor);
        QuorBtnWindow &page = fx.page();
        ButtonSlot &slot = fx.record.buttons[SniperSlot];
        if (stored >= 0) {
            slot.Fun = FunSniper;
            slot.Res1 = quint8(stored);
        }
        ButtonSlot expected = slot;
        QString label;
        QVERIFY(chooseEntry(page, SniperSlot, {"Advance", "SNIPER"}, [&](QWidget *window) {
            auto *dialog = static_cast<QuorSniperWindow *>(window);
            if (dragTo >= 0)
                dialog->slider()->setValue(dragTo);
            label = dialog->valueLabel()->caption();
            clickButton(dialog, "msgBoxYesBtn");
        }));
        QCOMPARE(label, QString::number(sensorDpiFromRaw(value, sensor)));
        expected.Fun = FunSniper;
        expected.Res1 = quint8(value);
        QCOMPARE(slotText(slot), slotText(expected));
        QCOMPARE(page.slotButton(SniperSlot)->caption(), QString("SNIPER"));
    }

    // The sniper slider has the focus as the dialog opens, and shows it by the focus cue.
    void sniperSliderShowsTheFocus()
    {
        ButtonPageFixture fx;
        QuorSniperWindow dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog) && dialog.slider()->hasFocus());
        const QImage focused = dialog.slider()->grab().toImage();
        dialog.slider()->clearFocus();
        const QImage elsewhere = dialog.slider()->grab().toImage();
        QVERIFY(focused != elsewhere && onlyFocusCueDiffers(elsewhere, focused));
    }

    // The macro dialog over the listed macros: pick an entry (or none), a loop option
    // and a count, then Yes (refused without a macro) or No.
    void macroSelectStoresTheMacro_data()
    {
        QTest::addColumn<QString>("stored"); // macro the button holds, empty: a combo
        QTest::addColumn<QString>("pick");
        QTest::addColumn<int>("option"); // -1: left alone
        QTest::addColumn<QString>("count");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QVector<int>>("result"); // LoopNumber, Res1; empty: unchanged
        QTest::newRow("pick with count") << "" << "beta" << -1 << "12" << true << QVector<int>{12, 0};
        QTest::newRow("pick, repeat while held") << "" << "gamma" << 1 << "" << true << QVector<int>{1, 1};
        QTest::newRow("yes without a macro") << "" << "" << -1 << "" << true << QVector<int>{};
        QTest::newRow("no") << "" << "beta" << 2 << "4" << false << QVector<int>{};
        QTest::newRow("stored macro, yes") << "gamma" << "" << -1 << "" << true << QVector<int>{7, 2};
        QTest::newRow("stored macro, other pick") << "gamma" << "alpha" << 0 << "" << true << QVector<int>{7, 0};
        QTest::newRow("stored macro, no") << "gamma" << "beta" << 0 << "" << false << QVector<int>{};
        QTest::newRow("stored macro gone, yes") << "delta" << "" << -1 << "" << true << QVector<int>{};
        QTest::newRow("stored macro gone, pick") << "delta" << "alpha" << 0 << "" << true << QVector<int>{7, 0};
    }
    void macroSelectStoresTheMacro()
    {
        QFETCH(QString, stored);
        QFETCH(QString, pick);
        QFETCH(int, option);
        QFETCH(QString, count);
        QFETCH(bool, yes);
        QFETCH(QVector<int>, result);
        ButtonPageFixture fx;
        fx.addMacro(0, "alpha", keyTap(0x04));
        fx.addMacro(3, "beta", keyTap(0x05) + keyTap(0x06));
        fx.addMacro(49, "gamma", keyTap(0x07));
        QuorBtnWindow &page = fx.page();
        ButtonSlot &slot = fx.record.buttons[MacroSlot];
        // Combo steps under the macro rows stay where the macro does not reach.
        for (int i = 0; i < KeyStepCount; ++i)
            slot.KeyInfo[size_t(i)] = KeyStep{quint8(0xE0 + i % 4), 0x05, 0x80};
        slot.Fun = FunComboKey;
        if (!stored.isEmpty()) {
            slot.Fun = FunMacro;
            slot.macroname = stored;
            slot.LoopNumber = 7;
            slot.Res1 = MacroLoopUntilPressed;
        }
        page.refreshButtonCaptions();
        const ButtonSlot before = slot;
        QStringList menu;
        int shownOption = -1;
        bool refused = false;
        QVERIFY(chooseEntry(page, MacroSlot, {"Macro Manager"}, [&](QWidget *window) {
            auto *dialog = static_cast<QuorMacroSelect *>(window);
            for (QAction *a : dialog->macroMenu()->actions())
                menu << a->text();
            shownOption = dialog->loopMode();
            if (!pick.isEmpty())
                menuEntry(dialog->macroMenu(), pick)->trigger();
            if (option >= 0)
                QTest::mouseClick(dialog->loopOption(option), Qt::LeftButton);
            if (!count.isEmpty()) {
                dialog->countEdit()->clear();
                QTest::keyClicks(dialog->countEdit(), count);
            }
            clickButton(dialog, yes ? "msgBoxYesBtn" : "msgBoxNoBtn");
            refused = dialog->isVisible();
            if (refused)
                clickButton(dialog, "msgBoxNoBtn");
        }));
        QCOMPARE(menu, QStringList({"alpha", "beta", "gamma"}));
        QCOMPARE(shownOption, stored.isEmpty() ? 0 : 2);
        QCOMPARE(refused, yes && result.isEmpty());
        ButtonSlot expected = before;
        if (!result.isEmpty()) {
            expected.Fun = FunMacro;
            expected.macroname = pick.isEmpty() ? stored : pick;
            expected.LoopNumber = result[0];
            expected.Res1 = quint8(result[1]);
            copyMacroRowsToSlot(readMacroFile(expected.macroname).rows, expected);
        }
        QCOMPARE(slotText(slot), slotText(expected));
        QCOMPARE(page.slotButton(MacroSlot)->caption(), usesMacroFile(slot.Fun) ? slot.macroname : QString("COMBO KEY"));
    }

    // The count stands clear of its field's frame at every scale.
    void macroCountClearsItsFrame()
    {
        SkinFixture fx;
        for (double scale : {1.0, 2.0}) {
            setUiScale(scale);
            QuorMacroSelect dialog(QString(), "MACRO SELECT", "m", 255, 0);
            setUiScale(1.0);
            QLineEdit *count = dialog.countEdit();
            const QImage shown = count->grab().toImage();
            count->clear();
            const QRect ink = diffBox(shown, count->grab().toImage());
            QVERIFY(!ink.isEmpty());
            QVERIFY2(ink.left() >= scaledPixels(3, scale) && ink.top() >= 1 && ink.bottom() < count->height() - 1,
                     qPrintable(QStringLiteral("%1: ink from x %2").arg(scale).arg(ink.left())));
        }
    }

    void macroEntryWithoutMacrosGoesToTheEditor()
    {
        ButtonPageFixture fx;
        QuorBtnWindow &page = fx.page();
        QSignalSpy tab(&page, &QuorBtnWindow::GotoMacroTab);
        const ButtonSlot before = fx.record.buttons[MacroSlot];
        QVERIFY(chooseEntry(page, MacroSlot, {"Macro Manager"}));
        QCOMPARE(tab.count(), 1);
        QCOMPARE(tab.first().first().toInt(), 3);
        QCOMPARE(slotText(fx.record.buttons[MacroSlot]), slotText(before));
    }
};

MOUSECFG_TEST(TestSettingDialogs)
#include "TestSettingDialogs.moc"
