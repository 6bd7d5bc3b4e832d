#pragma once

#include "tools/skinpainter/SkinDraw.h"

namespace skin {

// A glyph alone on a transparent picture (macro table icons).
QImage paintRowIcon(QSize size, Glyph glyph);
// A row plate of the mouse-command tree with its glyph at the left end.
QImage paintTreePlate(QSize size, Glyph glyph);
// One shot of the recoil editor.
QImage paintBullet(QSize size);

} // namespace skin
