#include "tests/app/ModalScript.h"
#include "tests/app/WindowFixture.h"
#include "tests/common/Catalogs.h"
#include "tests/common/TestMain.h"

#include "app/VariantSettings.h"
#include "device/DeviceTable.h"
#include "storage/IniFile.h"
#include "storage/ModelDescriptor.h"
#include "widgets/UiScale.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QTreeWidget>

// Devices coming and going, the firmware prompt, the battery level and the language
// switch. Built twice: with the values of mousecfg (test_app) and mousecfg-alt (test_app_alt).
namespace {
bool alt()
{
    return programVariant().programName == QLatin1String("mousecfg-alt");
}
// Steps.
constexpr int PlugReceiver = 0, PullReceiver = 1, PlugCable = 2, PullCable = 3, Noise = 4, PullDuringApply = 5,
              Firmware = 6, PullVendorThenMouse = 7, PullMouseThenVendor = 8, ReplugUnderBox = 9;
const QString Dongle = "Dongle Disconnect!", NoMouse = "NO MOUSE DETECTED!",
              Prompt = "Do you want to upgrade the firmware?";

void addMenuTexts(const QMenu *menu, QStringList &texts)
{
    for (const QAction *action : menu->actions()) {
        texts << action->text() << action->toolTip();
        if (action->menu())
            addMenuTexts(action->menu(), texts);
    }
}

// Every text the window holds for the user, shown now or later: captions, labels, tool
// tips, menu entries, tree and table headers, on the window and each of its children.
QStringList heldTexts(QWidget *window)
{
    QStringList texts;
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        texts << w->toolTip() << w->windowTitle();
        if (auto *b = qobject_cast<QuorPushButton *>(w))
            texts << b->caption();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            texts << b->text();
        if (auto *b = qobject_cast<QPushButton *>(w); b && b->menu())
            addMenuTexts(b->menu(), texts);
        if (auto *l = qobject_cast<QuorLabel *>(w))
            texts << l->caption();
        else if (auto *l = qobject_cast<QLabel *>(w))
            texts << l->text();
        if (auto *bar = qobject_cast<QuorProcessbar *>(w))
            texts << bar->drawnText();
        if (auto *menu = qobject_cast<QMenu *>(w))
            addMenuTexts(menu, texts);
        if (auto *tree = qobject_cast<QTreeWidget *>(w)) {
            texts << tree->headerItem()->text(0);
            for (int i = 0; i < tree->topLevelItemCount(); ++i) {
                texts << tree->topLevelItem(i)->text(0);
                for (int c = 0; c < tree->topLevelItem(i)->childCount(); ++c)
                    texts << tree->topLevelItem(i)->child(c)->text(0);
            }
        } else if (auto *view = qobject_cast<QAbstractItemView *>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
        }
        for (const QAction *action : w->actions())
            texts << action->text() << action->toolTip();
    }
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// Every text of one language's catalogs.
QSet<QString> languageTexts(const QString &language)
{
    QTranslator translator;
    translator.load(QStringLiteral(":/lang/%1.qm").arg(language));
    QSet<QString> texts;
    for (const CatalogMessage &m : catalogMessages("en"))
        texts.insert(translator.translate(m.context.toUtf8(), m.source.toUtf8()));
    return texts;
}
}

