#pragma once

#include <QRect>

#include <climits>

class QWidget;

// The program-wide UI scale factor (1.0 until the main window sets it).
void setUiScale(double scale);
double uiScale();

// The largest factor of the window's scale table.
constexpr double LargestUiScale = 5.0;
// The largest design value that every factor up to LargestUiScale scales into an int;
// sizes read from files are bounded to it.
constexpr int LargestScalableValue = int(INT_MAX / LargestUiScale);

// A design value times the factor, truncated toward zero.
int scaledPixels(int value, double scale);
int scaledPixels(int value);

// A rectangle of design values times scale, each truncated on its own.
QRect scaledRect(double scale, int x, int y, int width, int height);

// Sets the widget's geometry from design values times scale (each truncated on its
// own), then stores scale as the UI scale factor.
void setScaledGeometry(QWidget *widget, double scale, int x, int y, int width, int height);
// Multiplies the widget's current geometry by scale; the UI scale factor stays.
void rescaleGeometry(QWidget *widget, double scale);
