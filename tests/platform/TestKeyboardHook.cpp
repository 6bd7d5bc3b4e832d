#include "platform/KeyboardHook.h"
#include "storage/KeyCodes.h"
#include "tests/common/ModalRunner.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/TestMain.h"

#include <QDialog>
#include <QMenu>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {
constexpr int LeftAlt = 56;
constexpr int RightAlt = 100;
constexpr int KeyA = 30;

// A shown, active window whose focus widget counts the keys it gets.
class KeyTarget : public QWidget
{
public:
    int presses = 0;

    KeyTarget()
    {
        setFocusPolicy(Qt::StrongFocus);
        resize(100, 100);
        show();
        activateWindow();
        setFocus();
    }

protected:
    void keyPressEvent(QKeyEvent *) override { ++presses; }
};

// A hook that keeps every record it sees and passes it on.
struct Recorder
{
    QVector<KeyHookRecord> seen;
    KeyHookHandle handle = installKeyboardHook([this](KeyHookRecord &r) {
        seen << r;
        return callNextKeyboardHook(r);
    });
    ~Recorder() { removeKeyboardHook(handle); }
};

QString nameOf(const KeyHookRecord &r)
{
    return keyCodeName(remapScanCode(r.scanCode, r.flags));
}
}

class TestKeyboardHook : public QObject
{
    Q_OBJECT
private slots:
    void keysKeepTheirNamesWithAltHeld_data()
    {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("vk");
        QTest::addColumn<bool>("alt");
        const struct
        {
            int evdev;
            const char *name;
            uint vk;
        } keys[] = {{105, "Left", 0},     {75, "Num 4", 0},   {102, "Home", 0},       {71, "Num 7", 0},
                    {28, "Enter", 0},     {96, "Num Enter", 0}, {29, "LCtr", 0xA2}, {97, "RCtr", 0xA3},
                    {119, "Pause Break", 0}, {69, "Num Lock", 0}, {56, "LAlt", 0xA4}, {100, "RAlt", 0xA5}};
        for (bool alt : {false, true}) {
            for (const auto &k : keys)
                QTest::addRow("%s%s", k.name, alt ? " with Alt" : "") << k.evdev << QString(k.name) << k.vk << alt;
        }
    }

    void keysKeepTheirNamesWithAltHeld()
    {
        QFETCH(int, evdev);
        QFETCH(QString, name);
        QFETCH(uint, vk);
        QFETCH(bool, alt);
        KeyTarget target;
        Recorder rec;
        const int held = evdev == LeftAlt ? RightAlt : LeftAlt;
        if (alt)
            sendNativeKey(&target, QEvent::KeyPress, held);
        rec.seen.clear();
        tapNativeKey(&target, evdev);
        if (alt)
            sendNativeKey(&target, QEvent::KeyRelease, held);
        QCOMPARE(rec.seen.size(), alt ? 3 : 2);
        const KeyHookRecord press = rec.seen[0];
        const KeyHookRecord release = rec.seen[1];
        QCOMPARE(nameOf(press), name);
        QCOMPARE(nameOf(release), name);
        QCOMPARE(press.vkCode, vk);
        QCOMPARE(press.flags & KeyHookUp, 0u);
        QCOMPARE(release.flags & KeyHookUp, KeyHookUp);
        const bool altKey = evdev == LeftAlt || evdev == RightAlt;
        QCOMPARE(bool(press.flags & KeyHookAltDown), alt || altKey);
        QCOMPARE(bool(release.flags & KeyHookAltDown), alt);
        QCOMPARE(target.presses, alt ? 2 : 1);
    }

    void shortcutsWaitWhileAHookIsInstalled()
    {
        KeyTarget target;
        QVERIFY(QTest::qWaitForWindowActive(&target));
        QShortcut shortcut(QKeySequence(Qt::Key_F5), &target);
        QSignalSpy fired(&shortcut, &QShortcut::activated);
        tapNativeKey(&target, 63, Qt::Key_F5);
        QCOMPARE(fired.count(), 1);
        {
            Recorder rec;
            tapNativeKey(&target, 63, Qt::Key_F5);
            QCOMPARE(fired.count(), 1);
            QCOMPARE(rec.seen.size(), 2);
            QCOMPARE(target.presses, 1);
        }
        tapNativeKey(&target, 63, Qt::Key_F5);
        QCOMPARE(fired.count(), 2);
    }

    void syntheticAndUnknownKeysReachNoHook()
    {
        KeyTarget target;
        Recorder rec;
        QTest::keyClick(target.windowHandle(), Qt::Key_A);
        tapNativeKey(&target, 200);
        QVERIFY(rec.seen.isEmpty());
        QCOMPARE(target.presses, 2);
    }

