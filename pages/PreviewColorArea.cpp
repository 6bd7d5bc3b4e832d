#include "pages/PreviewColorArea.h"

#include "widgets/UiScale.h"

#include <QPainter>

namespace {
// A square position (0..size) as 0..255: past 127 design pixels is full.
int fullScale(int position, double scale)
{
    if (position > 127 * scale)
        return 255;
    return qBound(0, int(2 * position / scale), 255);
}
}

PreviewColorArea::PreviewColorArea(QWidget *parent)
    : QWidget(parent)
    , m_scale(uiScale())
{
}

PreviewColorArea::~PreviewColorArea() = default;

void PreviewColorArea::setNewColor(const QColor &color)
{
    m_newColor = color;
    update();
}

void PreviewColorArea::setScale(double scale)
{
    m_scale = scale > 0 ? scale : 1.0;
}

void PreviewColorArea::svChangedSlot(int hue, int s, int v)
{
    const int S = fullScale(s, m_scale);
    const int V = fullScale(v, m_scale);
    if (hue >= 360 || hue < 0)
        hue = 0;
    // Stored colours are RGB, like every other colour of a profile.
    m_newColor = QColor::fromHsv(hue, S, V, 255).toRgb();
    update();
    emit svChangedSignal(hue, S, V);
}

void PreviewColorArea::resizeEvent(QResizeEvent *)
{
    update();
}

void PreviewColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    const int c = w / 2;
    painter.fillRect(0, 0, c, h, m_newColor);
    painter.fillRect(c, 0, c, h, m_newColor);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(QRect(QPoint(0, 0), QPoint(w - 1, h - 1)));
}
