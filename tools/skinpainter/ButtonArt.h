#pragma once

#include "tools/skinpainter/SkinDraw.h"

namespace skin {

// How a button picture carries its glyph.
struct ButtonLook
{
    enum Place { Centre, Left, Right };
    Glyph glyph = Glyph::None;
    Place place = Centre;
    bool round = false;     // a disc rather than a rounded plate
    bool marker = false;    // the selected look adds a bar on the left edge
};

QImage paintButton(QSize size, ButtonState state, const ButtonLook &look);
QImage paintCheckBox(QSize size, bool checked);
QImage paintRadio(QSize size, bool selected);

} // namespace skin
