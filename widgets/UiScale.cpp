#include "widgets/UiScale.h"

#include <QWidget>

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
    return static_cast<int>(value * scale);
}

int scaledPixels(int value)
{
    return scaledPixels(value, g_uiScale);
}

void setScaledGeometry(QWidget *widget, double scale, int x, int y, int width, int height)
{
    widget->setGeometry(scaledPixels(x, scale), scaledPixels(y, scale), scaledPixels(width, scale),
                        scaledPixels(height, scale));
    setUiScale(scale);
}

void rescaleGeometry(QWidget *widget, double scale)
{
    const QRect r = widget->geometry();
    widget->setGeometry(scaledPixels(r.x(), scale), scaledPixels(r.y(), scale),
                        scaledPixels(r.width(), scale), scaledPixels(r.height(), scale));
}
