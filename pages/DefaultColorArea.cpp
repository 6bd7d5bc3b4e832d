#include "pages/DefaultColorArea.h"

#include <QDebug>
#include <QPainter>

DefaultColorArea::DefaultColorArea(QWidget *parent, const QColor &color)
    : QWidget(parent)
    , m_color(color)
{
}

DefaultColorArea::~DefaultColorArea() = default;

void DefaultColorArea::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void DefaultColorArea::mousePressEvent(QMouseEvent *)
{
    qDebug("DefaultColorArea mousePressEvent");
    emit ClickedSignal();
}

void DefaultColorArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawRect(QRect(0, 0, width() - 1, height() - 1));
}

void DefaultColorArea::resizeEvent(QResizeEvent *)
{
    update();
}
