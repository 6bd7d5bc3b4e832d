#include "pages/HColorArea.h"

#include "widgets/UiScale.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

HColorArea::HColorArea(QWidget *parent)
    : QWidget(parent)
    , m_barHeight(qMax(1, scaledPixels(128, uiScale())))
{
    drawHueGradient();
}

HColorArea::~HColorArea() = default;

void HColorArea::setHue(int hue)
{
    m_hue = (hue >= 0 && hue <= 360) ? hue : 0;
    m_position = m_hue / 360.0;
    update();
}

void HColorArea::rescale(double scale)
{
    m_barHeight = qMax(1, scaledPixels(128, scale));
    drawHueGradient();
    update();
}

// The picture is the bar itself, so the hue painted at a height is the hue a press
// there picks.
void HColorArea::drawHueGradient()
{
    m_pixmap = QPixmap(BarWidth, m_barHeight);
    m_pixmap.fill(Qt::transparent);
    QLinearGradient gradient(0, m_barHeight, 0, 0);
    for (int i = 0; i < 16; ++i)
        gradient.setColorAt(i / 16.0, QColor::fromHsvF(i / 16.0, 1.0, 1.0, 1.0));
    gradient.setColorAt(1.0, QColor::fromHsvF(0.0, 1.0, 1.0, 1.0));
    QPainter painter(&m_pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(0, 0, BarWidth, m_barHeight);
}

void HColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, BarTop, m_pixmap);
    const int a = int(m_barHeight - m_barHeight * m_position);
    const int w = width();
    const QPoint marker[3] = {QPoint(BarWidth, a + BarTop), QPoint(w, a), QPoint(w, a + 13)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(marker, 3);
}

void HColorArea::pickAt(QMouseEvent *event)
{
    const int y = qRound(event->localPos().y());
    const double p = qBound(0.0, 1.0 - double(y - BarTop) / m_barHeight, 1.0);
    m_position = p;
    update();
    m_hue = int(p * 360);
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent *event)
{
    pickAt(event);
}

void HColorArea::mouseMoveEvent(QMouseEvent *event)
{
    pickAt(event);
}

void HColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}
