// Renders the DPI tab's pages, the lighting page and the colour dialog with a sample
// profile into PNG files, at UI scales 1.0, 1.25, 1.5 and 2.0 and once in traditional
// Chinese:
//   pages_gallery <output folder>
#include "pages/QuorColorArea.h"
#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorPointSpeed.h"
#include "pages/QuorReportRate.h"
#include "storage/ConfigIni.h"
#include "tests/common/Gallery.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

#include <QMenu>
#include <QSpinBox>
#include <QTest>

#include <cstdio>

namespace {
ProfileRecord sampleProfile()
{
    ProfileRecord r;
    resetProfileToDefaults(r);
    r.dpi = 1;
    r.pollrate = 2;
    r.mousespeed = 14;
    r.scrollspeed = 3;
    r.stages[2].link = 0;
    r.stages[2].x = 30;
    r.stages[2].y = 90;
    r.stages[4].used = 0;
    r.LedMode = 1;
    r.LedSleepTime = 3;
    r.ledModes[1].color = QColor(0, 128, 255);
    r.ledModes[2].color = QColor(255, 125, 0);
    return r;
}

// The rectangles the main window gives the pages, in design pixels.
void sizePage(QWidget &page, int width, int height)
{
    page.resize(scaledPixels(width), scaledPixels(height));
}

void dpiTab(Gallery &gallery, ProfileRecord &record)
{
    QuorDPIWindow dpi(record);
    sizePage(dpi, 456, 460);
    dpi.setProfileData(&record, readMouseSensor());
    dpi.setScale(uiScale());
    gallery.save("dpi_page", dpi);

    QuorReportRate rate(record);
    sizePage(rate, 229, 150);
    rate.setProfileData(&record, 2);
    gallery.save("report_rate", rate);
    rate.rateMenu()->resize(rate.rateMenu()->sizeHint());
    gallery.save("report_rate_menu", *rate.rateMenu());

    QuorPointSpeed speed(&record);
    sizePage(speed, 229, 306);
    speed.setProfileData(&record);
    gallery.save("point_speed", speed);
}

void lighting(Gallery &gallery, ProfileRecord &record)
{
    QuorColorWindow page(nullptr, uiScale());
    sizePage(page, 351, 440);
    page.setProfileData(&record);
    page.setScale(uiScale());
    const struct
    {
        int effect;
        const char *name;
    } effects[] = {{1, "lighting_full_lighted"}, {2, "lighting_breathing"}, {3, "lighting_7_color_breathing"}, {4, "lighting_rainbow"}, {0, "lighting_off"}};
    for (const auto &e : effects) {
        page.setEffect(e.effect);
        gallery.save(e.name, page);
    }
    // The other program's caption rule: a caption that fits is drawn whole.
    QuorPushButton::setCaptionFitFirst(true);
    page.setEffect(3);
    gallery.save("lighting_7_color_breathing_fit_first", page);
    QuorPushButton::setCaptionFitFirst(false);
    page.effectMenu()->resize(page.effectMenu()->sizeHint());
    gallery.save("lighting_effect_menu", *page.effectMenu());

    QuorColorArea dialog(nullptr, uiScale());
    dialog.setColor(record.ledModes[1].color);
    gallery.save("color_dialog", dialog);
    dialog.show();
    if (!QTest::qWaitForWindowActive(&dialog))
        std::fprintf(stderr, "dialog: no focus\n");
    dialog.box(4)->setFocus(Qt::TabFocusReason);
    gallery.save("color_dialog_focus_in_green", dialog);
    dialog.hide();
}

void renderAll(Gallery &gallery)
{
    ProfileRecord record = sampleProfile();
    dpiTab(gallery, record);
    lighting(gallery, record);
}
}

int main(int argc, char **argv)
{
    return galleryMain(argc, argv, QStringLiteral(MOUSECFG_APP_DIR), {1.0, 1.25, 1.5, 2.0}, renderAll, renderAll);
}
