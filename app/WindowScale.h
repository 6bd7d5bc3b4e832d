#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

constexpr int DesignWidth = 999;
constexpr int DesignHeight = 640;
constexpr int ScaleIndexCount = 17;

// Row of the scale table for a screen's logical DPI / 96: the first row whose
// bound lies above the ratio; 16 (scale 5.0) for 4.8 and more.
int scaleIndexForRatio(double ratio);
double scaleForIndex(int index);
double screenRatio(double logicalDpi);
// The logical DPI of a screen that the window's scale follows.
double logicalDpiOf(const QScreen *screen);
// Test-only: every screen reports this logical DPI; 0 restores the screens' own.
void setLogicalDpiForTests(double dpi);
// The window size of a scale: each side of 999 x 640 times it, truncated.
QSize scaledWindowSize(double scale);
// The row whose window width lies within 9 pixels of width (rows 0-3 only), or fallback.
int scaleIndexForWidth(int width, int fallback);
// Top-left corner that centres a window in a screen's available area; a window
// larger than the area keeps its corner on the area's corner.
QPoint centredTopLeft(const QRect &available, const QSize &window);
// Top-left corner that keeps a window of the given size, placed at topLeft, inside a
// screen's available area where it fits; a larger window keeps the area's corner.
QPoint keptInsideArea(const QRect &available, const QPoint &topLeft, const QSize &window);
