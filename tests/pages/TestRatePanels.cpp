#include "pages/QuorPointSpeed.h"
#include "pages/QuorReportRate.h"
#include "tests/common/TestMain.h"
#include "tests/pages/PageFixture.h"
#include "widgets/QuorPushButton.h"
#include "widgets/QuorSlider.h"

#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>

class TestRatePanels : public QObject
{
    Q_OBJECT
private slots:
    void rateMenuSetsTheCopiesByte()
    {
        PageFixture fx;
        ProfileRecord r;
        r.pollrate = 1;
        QuorReportRate panel(r);
        QCOMPARE(panel.rateButton()->caption(), QString("1000 HZ"));
        const QStringList entries{"125 HZ", "250 HZ", "500 HZ", "1000 HZ"};
        const quint8 codes[] = {8, 4, 2, 1};
        for (int i : {1, 0, 3, 2}) {
            QVERIFY(pickMenuEntry(panel.rateButton(), entries[i]));
            QCOMPARE(panel.profileData().pollrate, codes[i]);
            QCOMPARE(panel.rateButton()->caption(), entries[i]);
        }
        QCOMPARE(r.pollrate, quint8(1));

        // A language change renews the caption of the rate shown.
        QTranslator tc;
        QVERIFY(tc.load(QStringLiteral(":/lang/tc.qm")));
        QCoreApplication::installTranslator(&tc);
        panel.retranslate();
        const QString translated = panel.rateButton()->caption();
        QCoreApplication::removeTranslator(&tc);
        QCOMPARE(translated, QString::fromUtf8("500 赫茲"));
    }

    // An unknown rate byte is kept, with no caption that claims another rate.
    void unknownRateByteShowsNoCaption()
    {
        PageFixture fx;
        ProfileRecord r;
        r.pollrate = 2;
        QuorReportRate panel(r);
        r.pollrate = 7;
        panel.setProfileData(&r, 2);
        QCOMPARE(panel.rateButton()->caption(), QString());
        QCOMPARE(panel.profileData().pollrate, quint8(7));
    }

    // A click reports the lift once; a stored lift outside 1..2 is shown and reported
    // as 2, so the block holds what the panel shows.
    void liftOffDistance()
    {
        PageFixture fx;
        ProfileRecord r;
        QuorReportRate panel(r);
        QSignalSpy lift(&panel, &QuorReportRate::RefreshLift);
        panel.liftButton(0)->click();
        QCOMPARE(lift.count(), 1);
        QCOMPARE(lift.takeFirst().at(0).value<quint8>(), quint8(1));

        panel.setProfileData(&r, 1);
        QVERIFY(lift.isEmpty());
        for (int stored : {0, 3}) {
            panel.setProfileData(&r, stored);
            QVERIFY(panel.liftButton(1)->isChecked());
            QCOMPARE(panel.lift(), quint8(2));
            QCOMPARE(lift.count(), 1);
            QCOMPARE(lift.takeFirst().at(0).value<quint8>(), quint8(2));
        }
        panel.resize(200, 120);
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        QVERIFY(panel.liftButton(0)->geometry().isEmpty() && panel.liftButton(1)->geometry().isEmpty());
    }

    void speedsStoreWhatTheyShow_data()
    {
        QTest::addColumn<int>("pointer");
        QTest::addColumn<int>("scroll");
        QTest::addColumn<int>("shownPointer");
        QTest::addColumn<int>("shownScroll");
        QTest::newRow("below") << 0 << 0 << 1 << 1;
        QTest::newRow("above") << 30 << 255 << 20 << 20;
        QTest::newRow("at the controls' values") << 1 << 1 << 1 << 1;
        QTest::newRow("inside") << 12 << 7 << 12 << 7;
    }
    void speedsStoreWhatTheyShow()
    {
        QFETCH(int, pointer);
        QFETCH(int, scroll);
        QFETCH(int, shownPointer);
        QFETCH(int, shownScroll);
        PageFixture fx;
        QuorPointSpeed idle(nullptr);
        QTest::keyClick(idle.pointerSlider(), Qt::Key_Right);
        ProfileRecord r;
        r.mousespeed = quint8(pointer);
        r.scrollspeed = quint8(scroll);
        QuorPointSpeed panel(&r);
        QCOMPARE(QVector<int>({r.mousespeed, r.scrollspeed}), QVector<int>({pointer, scroll}));
        panel.setProfileData(&r);
        QCOMPARE(panel.pointerSlider()->value(), shownPointer);
        QCOMPARE(int(r.mousespeed), shownPointer);
        QCOMPARE(int(r.scrollspeed), shownScroll);
        QTest::keyClick(panel.pointerSlider(), Qt::Key_End);
        QTest::keyClick(panel.scrollBox(), Qt::Key_Up);
        QCOMPARE(int(r.mousespeed), 20);
        QCOMPARE(int(r.scrollspeed), qMin(shownScroll + 1, 20));
    }
};

MOUSECFG_TEST(TestRatePanels)
#include "TestRatePanels.moc"
