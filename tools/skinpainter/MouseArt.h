#pragma once

#include "tools/skinpainter/SkinDraw.h"

namespace skin {

// The sample model: seven buttons (1 left, 2 right, 3 wheel, 4 forward, 5 back, 6 DPI up, 7 DPI down).
constexpr int SampleModelButtons = 7;

// Front (top) view; highlight 1..SampleModelButtons marks that button, any other value none.
QImage paintMouseFront(QSize size, int highlight);
QImage paintMouseSide(QSize size);

} // namespace skin
