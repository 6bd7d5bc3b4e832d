#include "tests/app/WindowFixture.h"
#include "tests/common/TestMain.h"
#include "tests/common/TestNotificationBus.h"

#include "platform/DesktopNotifier.h"
#include "storage/ConfigIni.h"
#include "storage/SensorDpi.h"

#include <QTest>

class TestStatusNews : public QObject
{
    Q_OBJECT
private slots:
    // Changes made on the mouse reach the slot, the pages and the desktop's notifications,
    // each once; values outside the block's tables change nothing.
    void changesOnTheMouse_data()
    {
        QTest::addColumn<QByteArray>("replies"); // profile, stage, rate of each status reply
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("stage");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("profile 2, stage 3, 500 Hz")
            << QByteArray("\x01\x02\x02", 3) << 1 << 2 << 2 << QStringList{"Profile 2", "DPI 3:%1", "500 HZ"};
        // The second reply only shows that the first was read.
        QTest::newRow("profile 7, stage 9, rate 3")
            << QByteArray("\x07\x09\x03\x00\x00\x04", 6) << 0 << 0 << 4 << QStringList{"250 HZ"};
    }
    void changesOnTheMouse()
    {
        QFETCH(QByteArray, replies);
        QFETCH(int, profile);
        QFETCH(int, stage);
        QFETCH(int, rate);
        QFETCH(QStringList, notes);
        TestNotificationBus bus;
        QVERIFY(bus.isReady());
        DesktopNotifier::setBusForTests(TestNotificationBus::ClientConnection);
        WindowFixture fixture;
        MousecfgWidget &window = fixture.openSettled();
        MousecfgWidgetProbe probe(window);
        const int startStage = workingSettings.profiles[0].dpi;
        if (replies.size() > 3)
            replies[4] = char(startStage);
        for (int i = 0; i + 2 < replies.size(); i += 3)
            FakeMouse::instance().sendStatusReply(FakeLink::Receiver, quint8(replies[i]), quint8(replies[i + 1]),
                                                  quint8(replies[i + 2]), 0);
        QTRY_COMPARE_WITH_TIMEOUT(bus.summaries().size(), notes.size(), 5000);
        QTest::qWait(100);
        const ProfileRecord &record = workingSettings.profiles[size_t(profile)];
        if (notes.size() > 1)
            notes[1] = notes[1].arg(sensorDpiFromRaw(int(record.stages[size_t(stage)].y), readMouseSensor()));
        QCOMPARE(bus.summaries(), notes);
        QCOMPARE(int(workingSettings.currentProfile), profile);
        QCOMPARE(int(record.dpi), replies.size() > 3 ? startStage : stage);
        QCOMPARE(int(record.pollrate), rate);
        QCOMPARE(int(probe.ratePanel()->profileData().pollrate), rate);
        QCOMPARE(int(probe.dpiPage()->profileData().dpi), int(record.dpi));
        QCOMPARE(bus.calls().first().appName, QStringLiteral("mousecfg"));
        DesktopNotifier::setBusForTests(QString());
    }

    // The bar shows the level of the battery word, nothing on the cable, and a language
    // change keeps what it showed.
    void batteryBar_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("percent");
        QTest::addColumn<QString>("text");
        QTest::newRow("994 on the receiver") << 994 << false << 90 << QString();
        QTest::newRow("775 on the receiver") << 775 << false << 10 << QString();
        QTest::newRow("mouse off") << 0 << false << -1 << QStringLiteral("MOUSE OFF");
        QTest::newRow("994 on the cable") << 994 << true << 90 << QString();
    }
    void batteryBar()
    {
        QFETCH(int, word);
        QFETCH(bool, cable);
        QFETCH(int, percent);
        QFETCH(QString, text);
        WindowFixture fixture(true, cable);
        FakeMouse &mouse = FakeMouse::instance();
        mouse.setBattery(quint16(word), 0);
        mouse.setMouseOff(word == 0);
        MousecfgWidget &window = fixture.openSettled();
        QuorProcessbar *bar = MousecfgWidgetProbe(window).batteryBar();
        QTRY_COMPARE(bar->drawnText(), text);
        if (percent >= 0)
            QTRY_COMPARE(readBattery(), percent);
        QCOMPARE(bar->isHidden(), cable);
        const int shown = bar->value();
        QCOMPARE(shown, cable ? 100 : percent >= 0 ? percent : 10);
        window.retranslateUi();
        QCOMPARE(bar->drawnText(), text);
        QCOMPARE(bar->value(), shown);
        QCOMPARE(bar->format(), text.isEmpty() ? QString(cable ? "" : "%p%") : text);
    }
};

MOUSECFG_TEST(TestStatusNews)
#include "TestStatusNews.moc"
