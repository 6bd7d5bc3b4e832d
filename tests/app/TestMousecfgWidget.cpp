#include "tests/app/ModalScript.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/ModalRunner.h"
#include "tests/common/TestMain.h"

#include "platform/HostInput.h"
#include "storage/ConfigIni.h"
#include "storage/FunctionCodes.h"
#include "storage/IniFile.h"
#include "storage/ProfileFiles.h"
#include "storage/SettingsBlock.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorSlider.h"

#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <utility>

class TestMousecfgWidget : public QObject
{
    Q_OBJECT
private slots:
    // The window's size follows the screen's logical DPI (run also with QT_FONT_DPI=120).
    void receiverPluggedOpensPollsAndShows()
    {
        WindowFixture fixture(true, false);
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        QCOMPARE(window.connectedCount(), 1);
        QCOMPARE(FakeMouse::instance().openHandleCount(FakeLink::Receiver), 2);
        QVERIFY(probe.batteryThreadRunning());
        QTRY_VERIFY(FakeMouse::instance().readCount() > 0);
        window.show();
        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        const QSize expected = dpi == 120 ? QSize(1248, 800) : QSize(999, 640);
        if (dpi != 120 && dpi != 96 && dpi != 100)
            QSKIP("screen DPI outside the cases this test knows");
        QCOMPARE(window.size(), expected);
    }