    void heldKeysRepeatTheirPressOnly()
    {
        KeyTarget target;
        Recorder rec;
        sendNativeKey(&target, QEvent::KeyPress, KeyA);
        for (int i = 0; i < 2; ++i) {
            sendNativeKey(&target, QEvent::KeyRelease, KeyA, Qt::Key_unknown, Qt::NoModifier, true);
            sendNativeKey(&target, QEvent::KeyPress, KeyA, Qt::Key_unknown, Qt::NoModifier, true);
        }
        sendNativeKey(&target, QEvent::KeyRelease, KeyA);
        QVector<quint32> flags;
        for (const KeyHookRecord &r : rec.seen)
            flags << r.flags;
        QCOMPARE(flags, QVector<quint32>({0, 0, 0, KeyHookUp}));
    }

    void altIsNoLongerHeldOnceTheApplicationIsInactive()
    {
        KeyTarget target;
        Recorder rec;
        sendNativeKey(&target, QEvent::KeyPress, LeftAlt);
        QEvent deactivate(QEvent::ApplicationDeactivate);
        QCoreApplication::sendEvent(qApp, &deactivate);
        tapNativeKey(&target, KeyA);
        QCOMPARE(rec.seen.size(), 3);
        QCOMPARE(rec.seen[1].flags, 0u);
    }

    void lastInstalledRunsFirstAndMayConsume()
    {
        KeyTarget target;
        QStringList order;
        const KeyHookHandle first = installKeyboardHook([&](KeyHookRecord &r) {
            order << QString("first %1").arg(r.scanCode);
            return callNextKeyboardHook(r);
        });
        const KeyHookHandle second = installKeyboardHook([&](KeyHookRecord &r) {
            order << "second";
            r.scanCode = quint32(remapScanCode(r.scanCode, r.flags));
            return callNextKeyboardHook(r);
        });
        sendNativeKey(&target, QEvent::KeyPress, 97);
        QCOMPARE(order, QStringList({"second", "first 238"}));
        QCOMPARE(target.presses, 1);
        const KeyHookHandle eater = installKeyboardHook([&](KeyHookRecord &) {
            order << "eater";
            return 1L;
        });
        order.clear();
        sendNativeKey(&target, QEvent::KeyPress, KeyA);
        QCOMPARE(order, QStringList({"eater"}));
        QCOMPARE(target.presses, 1);
        for (KeyHookHandle h : {first, second, eater})
            QVERIFY(removeKeyboardHook(h));
        QVERIFY(!removeKeyboardHook(first));
        QVERIFY(!keyboardHookInstalled());
    }

    // The procedure's closure outlives its own removal until the key is done.
    void hooksMayBeRemovedAndAddedFromInsideAProcedure()
    {
        KeyTarget target;
        int laterCalls = 0;
        int addedCalls = 0;
        KeyHookHandle self = 0;
        KeyHookHandle added = 0;
        const KeyHookHandle later = installKeyboardHook([&](KeyHookRecord &) {
            ++laterCalls;
            return 0L;
        });
        auto owned = std::make_shared<QString>("still alive");
        self = installKeyboardHook([&, owned](KeyHookRecord &r) {
            removeKeyboardHook(self);
            removeKeyboardHook(later);
            added = installKeyboardHook([&](KeyHookRecord &) {
                ++addedCalls;
                return 0L;
            });
            owned->append('!');
            return callNextKeyboardHook(r);
        });
        owned.reset();
        tapNativeKey(&target, KeyA);
        QCOMPARE(laterCalls, 0);
        QCOMPARE(addedCalls, 1);
        QCOMPARE(target.presses, 1);
        QVERIFY(removeKeyboardHook(added));
        QVERIFY(!keyboardHookInstalled());
    }

    void modalDialogsGetKeysAndLeftoverPopupsAreClosed()
    {
        Recorder rec;
        QDialog dialog;
        int result = -1;
        QVERIFY(runModal([&] { result = dialog.exec(); },
                         [](QWidget *modal) { tapNativeKey(modal, 1, Qt::Key_Escape); }));
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(!rec.seen.isEmpty());
        QCOMPARE(rec.seen[0].scanCode, 1u);

        QMenu menu;
        menu.addAction("never chosen");
        QVERIFY(!runModal([&] { menu.exec(QPoint(10, 10)); }, [](QWidget *) {}, 300));
        QVERIFY(!menu.isVisible());
    }
};

MOUSECFG_TEST(TestKeyboardHook)
#include "TestKeyboardHook.moc"
