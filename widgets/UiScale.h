#pragma once

#include <QRect>

class QWidget;

// The program-wide UI scale factor (1.0 until the main window sets it).
void setUiScale(double scale);
double uiScale();

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
