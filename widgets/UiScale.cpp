#include "widgets/UiScale.h"

#include <QWidget>

#include <climits>

namespace {
double g_uiScale = 1.0;
}

void setUiScale(double scale)
{
    g_uiScale = scale;
}

double uiScale()
{
    return g_uiScale;
}

int scaledPixels(int value, double scale)
{
    // A damaged Config.ini may hold a size whose product leaves the int range.
    return static_cast<int>(qBound<double>(INT_MIN, value * scale, INT_MAX));
}

int scaledPixels(int value)
{
    return scaledPixels(value, g_uiScale);
}

QRect scaledRect(double scale, int x, int y, int width, int height)
{
    return QRect(scaledPixels(x, scale), scaledPixels(y, scale), scaledPixels(width, scale),
                 scaledPixels(height, scale));
}

void setScaledGeometry(QWidget *widget, double scale, int x, int y, int width, int height)
{
    widget->setGeometry(scaledRect(scale, x, y, width, height));
    setUiScale(scale);
}

void rescaleGeometry(QWidget *widget, double scale)
{
    const QRect r = widget->geometry();
    widget->setGeometry(scaledPixels(r.x(), scale), scaledPixels(r.y(), scale),
                        scaledPixels(r.width(), scale), scaledPixels(r.height(), scale));
}
