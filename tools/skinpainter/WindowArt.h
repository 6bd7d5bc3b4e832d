#pragma once

#include "tools/skinpainter/SkinDraw.h"

namespace skin {

// Outline of the main window in design pixels (999 x 640); outside it the
// background is transparent and so outside the window mask.
QPainterPath mainWindowShape();
QImage paintMainBackground(QSize size);
QImage paintDialog(QSize size);
QImage paintGunDialog(QSize size);
QImage paintBattery(QSize size, bool cable);
QImage paintLightning(QSize size);
QImage paintDongle(QSize size, bool disconnected);
QImage paintWarning(QSize size);
QImage paintLogo(QSize size);
QImage paintSpeedRamp(QSize size);

} // namespace skin
