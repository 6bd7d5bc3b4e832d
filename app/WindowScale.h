#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

constexpr int DesignWidth = 999;
constexpr int DesignHeight = 640;
constexpr int ScaleIndexCount = 17;

// Row of the scale table for a screen's logical DPI / 96: the first row whose
// bound lies above the ratio; 16 (scale 5.0) for 4.8 and more.
int scaleIndexForRatio(double ratio);
double scaleForIndex(int index);
double screenRatio(double logicalDpi);
// The window size of a scale: each side of 999 x 640 times it, truncated.
QSize scaledWindowSize(double scale);
// The row whose window width lies within 9 pixels of width (rows 0-3 only), or fallback.
int scaleIndexForWidth(int width, int fallback);
// Top-left corner that centres a window in a screen's available area; a window
// larger than the area keeps its corner on the area's corner.
QPoint centredTopLeft(const QRect &available, const QSize &window);
