#include "pages/QuorDPIWindow.h"
#include "pages/QuorSingleDPI.h"
#include "storage/SensorDpi.h"
#include "storage/Theme.h"
#include "tests/common/ProfileSamples.h"
#include "tests/common/TestMain.h"
#include "tests/pages/PageFixture.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorTwoBarSlider.h"

#include <QCheckBox>
#include <QSlider>

namespace {
ProfileRecord stagesRecord(quint8 link, quint32 x, quint32 y)
{
    ProfileRecord r;
    r.dpi = 1;
    for (DpiStage &s : r.stages)
        s = DpiStage{1, link, 77, x, y};
    return r;
}

QColor textColor(QuorSingleDPI *row)
{
    return row->captionLabel()->palette().color(QPalette::WindowText);
}
}

class TestDpiPage : public QObject
{
    Q_OBJECT
private slots:
    // Every row's ends convert to exactly its labels; 3327 picks its row by the whole,
    // case-sensitive product name; 33352 ends where the register table does.
    void sensorLimitsMeetTheConversionAtBothEnds()
    {
        const int sensors[] = {3104, 3212, 3325, 33252, 3327, 3333, 3335, 33352, 3360, 3389, 3395, 33952, 3399};
        for (const QString &product : {QStringLiteral("HALBERK"), QStringLiteral("halberk")}) {
            for (int sensor : sensors) {
                SensorLimits l;
                QVERIFY(sensorLimits(sensor, product, &l));
                QCOMPARE(sensorDpiFromRaw(l.minRaw, sensor), l.minDpi);
                QCOMPARE(sensorDpiFromRaw(l.maxRaw, sensor), l.maxDpi);
            }
        }
        SensorLimits l;
        QVERIFY(sensorLimits(3327, "HALBERK", &l) && l.maxRaw == 92 && l.maxDpi == 12400);
        QVERIFY(sensorLimits(3327, "halberk", &l) && l.maxRaw == 106 && l.maxDpi == 16400);
        QVERIFY(sensorLimits(3327, "HALBERK ", &l) && l.maxRaw == 106);
        QVERIFY(sensorLimits(33352, QString(), &l) && l.maxRaw == 200);
        QVERIFY(!sensorLimits(1234, QString(), &l));
    }