class TestHotplug : public QObject
{
    Q_OBJECT
private slots:
    // The receiver has a third collection; the watcher reports a device's vendor collection
    // before its mouse collection. The model's 40 buttons count as 16.
    void devicesComeAndGo_data()
    {
        QTest::addColumn<bool>("receiver");
        QTest::addColumn<bool>("cable");
        QTest::addColumn<int>("step");
        QTest::addColumn<QStringList>("main");
        QTest::addColumn<QStringList>("alt");
        QTest::addColumn<int>("handles");
        QTest::addColumn<int>("link");
        const QStringList none, failed{"Send data failed, please try again.", Dongle};
        const QStringList noCable{"To update the firmware, please connect to the computer with a cable."};
        const QStringList fromCable{Prompt, "The firmware updater could not be started."};
        QTest::newRow("receiver into the waiting window") << false << false << PlugReceiver << QStringList{Dongle}
                                                          << QStringList{NoMouse} << 2 << 2;
        QTest::newRow("receiver pulled") << true << false << PullReceiver << QStringList{Dongle}
                                         << QStringList{Dongle, NoMouse} << 0 << 3;
        QTest::newRow("receiver pulled beside the cable")
            << true << true << PullReceiver << none << QStringList{Dongle} << 2 << 0;
        // The extra box of mousecfg-alt: the vendor collection gone while the mouse one is left.
        QTest::newRow("receiver's vendor collection, then mouse")
            << true << false << PullVendorThenMouse << QStringList{Dongle} << QStringList{Dongle, NoMouse} << 0 << 3;
        QTest::newRow("receiver's mouse collection, then vendor")
            << true << false << PullMouseThenVendor << QStringList{Dongle} << QStringList{NoMouse} << 0 << 3;
        // The box that waits for the receiver closes by itself when it comes back.
        QTest::newRow("receiver plugged back under the box")
            << true << false << ReplugUnderBox << QStringList{Dongle} << QStringList{Dongle} << 2 << 2;
        QTest::newRow("cable plugged") << true << false << PlugCable << none << none << 4 << 1;
        QTest::newRow("cable pulled") << true << true << PullCable << none << none << 2 << 2;
        QTest::newRow("foreign, duplicate, collection 0") << true << false << Noise << none << none << 2 << 2;
        QTest::newRow("receiver pulled during Apply") << true << false << PullDuringApply << failed
                                                      << failed + QStringList{NoMouse} << 0 << 3;
        QTest::newRow("firmware without a cable") << true << false << Firmware << noCable << noCable << 2 << 2;
        QTest::newRow("firmware, cable plugged after start")
            << true << true << Firmware << fromCable << fromCable << 4 << 1;
    }
    void devicesComeAndGo()
    {
        QFETCH(bool, receiver);
        QFETCH(bool, cable);
        QFETCH(int, step);
        QFETCH(int, handles);
        QFETCH(int, link);
        WindowFixture fixture(receiver, cable && step != Firmware);
        FakeMouse &mouse = FakeMouse::instance();
        mouse.setExtraCollection(FakeLink::Receiver, 0x0C, 1);
        // 40 buttons, stored masked with the sample descriptor's "MouseDpi" of 90.
        IniFile(modelDescriptorPath()).setValue("PROFILE/ButtonCount", 40 ^ 90);
        MousecfgWidget &window = receiver ? fixture.openSettled() : fixture.open();
        MousecfgWidgetProbe probe(window);
        ModalScript script;
        // The no-mouse box closes by itself; the removal waits for the upload thread.
        bool ok = step != PlugReceiver && step != PullDuringApply && step != ReplugUnderBox;
        if (step == PlugReceiver || step == ReplugUnderBox) {
            script.onModal = [&](QWidget *box) {
                fixture.setLink(FakeLink::Receiver, true);
                ok = QTest::qWaitFor([box] { return box->isHidden(); });
            };
            if (step == ReplugUnderBox)
                fixture.setLink(FakeLink::Receiver, false);
            QTRY_COMPARE(script.messages.size(), 1);
        } else if (step == Noise) {
            mouse.addForeignEntry(0x046D, 0xC077, "/dev/hidraw9", 1, 2);
            mouse.setDuplicateEntries(true);
            mouse.setExtraCollection(FakeLink::Receiver, 0, 0);
            probe.watcher()->rescan();
        } else if (step == PullDuringApply) {
            mouse.setWriteDelayMs(5);
            writeConfigDiff(1);
            script.onModal = [&](QWidget *modal) {
                if (qobject_cast<QuorProcessDialog *>(modal))
                    fixture.setLink(FakeLink::Receiver, false);
                ok |= window.isWriting() && deviceTable[0].present[ReceiverVendor] == 1;
            };
            click(probe.button(13));
        } else if (step == PullVendorThenMouse || step == PullMouseThenVendor) {
            mouse.unplug(FakeLink::Receiver);
            const QList<int> order = step == PullVendorThenMouse ? QList<int>{4, 1} : QList<int>{1, 4};
            for (int collection : order)
                window.onDeviceChange(QString::asprintf("HID#VID_%04X&PID_%04X&col%02d#%s", FakeVendorId,
                                                        FakeReceiverProductId, collection,
                                                        mouse.path(FakeLink::Receiver).constData()),
                                      false);
        } else if (step == Firmware) {
            if (cable)
                fixture.setLink(FakeLink::Cable, true);
            QTest::mousePress(probe.firmwareButton(), Qt::LeftButton);
        } else {
            fixture.setLink(step <= PullReceiver ? FakeLink::Receiver : FakeLink::Cable, step % 2 == 0);
        }
        QTest::qWait(500);
        QVERIFY(ok);
        QFETCH(QStringList, main);
        QFETCH(QStringList, alt);
        QTRY_COMPARE(script.messages, ::alt() ? alt : main);
        QCOMPARE(mouse.openHandleCount(), handles);
        QCOMPARE(window.connectedCount(), handles ? 1 : 0);
        QCOMPARE(probe.linkState(), link);
        QCOMPARE(probe.batteryBar()->isHidden(), link < MousecfgWidget::ReceiverOnly);
        QTRY_COMPARE(probe.batteryThreadRunning(), handles > 0);
        QCOMPARE(probe.devicePresent(), step == PlugReceiver || step == ReplugUnderBox ? 1 : 0);
        QCOMPARE(warningBoxOpen, quint8(0));
        QCOMPARE(probe.buttonPage()->height(), scaledPixels(50 * 16 + 20, window.scale()));
    }

