#include "app/WindowScale.h"

#include "widgets/UiScale.h"

#include <QScreen>
#include <QtGlobal>

#include <array>

namespace {
// Upper bounds ("below") of the ratio for rows 0-15.
constexpr std::array<double, ScaleIndexCount - 1> RatioBounds = {1.1, 1.4, 1.6, 1.8, 2.1, 2.3, 2.6, 2.8,
                                                                3.1, 3.3, 3.6, 3.8, 4.1, 4.3, 4.6, 4.8};
double g_testDpi = 0.0;
}

int scaleIndexForRatio(double ratio)
{
    for (size_t i = 0; i < RatioBounds.size(); ++i)
        if (ratio < RatioBounds[i])
            return int(i);
    return ScaleIndexCount - 1;
}

double scaleForIndex(int index)
{
    return qBound(0, index, ScaleIndexCount - 1) * 0.25 + 1.0;
}

double screenRatio(double logicalDpi)
{
    return logicalDpi / 96.0;
}

double logicalDpiOf(const QScreen *screen)
{
    if (g_testDpi > 0.0)
        return g_testDpi;
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

void setLogicalDpiForTests(double dpi)
{
    g_testDpi = dpi;
}

QSize scaledWindowSize(double scale)
{
    return QSize(scaledPixels(DesignWidth, scale), scaledPixels(DesignHeight, scale));
}

int scaleIndexForWidth(int width, int fallback)
{
    for (int index = 0; index < 4; ++index)
        if (qAbs(width - scaledWindowSize(scaleForIndex(index)).width()) <= 9)
            return index;
    return fallback;
}

QPoint centredTopLeft(const QRect &available, const QSize &window)
{
    const int x = available.x() + qMax(0, (available.width() - window.width()) / 2);
    const int y = available.y() + qMax(0, (available.height() - window.height()) / 2);
    return QPoint(x, y);
}

QPoint keptInsideArea(const QRect &available, const QPoint &topLeft, const QSize &window)
{
    const int x = qMax(available.x(), qMin(topLeft.x(), available.x() + available.width() - window.width()));
    const int y = qMax(available.y(), qMin(topLeft.y(), available.y() + available.height() - window.height()));
    return QPoint(x, y);
}
