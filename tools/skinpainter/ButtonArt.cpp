#include "tools/skinpainter/ButtonArt.h"

#include <QPainter>

#include <algorithm>

namespace skin {

static QRectF glyphBox(const QRectF &body, const ButtonLook &look)
{
    const qreal side = std::min(body.width(), body.height()) * (look.round ? 0.5 : 0.64);
    QRectF box(0, 0, side, side);
    const qreal inset = (body.height() - side) / 2;
    switch (look.place) {
    case ButtonLook::Left: box.moveTopLeft(QPointF(body.left() + inset, body.top() + inset)); break;
    case ButtonLook::Right: box.moveTopRight(QPointF(body.right() - inset, body.top() + inset)); break;
    case ButtonLook::Centre: box.moveCenter(body.center()); break;
    }
    return box;
}

QImage paintButton(QSize size, ButtonState state, const ButtonLook &look)
{
    QImage image = canvas(size);
    QPainter p(&image);
    const QRectF body = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(4, body.height() / 4);
    QPainterPath shape;
    if (look.round)
        shape.addEllipse(body);
    else
        shape = roundedRect(body, radius);
    paintPlate(p, shape, state);
    if (look.marker && (state == ButtonState::Selected || state == ButtonState::Hover)) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(shape);
        p.fillRect(QRectF(body.left(), body.top(), 3, body.height()), stateInk(state));
    }
    // a pressed button shows its glyph one pixel lower
    const QPointF shift = state == ButtonState::Pressed ? QPointF(0, 1) : QPointF(0, 0);
    paintGlyph(p, look.glyph, glyphBox(body, look).translated(shift), stateInk(state));
    return image;
}

QImage paintCheckBox(QSize size, bool checked)
{
    QImage image = canvas(size);
    QPainter p(&image);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1.5, 1.5, -1.5, -1.5);
    paintPlate(p, roundedRect(box, 2.5), checked ? ButtonState::Selected : ButtonState::Normal);
    if (checked)
        paintGlyph(p, Glyph::Check, box.adjusted(1, 1, -1, -1), QColor(255, 255, 255));
    return image;
}

QImage paintRadio(QSize size, bool selected)
{
    QImage image = canvas(size);
    QPainter p(&image);
    const QRectF box = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(2.5, 2.5, -2.5, -2.5);
    QPainterPath ring;
    ring.addEllipse(box);
    paintPlate(p, ring, selected ? ButtonState::Selected : ButtonState::Normal);
    if (selected)
        paintGlyph(p, Glyph::Dot, box, QColor(255, 255, 255));
    return image;
}

} // namespace skin
