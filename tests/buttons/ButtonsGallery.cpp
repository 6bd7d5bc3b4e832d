// Renders the button page of the sample model and its setting dialogs into PNG files,
// at UI scales 1.0, 1.25, 1.5 and 2.0 and once in traditional Chinese:
//   buttons_gallery <output folder>
#include "buttons/QuorBtnWindow.h"
#include "buttons/QuorComboKeyWindow.h"
#include "buttons/QuorFireKeyWindow.h"
#include "buttons/QuorMacroSelect.h"
#include "buttons/QuorSingleKeyWindow.h"
#include "buttons/QuorSniperWindow.h"
#include "tests/common/Gallery.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <cstdio>

namespace {
void page(Gallery &gallery)
{
    ProfileRecord record;
    resetProfileToDefaults(record);
    record.buttons[2].Fun = FunComboKey;
    record.buttons[3].Fun = FunMacro;
    record.buttons[3].macroname = QStringLiteral("Reload sequence");
    QuorBtnWindow window(&record, nullptr, uiScale());
    window.setFixedSize(scaledPixels(332), scaledPixels(440));
    window.applyFonts(uiScale());
    gallery.save("button_page", window);
    for (QMenu *menu : {window.mainMenu(), window.wheelMenu()}) {
        menu->resize(menu->sizeHint());
    }
    gallery.save("button_menu", *window.mainMenu());
    gallery.save("wheel_menu", *window.wheelMenu());
    int n = 0;
    for (QAction *action : window.mainMenu()->actions()) {
        if (QMenu *sub = action->menu()) {
            sub->resize(sub->sizeHint());
            gallery.save(QStringLiteral("button_submenu_%1").arg(++n), *sub);
        }
    }
}

// The dialog shown with the keyboard focus in field.
void saveFocused(Gallery &gallery, const QString &name, QWidget &dialog, QWidget *field)
{
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog))
        std::fprintf(stderr, "%s: no focus\n", qPrintable(name));
    field->setFocus(Qt::TabFocusReason);
    gallery.save(name, dialog);
    dialog.hide();
}

void dialogs(Gallery &gallery)
{
    QuorSingleKeyWindow single;
    single.showStoredKey(229);
    gallery.save("single_key", single);

    QuorComboKeyWindow combo;
    const KeyStep steps[5] = {{0xE0, 5, 0x80}, {0xE1, 5, 0x80}, {0x04, 5, 0x80}, {0x04, 5, 0}, {0xE1, 5, 0}};
    combo.showStoredCombo(steps);
    gallery.save("combo_key", combo);

    QuorFireKeyWindow fire;
    gallery.save("fire_key", fire);
    ButtonSlot slot;
    slot.Res1 = 0x3E; // F5
    slot.LoopNumber = 12;
    slot.KeyNumber = 250;
    fire.loadRecord(slot);
    gallery.save("fire_key_keyboard", fire);
    saveFocused(gallery, "fire_key_focus_in_times", fire, fire.timesEdit());

    QuorSniperWindow sniper;
    gallery.save("sniper", sniper);

    QuorMacroSelect macro(QString(), QObject::tr("MACRO SELECT"), QStringLiteral("Reload sequence"), 5, 2);
    gallery.save("macro_select", macro);
    saveFocused(gallery, "macro_select_focus_in_count", macro, macro.countEdit());
}

void all(Gallery &gallery)
{
    page(gallery);
    dialogs(gallery);
}
}

int main(int argc, char **argv)
{
    return galleryMain(argc, argv, QStringLiteral(MOUSECFG_APP_DIR), {1.0, 1.25, 1.5, 2.0}, all, all);
}
