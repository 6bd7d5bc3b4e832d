// Renders every widget and dialog of the kit offscreen into PNG files, at UI scales
// 1.0, 1.25, 1.5 and 2.0, with the application folder's skin, fonts and catalogs:
//   widget_gallery <output folder>
#include "tests/common/Gallery.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorMenu.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPopBox.h"
#include "widgets/QuorProcessDialog.h"
#include "widgets/QuorProcessbar.h"
#include "widgets/QuorProfileMenuItem.h"
#include "widgets/QuorPushButton.h"
#include "widgets/QuorSlider.h"
#include "widgets/QuorTranslucentDialog.h"
#include "widgets/QuorTwoBarSlider.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QMovie>
#include <QTest>

#include <cstdio>

namespace {
QPalette whiteText(QPalette palette)
{
    palette.setColor(QPalette::WindowText, Qt::white);
    return palette;
}

void sendEvent(QWidget &widget, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(&widget, &event);
}

void pressLeft(QWidget &widget)
{
    const QPoint centre = widget.rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget.mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &press);
}

QStringList tabSkins()
{
    return {skinPath("/skin/tabbutton-1.png"), skinPath("/skin/tabbutton-2.png"),
            skinPath("/skin/tabbutton-3.png")};
}

void buttons(Gallery &gallery)
{
    const int w = scaledPixels(154), h = scaledPixels(29);
    const struct
    {
        const char *name;
        int action; // 0 normal, 1 hover, 2 pressed, 3 selected, 4 disabled
    } states[] = {{"button_normal", 0}, {"button_hover", 1}, {"button_pressed", 2},
                  {"button_selected", 3}, {"button_disabled", 4}};
    for (const auto &state : states) {
        QuorPushButton button(tabSkins());
        button.resize(w, h);
        button.setCaption(QObject::tr("LIGHTING"));
        button.setSelectable(true);
        if (state.action == 1)
            sendEvent(button, QEvent::Enter);
        if (state.action == 2)
            pressLeft(button);
        if (state.action == 3)
            button.setSelected(true);
        if (state.action == 4)
            button.setButtonEnabled(false);
        gallery.save(state.name, button);
    }

    // The keyboard focus on a tab that is not selected, and on the selected one.
    for (bool selected : {false, true}) {
        QuorPushButton focused(tabSkins());
        focused.resize(w, h);
        focused.setCaption(QObject::tr("CUSTOMIZE"));
        focused.setGlowMode(true);
        focused.setSelectable(true);
        focused.setSelected(selected);
        focused.show();
        const char *name = selected ? "button_selected_focused" : "button_focused";
        if (!QTest::qWaitForWindowActive(&focused))
            std::fprintf(stderr, "%s: the button has no focus\n", name);
        focused.setFocus();
        gallery.save(name, focused);
    }

    QuorPushButton glow({skinPath("/skin/btn_1.png"), skinPath("/skin/btn_2.png")});
    glow.resize(w, h);
    glow.setGlowMode(true);
    glow.setCaption(QObject::tr("Apply"));
    sendEvent(glow, QEvent::Enter);
    gallery.save("button_glow_hover", glow);

    QuorPushButton badge(tabSkins());
    badge.resize(w, h);
    badge.setCaption(QObject::tr("DPI"));
    badge.setNumberBadge(254);
    gallery.save("button_badge_down", badge);
    badge.setNumberBadge(3);
    gallery.save("button_badge_number", badge);

    QuorPushButton elided(tabSkins());
    elided.resize(w, h);
    elided.setCaption(QStringLiteral("A caption far wider than the button it stands on"));
    gallery.save("button_elided", elided);

    QuorPushButton vertical(tabSkins());
    vertical.resize(scaledPixels(40), scaledPixels(96));
    vertical.setGlowMode(true);
    vertical.setVerticalText(true);
    vertical.setCaption(QObject::tr("Front"));
    gallery.save("button_vertical", vertical);
}

void labelsAndText(Gallery &gallery)
{
    QuorLabel label(QObject::tr("Firmware Update"));
    label.setPalette(whiteText(label.palette()));
    label.resize(scaledPixels(200), scaledPixels(24));
    gallery.save("label", label);
    label.setFilled(1);
    label.setTextAlignment(Qt::AlignCenter);
    gallery.save("label_filled_centred", label);

    QuorMenu menu;
    menu.setPalette(whiteText(menu.palette()));
    menu.resize(scaledPixels(152), scaledPixels(24));
    menu.setTitleText(QObject::tr("Mode") + " 1");
    gallery.save("menu_title", menu);

    QuorLineEdit edit;
    edit.applyFont();
    edit.resize(scaledPixels(134), scaledPixels(22));
    edit.setText(QStringLiteral("Profile 1"));
    gallery.save("line_edit", edit);

    QuorProfileMenuItem item(nullptr, QStringLiteral("Profile 2"));
    item.resize(143, 20);
    gallery.save("profile_menu_item", item);

    QuorTranslucentDialog overlay;
    overlay.resize(scaledPixels(270), scaledPixels(40));
    gallery.save("translucent_dialog", overlay);
}

void sliders(Gallery &gallery)
{
    QuorSlider slider;
    slider.setOrientation(Qt::Horizontal);
    slider.setRange(1, 20);
    slider.setValue(10);
    slider.resize(scaledPixels(220), scaledPixels(30));
    slider.setShowValue(true);
    pressLeft(slider);
    gallery.save("slider_with_bubble", slider);

    QuorTwoBarSlider pair(nullptr, 100, 0);
    pair.resize(scaledPixels(331), scaledPixels(30));
    pair.updateGeometryAndStyle();
    pair.setBarsHidden(false);
    pair.setSliderValue(30, 70);
    gallery.save("two_bar_pair", pair);
    pair.setBarsHidden(true);
    pair.setSliderValue(50, 50);
    pair.updateGeometryAndStyle();
    gallery.save("two_bar_single", pair);

    QuorProcessbar battery;
    battery.resize(scaledPixels(86), scaledPixels(18));
    battery.setValue(60);
    gallery.save("processbar_percent", battery);
    battery.setTextVisible(false);
    battery.setText(QCoreApplication::translate("MousecfgWidget", "MOUSE OFF"));
    gallery.save("processbar_text", battery);
}

void dialogs(Gallery &gallery)
{
    const char *messages[] = {"Profile Exist!", "Are you sure you want reset this profile?",
                              "AT LEAST ONE CLICK FUNCTION TO BE RETAINED.",
                              "The default Profile cannot be deleted or renamed.", "Dongle Disconnect!"};
    for (int type = 0; type <= 4; ++type) {
        QuorMessageBox box(type, QString(), QObject::tr("Warning"), QObject::tr(messages[type]));
        gallery.save(QStringLiteral("message_box_type%1").arg(type), box);
    }
    QuorPopBox pop(1, QString(), QObject::tr("Warning"), QStringLiteral("Name"));
    gallery.save("pop_box", pop);

    QuorProcessDialog busy(nullptr);
    if (busy.movie()->isValid())
        busy.movie()->jumpToFrame(busy.movie()->frameCount() / 2);
    gallery.save("process_dialog", busy);
}

void renderAll(Gallery &gallery)
{
    buttons(gallery);
    labelsAndText(gallery);
    sliders(gallery);
    dialogs(gallery);
}
}

int main(int argc, char **argv)
{
    return galleryMain(argc, argv, QStringLiteral(MOUSECFG_APP_DIR), {1.0, 1.25, 1.5, 2.0}, renderAll, [](Gallery &tc) {
        dialogs(tc);
        buttons(tc);
    });
}
