#pragma once

#include "buttons/QuorBtnWindow.h"
#include "storage/MacroFile.h"
#include "storage/SettingsBlock.h"
#include "tests/common/ModalRunner.h"
#include "tests/common/NativeKeyInput.h"
#include "tests/common/TestAppFolder.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QMap>
#include <QMenu>
#include <QSettings>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

// The shipped application folder (sample model, sensor 3389) with the button page
// shown at the size the main window gives it, on a factory profile.
class ButtonPageFixture
{
public:
    ButtonPageFixture()
    {
        folder.copySeedData();
        setUiScale(1.0);
        setCurrentLanguageIndex(0);
    }
    ~ButtonPageFixture() { setUiScale(1.0); }

    // As the main window lays it out; only a page not laid out yet shows its side and
    // wheel buttons.
    QuorBtnWindow &page(bool laidOut = true)
    {
        if (!m_page) {
            resetProfileToDefaults(record);
            m_page = std::make_unique<QuorBtnWindow>(&record, nullptr, 1.0);
            m_page->setFixedSize(332, 440);
            if (laidOut)
                m_page->applyFonts(1.0);
            m_page->show();
        }
        return *m_page;
    }

    void setConfig(const QString &key, const QVariant &value)
    {
        QSettings ini(folder.configDir() + "/Config.ini", QSettings::IniFormat);
        ini.setValue(key, value);
    }

    // A listed macro file of (type, DataH, DataL) rows.
    void addMacro(int listSlot, const QString &name, const QVector<MacroAction> &rows)
    {
        MacroFile macro;
        macro.rows = rows;
        writeMacroFile(name, macro, WriteSign::Mark);
        setMacroListSlot(listSlot, name);
    }

    TestAppFolder folder;
    ProfileRecord record;

private:
    std::unique_ptr<QuorBtnWindow> m_page;
};

inline QAction *menuEntry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu ? menu->actions() : QList<QAction *>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

inline void sendKeys(QWidget *window, const QString &keys);

// As a user does: presses the slot's button, goes down the path of entries through the
// menu and its submenus and picks the last one by Return; `afterPick` (the release of
// that Return) then reaches the dialog the entry opens, where `inDialog` runs, or the
// page. False when an entry is missing or the dialog never came up.
inline bool chooseEntry(QuorBtnWindow &page, int slot, const QStringList &path,
                        const std::function<void(QWidget *)> &inDialog = {}, const QString &afterPick = "-28")
{
    bool picked = false;
    bool dialogRan = !inDialog;
    QuorPushButton *button = page.slotButton(slot);
    const bool ran = runModal([button] { QTest::mouseClick(button, Qt::LeftButton); }, [&](QWidget *popup) {
        QMenu *menu = qobject_cast<QMenu *>(popup);
        for (int i = 0; i < path.size(); ++i) {
            QAction *action = menuEntry(menu, path[i]);
            if (!action) {
                popup->close();
                return;
            }
            menu->setActiveAction(action);
            if (i + 1 < path.size()) {
                QTest::keyClick(menu, Qt::Key_Right);
                menu = action->menu();
                continue;
            }
            picked = true;
            const auto trigger = [menu] { sendKeys(menu, "+28"); };
            if (inDialog) {
                dialogRan = runModal(trigger, [&](QWidget *dialog) {
                    sendKeys(dialog, afterPick);
                    inDialog(dialog);
                });
            } else {
                trigger();
                sendKeys(&page, afterPick);
            }
        }
    });
    return ran && picked && dialogRan;
}

// Key events in the form "+30 -30 r42": + press, - release, r an auto-repeated press,
// each with a Linux input code; the key argument stands for Qt's key where a widget
// needs it (Escape, Return, Space, Tab, Down).
inline void sendKeys(QWidget *window, const QString &keys)
{
    static const QMap<int, Qt::Key> qtKeys{{1, Qt::Key_Escape}, {28, Qt::Key_Return}, {57, Qt::Key_Space},
                                           {15, Qt::Key_Tab}, {108, Qt::Key_Down}};
    for (const QString &k : keys.split(' ', Qt::SkipEmptyParts)) {
        const int evdev = k.mid(1).toInt();
        const QEvent::Type type = k[0] == '-' ? QEvent::KeyRelease : QEvent::KeyPress;
        sendNativeKey(window, type, evdev, qtKeys.value(evdev, Qt::Key_unknown), Qt::NoModifier, k[0] == 'r');
    }
}

inline void clickButton(QWidget *dialog, const char *name)
{
    if (auto *button = dialog->findChild<QToolButton *>(name))
        QTest::mouseClick(button, Qt::LeftButton);
}

// The slot's fields as text, so that a comparison shows where two slots differ.
inline QString slotText(const ButtonSlot &s)
{
    QStringList steps;
    for (const KeyStep &k : s.KeyInfo)
        steps << QStringLiteral("%1.%2.%3").arg(k.map).arg(k.key).arg(k.H);
    return QStringLiteral("ID %1 Fun %2 Res %3 %4 %5 %6 Loop %7 Keys %8 %9\nsteps %10")
        .arg(s.ID).arg(s.Fun).arg(s.Res1).arg(s.Res2).arg(s.Res3).arg(s.Res4).arg(s.LoopNumber).arg(s.KeyNumber)
        .arg(s.macroname, steps.join(' '));
}