    void nothingPluggedShowsTheBoxLater_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("escape") << false;
    }
    void nothingPluggedShowsTheBoxLater()
    {
        QFETCH(bool, confirm);
        WindowFixture fixture(false, false);
        MousecfgWidget &window = fixture.open();
        QCOMPARE(window.connectedCount(), 0);
        QString message;
        int type = 0;
        bool closed = false;
        QVERIFY(!window.isVisible());
        // The box opens from the window's 200 ms timer while the test waits.
        QVERIFY(runModal([&] { QTRY_VERIFY(closed); },
                         [&](QWidget *modal) {
                             auto *box = qobject_cast<QuorMessageBox *>(modal);
                             QVERIFY(box);
                             message = box->messageLabel()->caption();
                             type = box->type();
                             QCOMPARE(warningBoxOpen, quint8(1));
                             if (confirm)
                                 box->accept();
                             else
                                 QTest::keyClick(box, Qt::Key_Escape);
                             closed = true;
                         }));
        QCOMPARE(type, 4);
        QCOMPARE(message, QStringLiteral("Dongle Disconnect!"));
        // Cleared whatever the answer; without a tray a confirmed box minimises the window.
        QCOMPARE(warningBoxOpen, quint8(0));
        QCOMPARE(window.isMinimized(), confirm);
    }

    void tabsShowTheirControls_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("front");
        // model label, front picture, side picture, Front button, front hot-spot, side hot-spot,
        // arrow, lighting page, DPI page, speed panel, rate panel, button page, macro page
        QTest::addColumn<QVector<bool>>("shown");
        QTest::newRow("lighting") << 0 << true
                                  << QVector<bool>{true, true, false, false, false, false, false, true, false, false, false,
                                                   false, false};
        QTest::newRow("buttons front")
            << 1 << true << QVector<bool>{true, true, false, true, true, false, true, false, false, false, false,
                                          true, false};
        QTest::newRow("buttons side")
            << 1 << false << QVector<bool>{true, false, true, true, false, true, false, false, false, false, false,
                                           true, false};
        QTest::newRow("dpi") << 2 << true
                             << QVector<bool>{false, false, false, false, false, false, false, false, true, true, true,
                                              false, false};
        QTest::newRow("macro") << 3 << true
                               << QVector<bool>{false, false, false, false, false, false, false, false, false, false, false,
                                                false, true};
    }
    void tabsShowTheirControls()
    {
        QFETCH(int, tab);
        QFETCH(bool, front);
        QFETCH(QVector<bool>, shown);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        probe.setFrontView(front);
        window.switchPage(tab);
        const QWidget *controls[] = {probe.modelLabel(),   probe.frontPicture(), probe.sidePicture(),
                                     probe.frontButton(),  probe.hotspot(0),     probe.hotspot(20),
                                     probe.arrowUp(),      probe.lightingPage(), probe.dpiPage(),
                                     probe.speedPanel(),   probe.ratePanel(),    probe.buttonPage(),
                                     probe.macroPage()};
        for (int i = 0; i < shown.size(); ++i)
            QVERIFY2(!controls[i]->isHidden() == shown[i], qPrintable(QString::number(i)));
        for (int i = 0; i < MousecfgWidget::TabCount; ++i)
            QCOMPARE(probe.button(i)->isSelected(), i == tab);
        // A tab outside 0..3 changes nothing.
        window.switchPage(4);
        window.switchPage(-1);
        QVERIFY(probe.button(tab)->isSelected());
    }

    // The button page's hover, macro and one-click signals reach the window.
    void buttonPageSignalsReachTheWindow()
    {
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        QuorBtnWindow *page = probe.buttonPage();
        QuorPushButton *third = page->frontButtons().at(2);
        emit page->SelBtnControl(third, true);
        QVERIFY(!probe.hotspot(2)->isSelected());
        emit page->SelBtnControl(third, false);
        QVERIFY(probe.hotspot(2)->isSelected());

        emit page->GotoMacroTab(MousecfgWidget::MacroTab);
        QVERIFY(!probe.macroPage()->isHidden());
        QVERIFY(page->isHidden());

        QString message;
        QVERIFY(runModal([&] { emit page->PopOneClickBox(); },
                         [&](QWidget *box) {
                             auto *messageBox = qobject_cast<QuorMessageBox *>(box);
                             QVERIFY(messageBox);
                             message = messageBox->messageLabel()->caption();
                             messageBox->firstButton()->click();
                         }));
        QCOMPARE(message, QStringLiteral("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));

        // The macro page renamed a macro in the block's slots: the page shows the slots again.
        currentRecord(workingSettings).buttons[1].Fun = FunMiddle;
        emit probe.macroPage()->RefreshButtonSlots();
        QCOMPARE(page->slotButton(1)->caption(), page->slotButton(2)->caption());
    }

    // What the pages show of the current profile comes back into it unchanged.
    void pagesRoundTripTheCurrentProfile()
    {
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        workingSettings.currentProfile = 2;
        ProfileRecord &record = workingSettings.profiles[2];
        record.dpi = 3;
        for (int i = 0; i < DpiStageCount; ++i)
            record.stages[size_t(i)] = DpiStage{quint8(i % 2), 0, 0, quint32(10 + 20 * i), quint32(12 + 20 * i)};
        record.pollrate = 4;
        record.mousespeed = 7;
        record.scrollspeed = 5;
        const ProfileRecord shown = record;
        window.refreshPages();
        QCOMPARE(probe.speedPanel()->pointerSlider()->value(), 7);
        QCOMPARE(probe.speedPanel()->scrollBox()->value(), 5);
        // Apply takes the pages' copies back, whatever the record holds meanwhile.
        record.dpi = 0;
        record.stages = {};
        record.pollrate = 1;
        window.storeUiIntoProfile();
        QCOMPARE(int(record.dpi), 3);
        QCOMPARE(int(record.pollrate), 4);
        for (int i = 0; i < DpiStageCount; ++i) {
            QCOMPARE(record.stages[size_t(i)].used, shown.stages[size_t(i)].used);
            QCOMPARE(record.stages[size_t(i)].x, shown.stages[size_t(i)].x);
            QCOMPARE(record.stages[size_t(i)].y, shown.stages[size_t(i)].y);
        }
        QCOMPARE(int(record.mousespeed), 7);
        QCOMPARE(int(record.scrollspeed), 5);
        QCOMPARE(workingSettings.profiles[0].pollrate, lastWrittenSettings.profiles[0].pollrate);
        // The lift-off distance goes straight into the block.
        probe.ratePanel()->liftButton(0)->click();
        QCOMPARE(int(workingSettings.LiftHigh), 1);
    }

    void linkIconsFollowTheLinks_data()
    {
        QTest::addColumn<bool>("cable");
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<int>("state");
        QTest::newRow("both") << true << true << int(MousecfgWidget::CableAndReceiver);
        QTest::newRow("cable") << true << false << int(MousecfgWidget::CableOnly);
        QTest::newRow("receiver") << false << true << int(MousecfgWidget::ReceiverOnly);
        QTest::newRow("neither") << false << false << int(MousecfgWidget::NoLink);
    }
    void linkIconsFollowTheLinks()
    {
        QFETCH(bool, cable);
        QFETCH(bool, receiver);
        QFETCH(int, state);
        WindowFixture fixture(receiver, cable);
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        QCOMPARE(probe.linkState(), state);
        QCOMPARE(!probe.dongleLabel()->isHidden(), receiver);
        QCOMPARE(!probe.batteryBar()->isHidden(), !cable);
        QVERIFY(probe.cableLabel()->isHidden());
    }

    void tabNeverReachesAControlWithoutArea()
    {
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        probe.langButton()->setFocus();
        int reached = 0;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->width() > 0 && focus->height() > 0, focus->metaObject()->className());
            reached += focus == probe.button(13) ? 1 : 0;
        }
        QVERIFY(reached > 0);
        // OK has no area: Space cannot click it unseen.
        QCOMPARE(probe.button(11)->focusPolicy(), Qt::NoFocus);
    }

    // A tray click while a dialog is open brings the window and the dialog up; the
    // hide it asks for of a shown window comes once the dialog has closed.
    void trayClickKeepsTheDialogWithItsWindow_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("RESET's box") << 6 << false;
        QTest::newRow("busy dialog of Apply") << 13 << false;
        QTest::newRow("box, window hidden meanwhile") << 6 << true;
    }
    void trayClickKeepsTheDialogWithItsWindow()
    {
        QFETCH(int, command);
        QFETCH(bool, hidden);
        MousecfgWidget::setTrayPresentForTests(true);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidget::setTrayPresentForTests(std::nullopt);
        MousecfgWidgetProbe probe(window);
        // The start's warning timer shows the window by itself.
        QTRY_VERIFY(!probe.warningArmed());
        window.show();
        FakeMouse::instance().setWriteDelayMs(10);
        ModalScript script;
        bool clicked = false;
        script.onModal = [&](QWidget *dialog) {
            if (std::exchange(clicked, true))
                return;
            if (hidden)
                window.hide();
            emit probe.trayIcon()->activated(QSystemTrayIcon::Trigger);
            QVERIFY(window.isVisible() && dialog->isVisible());
        };
        click(probe.button(command));
        QVERIFY(clicked);
        QTest::qWait(50);
        QCOMPARE(window.isVisible(), hidden);
    }

    // The tray's Quit while a box is open brings the window and the box to the front,
    // wherever the window was; the program ends once the box has closed.
    void trayQuitShowsWhatHoldsIt_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("behind another window") << 0;
        QTest::newRow("minimised") << 1;
        QTest::newRow("hidden") << 2;
    }
    void trayQuitShowsWhatHoldsIt()
    {
        QFETCH(int, before);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        QTRY_VERIFY(!probe.warningArmed());
        window.show();
        QWidget other;
        other.show();
        QApplication::setQuitOnLastWindowClosed(false);
        ModalScript script;
        script.refused = QStringList{"Are you sure you want reset all profiles?", "Are you sure you want reset this profile?"};
        bool inSight = false, boxOpenAtQuit = true;
        script.onModal = [&](QWidget *box) {
            before == 1 ? window.showMinimized() : before == 2 ? window.hide() : void();
            other.activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), &other);
            probe.quitAction()->trigger();
            QTRY_COMPARE(QApplication::activeWindow(), box);
            inSight = window.isVisible() && !window.isMinimized() && box->isVisible();
        };
        QObject loop; // holds what runs in the loop, and ends a quit that never comes
        connect(qApp, &QCoreApplication::aboutToQuit, &loop, [&] { boxOpenAtQuit = QApplication::activeModalWidget(); });
        QTimer::singleShot(0, &loop, [&] { click(probe.button(6)); });
        QTimer::singleShot(15000, &loop, [] { QCoreApplication::exit(3); });
        const int ended = QCoreApplication::exec();
        QApplication::setQuitOnLastWindowClosed(true);
        QCOMPARE(ended, 0);
        QVERIFY(inSight);
        QCOMPARE(script.messages.size(), 1);
        QVERIFY(!boxOpenAtQuit);
    }

    void closeButtonWithoutTrayMinimises()
    {
        if (QSystemTrayIcon::isSystemTrayAvailable())
            QSKIP("a tray is available here");
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        window.show();
        QTest::mouseClick(MousecfgWidgetProbe(window).closeButton(), Qt::LeftButton);
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
    }

    void dragMovesPastFourPixels_data()
    {
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("moves");
        QTest::newRow("3 right 1 down") << QPoint(3, 1) << false;
        QTest::newRow("3 right 2 down") << QPoint(3, 2) << true;
    }
    void dragMovesPastFourPixels()
    {
        QFETCH(QPoint, delta);
        QFETCH(bool, moves);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.open();
        window.show();
        const QPoint start = window.pos();
        const QPoint local(10, 300);
        const QPoint global = window.mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QCOMPARE(window.pos(), moves ? start + delta : start);
    }

    // Stored values that would index past their tables, and the pointer speed.
    void startUpChecksStoredValues()
    {
        WindowFixture fixture;
        {
            IniFile lang(langConfigIniPath());
            lang.setValue("Config/LangID", 7);
            IniFile config(configIniPath());
            config.setValue("Config/ProfileID", 9);
            // Names that give no file would never be saved.
            config.setValue("Config/Profile1", QString());
            config.setValue("Config/Profile2", "../x");
            config.setValue("Config/Profile3", "Profile 2");
        }
        ProfileRecord record;
        resetProfileToDefaults(record);
        record.mousespeed = 7;
        saveProfileFile(record, "Profile 1");
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        QCOMPARE(probe.langIndex(), 0);
        QCOMPARE(probe.langButton()->caption(), QStringLiteral("English"));
        QCOMPARE(int(workingSettings.currentProfile), 0);
        QCOMPARE(int(workingSettings.profiles[0].mousespeed), 7);
        QCOMPARE(workingSettings.names[0], QStringLiteral("Profile 1"));
        QCOMPARE(workingSettings.names[1], QStringLiteral("Profile 3"));
        QCOMPARE(HostInput::pointerSpeed(), 7);
    }

    void noLanguageLeavesTheCaptionEmpty()
    {
        WindowFixture fixture;
        {
            IniFile config(configIniPath());
            config.setValue("FONT_LIST/LANGNUM", 0);
        }
        MousecfgWidget &window = fixture.open();
        MousecfgWidgetProbe probe(window);
        QCOMPARE(probe.langButton()->caption(), QString());
        QVERIFY(!probe.translatorInstalled());
    }
};

MOUSECFG_TEST(TestMousecfgWidget)
#include "TestMousecfgWidget.moc"
