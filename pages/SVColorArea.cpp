#include "pages/SVColorArea.h"

#include "widgets/UiScale.h"

#include <QDebug>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {
// 360 is red again.
int paintHue(int hue)
{
    return hue < 360 ? hue : 0;
}
}

SVColorArea::SVColorArea(QWidget *parent)
    : QWidget(parent)
    , m_scale(uiScale())
{
    m_size = qMax(1, scaledPixels(128, m_scale));
    buildLayers();
}

SVColorArea::~SVColorArea() = default;

void SVColorArea::setHue(int hue)
{
    m_hue = qBound(0, hue, 360);
    drawHueGradient();
    update();
}

void SVColorArea::setHsv(int hue, int s, int v)
{
    m_hue = qBound(0, hue, 360);
    m_s = int(m_scale * s);
    m_v = int(m_scale * v);
    drawHueGradient();
    update();
}

void SVColorArea::hueChangedSlot(int hue)
{
    setHue(hue);
    emit svChangedSignal(m_hue, m_s, m_v);
}

void SVColorArea::rescale(double scale)
{
    m_size = qMax(1, scaledPixels(128, scale));
    m_s = int(scale * m_s / m_scale);
    m_v = int(scale * m_v / m_scale);
    m_scale = scale;
    buildLayers();
    update();
}

void SVColorArea::buildLayers()
{
    m_shadeLayer = QPixmap(m_size, m_size);
    m_shadeLayer.fill(Qt::transparent);
    QPainter painter(&m_shadeLayer);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    QLinearGradient shade(0, 0, 0, m_size);
    shade.setColorAt(0, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 255));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRect(0, 0, m_size, m_size);
    m_hueLayer = QPixmap(m_size, m_size);
    m_hueLayer.fill(Qt::transparent);
    drawHueGradient();
}

void SVColorArea::drawHueGradient()
{
    if (m_hueLayer.size() != QSize(m_size, m_size))
        m_hueLayer = QPixmap(m_size, m_size);
    QLinearGradient gradient(0, 0, m_size, 0);
    gradient.setColorAt(0, QColor(QStringLiteral("#ffffff")));
    gradient.setColorAt(1, QColor::fromHsv(paintHue(m_hue), 255, 255, 255));
    QPainter painter(&m_hueLayer);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(0, 0, m_size, m_size);
}

void SVColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, m_hueLayer);
    painter.drawPixmap(0, 0, m_shadeLayer);
    QPen pen(m_v <= m_size / 2 ? Qt::white : Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(m_s - 6, m_size - m_v - 6, 12, 12);
}

void SVColorArea::pickAt(QMouseEvent *event)
{
    const int x = qRound(event->localPos().x());
    const int y = qRound(event->localPos().y());
    m_s = qBound(0, x, m_size);
    m_v = qBound(0, m_size - y, m_size);
    emit svChangedSignal(m_hue, m_s, m_v);
    update();
}

void SVColorArea::mousePressEvent(QMouseEvent *event)
{
    qDebug("SVColorArea mousePressEvent %d %d\n", qRound(event->localPos().x()), qRound(event->localPos().y()));
    pickAt(event);
    qDebug("SVColorArea mousePressEvent %d %d\n", m_s, m_v);
}

void SVColorArea::mouseMoveEvent(QMouseEvent *event)
{
    pickAt(event);
}

void SVColorArea::mouseReleaseEvent(QMouseEvent *)
{
    emit mouseReleaseSignal();
}
