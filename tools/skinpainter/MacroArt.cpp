#include "tools/skinpainter/MacroArt.h"

#include <QLinearGradient>
#include <QPainter>

namespace skin {

QImage paintRowIcon(QSize size, Glyph glyph)
{
    QImage image = canvas(size);
    QPainter p(&image);
    paintGlyph(p, glyph, QRectF(1, 1, size.width() - 2, size.height() - 2), Ink);
    return image;
}

QImage paintTreePlate(QSize size, Glyph glyph)
{
    QImage image = canvas(size);
    QPainter p(&image);
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath plate = roundedRect(body, 3);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(44, 47, 52));
    fill.setColorAt(1, QColor(30, 32, 36));
    p.setPen(QPen(Line, 1));
    p.setBrush(fill);
    p.drawPath(plate);
    const qreal side = body.height() - 6;
    paintGlyph(p, glyph, QRectF(body.left() + 5, body.top() + 3, side, side), Ink);
    return image;
}

QImage paintBullet(QSize size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 9.0, size.height() / 39.0);
    QLinearGradient brass(0, 0, 9, 0);
    brass.setColorAt(0, QColor(150, 112, 40));
    brass.setColorAt(0.45, QColor(236, 200, 110));
    brass.setColorAt(1, QColor(130, 96, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(brass);
    p.drawRect(QRectF(0.5, 14, 8, 24.5));
    QLinearGradient copper(0, 0, 9, 0);
    copper.setColorAt(0, QColor(140, 70, 40));
    copper.setColorAt(0.45, QColor(226, 140, 96));
    copper.setColorAt(1, QColor(120, 60, 34));
    p.setBrush(copper);
    QPainterPath tip(QPointF(0.5, 14));
    tip.cubicTo(0.5, 6, 3, 1, 4.5, 0.5);
    tip.cubicTo(6, 1, 8.5, 6, 8.5, 14);
    tip.closeSubpath();
    p.drawPath(tip);
    p.fillRect(QRectF(0.5, 33, 8, 1), QColor(90, 66, 20));
    return image;
}

} // namespace skin