    // Full battery at "Config/BatteryFull" in mousecfg, fixed at 4200 in mousecfg-alt.
    void batteryWords_data()
    {
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("full");
        QTest::addColumn<int>("main");
        QTest::addColumn<int>("alt");
        QTest::newRow("1018") << 1018 << "4200" << 90 << 90;
        QTest::newRow("1019") << 1019 << "4200" << 100 << 100;
        QTest::newRow("994, full at 4100") << 994 << "4100" << 100 << 90;
        QTest::newRow("993, full at 4100") << 993 << "4100" << 80 << 80;
        QTest::newRow("776") << 776 << "4200" << 20 << 20;
        QTest::newRow("775") << 775 << "4200" << 10 << 10;
    }
    void batteryWords()
    {
        QFETCH(int, word);
        QFETCH(QString, full);
        QFETCH(int, main);
        QFETCH(int, alt);
        WindowFixture fixture;
        IniFile(configIniPath()).setValue("Config/BatteryFull", full);
        FakeMouse::instance().setBattery(quint16(word), 0);
        QuorProcessbar *bar = MousecfgWidgetProbe(fixture.openSettled()).batteryBar();
        QTRY_COMPARE(bar->value(), ::alt() ? alt : main);
        QVERIFY(bar->styleSheet().contains(programVariant().batteryTextColour));
    }