    // After a load the copy holds what the rows show; rows past the model's stage
    // count and rows of an unknown sensor keep what was stored.
    void loadingStoresWhatTheRowsShow_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("link");
        QTest::addColumn<quint32>("x");
        QTest::addColumn<quint32>("y");
        QTest::addColumn<quint32>("shownX");
        QTest::addColumn<quint32>("shownY");
        QTest::addColumn<QString>("caption");
        QTest::newRow("3325 clamps 75") << 3325 << 0 << 75u << 30u << 50u << 30u << "DPI : 3000";
        QTest::newRow("linked pair") << 3389 << 1 << 10u << 20u << 10u << 10u << "DPI : 500";
        QTest::newRow("beyond int") << 3389 << 0 << 0xFFFFFFF0u << 0u << 480u << 2u << "DPI : 100";
        QTest::newRow("unknown sensor") << 1234 << 0 << 75u << 999u << 75u << 999u << "DPI : 0";
    }
    void loadingStoresWhatTheRowsShow()
    {
        QFETCH(int, sensor);
        QFETCH(int, link);
        QFETCH(quint32, x);
        QFETCH(quint32, y);
        QFETCH(quint32, shownX);
        QFETCH(quint32, shownY);
        QFETCH(QString, caption);
        PageFixture fx("QM700", 4);
        QuorDPIWindow page{ProfileRecord()};
        ProfileRecord r = stagesRecord(quint8(link), x, y);
        page.setProfileData(&r, sensor);
        ProfileRecord expected = r;
        for (int i = 0; i < 4; ++i) {
            expected.stages[size_t(i)].x = shownX;
            expected.stages[size_t(i)].y = shownY;
        }
        QCOMPARE(firstDifference(page.profileData(), expected), QString());
        QCOMPARE(page.row(0)->captionLabel()->caption(), caption);
        QCOMPARE(page.row(5)->captionLabel()->caption(), caption);
    }

    void eachBarMovesOnlyItsOwnField()
    {
        PageFixture fx;
        QuorDPIWindow page{ProfileRecord()};
        ProfileRecord r = stagesRecord(0, 100, 200);
        r.stages[3].link = 1;
        r.stages[3].x = r.stages[3].y = 50;
        page.setProfileData(&r, 3389);
        QTest::keyClick(page.row(2)->slider()->upperBar(), Qt::Key_Right);
        QTest::keyClick(page.row(2)->slider()->lowerBar(), Qt::Key_Left);
        QTest::keyClick(page.row(3)->slider()->middleBar(), Qt::Key_Right);
        r.stages[2].x = 101;
        r.stages[2].y = 199;
        r.stages[3].x = r.stages[3].y = 51;
        QCOMPARE(firstDifference(page.profileData(), r), QString());
        QCOMPARE(page.row(3)->captionLabel()->caption(), QString("DPI : 2550"));
    }

    // Linking keeps the Y value for both axes; unlinking starts both bars there.
    void linkToggleStoresThePairShown()
    {
        PageFixture fx;
        QuorDPIWindow page{ProfileRecord()};
        ProfileRecord r = stagesRecord(0, 100, 200);
        page.setProfileData(&r, 3389);
        QuorSingleDPI *row = page.row(0);
        QVERIFY(!row->linkBox()->isHidden());
        QTest::mouseClick(row->linkBox(), Qt::LeftButton);
        const DpiStage &s = page.profileData().stages[0];
        QCOMPARE(QVector<quint32>({s.link, s.x, s.y}), QVector<quint32>({1, 200, 200}));
        QCOMPARE(row->slider()->middleBar()->value(), 200);
        QTest::mouseClick(row->linkBox(), Qt::LeftButton);
        QCOMPARE(QVector<quint32>({s.link, s.x, s.y}), QVector<quint32>({0, 200, 200}));
        QCOMPARE(row->slider()->upperBar()->value(), 200);
        QCOMPARE(row->slider()->lowerBar()->value(), 200);

        page.setProfileData(&r, 3325);
        QVERIFY(row->linkBox()->isHidden());
    }

    // A press on a row makes it the active stage; a stage outside 0..7 (from a file or
    // the mouse) highlights nothing and leaves the stored stage alone.
    void activeStageFollowsPressesAndIgnoresBadIndexes()
    {
        PageFixture fx;
        QuorDPIWindow page{ProfileRecord()};
        ProfileRecord r = stagesRecord(0, 10, 10);
        page.setProfileData(&r, 3389);
        QTest::mouseClick(page.row(3)->captionLabel(), Qt::LeftButton);
        QCOMPARE(page.profileData().dpi, quint8(3));
        for (int i = 0; i < DpiStageCount; ++i)
            QCOMPARE(textColor(page.row(i)), i == 3 ? themeColor() : QColor(Qt::white));

        for (int bad : {8, 255, -1}) {
            page.setCurrentStage(bad);
            QCOMPARE(page.profileData().dpi, quint8(3));
        }
        r.dpi = 9;
        page.setProfileData(&r, 3389);
        QCOMPARE(page.profileData().dpi, quint8(9));
        for (int i = 0; i < DpiStageCount; ++i)
            QCOMPARE(textColor(page.row(i)), QColor(Qt::white));
    }

    // Loading another profile leaves nothing of the first behind.
    void loadingABAGivesTheCopyOfAFresh()
    {
        PageFixture fx("QM700", 6);
        const ProfileRecord a = sampleRecord(1);
        ProfileRecord b = sampleRecord(2);
        ProfileRecord copyA = a;
        QuorDPIWindow fresh{ProfileRecord()};
        fresh.setProfileData(&copyA, 3360);
        QuorDPIWindow page{b};
        page.setProfileData(&b, 3389);
        page.setProfileData(&copyA, 3360);
        QCOMPARE(firstDifference(page.profileData(), fresh.profileData()), QString());
        QCOMPARE(firstDifference(copyA, a), QString());
        QCOMPARE(page.profileData().stages[7].x, a.stages[7].x);
    }

    void rowsPastTheStageCountHaveNoArea_data()
    {
        QTest::addColumn<int>("stages");
        QTest::addColumn<int>("shown");
        QTest::newRow("five") << 5 << 5;
        QTest::newRow("none") << 0 << 8;
        QTest::newRow("nine") << 9 << 8;
    }
    void rowsPastTheStageCountHaveNoArea()
    {
        QFETCH(int, stages);
        QFETCH(int, shown);
        PageFixture fx("QM700", stages);
        QuorDPIWindow page{ProfileRecord()};
        page.setScale(1.5);
        for (int i = 0; i < DpiStageCount; ++i) {
            QuorSingleDPI *row = page.row(i);
            QCOMPARE(row->geometry(), i < shown ? QRect(22, int(1.5 * (43 + 50 * i)), 660, 72) : QRect());
            QCOMPARE(row->slider()->middleBar()->focusPolicy(), i < shown ? Qt::StrongFocus : Qt::NoFocus);
        }
    }
};

MOUSECFG_TEST(TestDpiPage)
#include "TestDpiPage.moc"