    // A catalog that does not load keeps the language, its texts and its font.
    void languageSwitch()
    {
        WindowFixture fixture;
        QFile catalog(":/lang/tc.qm");
        QVERIFY(catalog.open(QIODevice::ReadOnly));
        fixture.folder.writeFile("lang/tc.qm", catalog.readAll());
        MousecfgWidgetProbe probe(fixture.open());
        probe.w.show();
        ModalScript script;
        QVERIFY(pickMenuEntry(probe.langButton(), QString::fromUtf8("简体中文")));
        QCOMPARE(script.messages, QStringList{"The language file could not be loaded."});
        QCOMPARE(probe.button(MousecfgWidget::LightingTab)->caption(), QStringLiteral("LIGHTING"));
        QVERIFY(pickMenuEntry(probe.langButton(), QString::fromUtf8("繁體中文")));
        QCOMPARE(probe.button(MousecfgWidget::LightingTab)->caption(), QString::fromUtf8("燈光"));
        QCOMPARE(readLangId(), 1);
        QCOMPARE(probe.nameEdit()->font().family(), QStringLiteral("Noto Sans CJK TC"));
        // A choice that cannot be stored says so.
        QVERIFY(QFile::remove(langConfigIniPath()) && QDir().mkpath(langConfigIniPath()));
        QVERIFY(pickMenuEntry(probe.langButton(), QString::fromUtf8("繁體中文")));
        QCOMPARE(script.messages.last(), QObject::tr("The settings could not be saved."));
    }

    // After a switch no text of the old language is left anywhere in the window.
    void languageSwitchRenewsEveryText_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("en to tc") << 0 << 1;
        QTest::newRow("tc to sc") << 1 << 2;
        QTest::newRow("sc to en") << 2 << 0;
    }
    void languageSwitchRenewsEveryText()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        const QStringList files{"en", "tc", "sc"};
        const QStringList names{"English", QString::fromUtf8("繁體中文"), QString::fromUtf8("简体中文")};
        WindowFixture fixture;
        for (const QString &name : files) {
            QFile catalog(":/lang/" + name + ".qm");
            QVERIFY(catalog.open(QIODevice::ReadOnly));
            fixture.folder.writeFile("lang/" + name + ".qm", catalog.readAll());
        }
        writeLangId(from);
        MousecfgWidgetProbe probe(fixture.openSettled());
        probe.w.show();
        QVERIFY(pickMenuEntry(probe.langButton(), names[to]));
        QCOMPARE(probe.langIndex(), to);
        const QSet<QString> stale = languageTexts(files[from]) - languageTexts(files[to]);
        QVERIFY(stale.size() > 100);
        QStringList left;
        // Nor is a piece of a text put together left: Chinese in English, an old word
        // elsewhere.
        const QSet<QString> current = languageTexts(files[to]);
        const auto holdsStalePiece = [&](const QString &text) {
            if (to == 0)
                return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x4E00; });
            if (current.contains(text))
                return false;
            for (const QString &piece : stale) {
                const QString word = piece.trimmed();
                if (word.size() > 3 &&
                    QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b").match(text).hasMatch())
                    return true;
            }
            return false;
        };
        for (const QString &text : heldTexts(&probe.w))
            if ((stale.contains(text) || holdsStalePiece(text)) && !names.contains(text))
                left << text;
        QVERIFY2(left.isEmpty(), qPrintable(left.join(" | ")));
    }

    // Started, the updater runs alone: the event loop ends with 0 as on "Quit". Last: after
    // the application's loop has ended, popups no longer open.
    void firmwareUpdaterStarts()
    {
        WindowFixture fixture(false, true);
        MousecfgWidgetProbe probe(fixture.open());
        const QString updater = fixture.folder.path() + "/skin/mouse/bin/KQ40-7716-20220101-en.exe";
        fixture.folder.writeFile("skin/mouse/bin/KQ40-7716-20220101-en.exe", "#!/bin/sh\ntouch \"$0.ran\"\n");
        QFile(updater).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        ModalScript script;
        QTimer::singleShot(0, [&] { QTest::mousePress(probe.firmwareButton(), Qt::LeftButton); });
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(3); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(script.messages, QStringList{Prompt});
        QTRY_VERIFY(QFile::exists(updater + ".ran"));
    }
};

MOUSECFG_TEST(TestHotplug)
#include "TestHotplug.moc"
