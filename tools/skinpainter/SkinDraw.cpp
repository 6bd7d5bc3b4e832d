#include "tools/skinpainter/SkinDraw.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace skin {

QImage canvas(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPainterPath roundedRect(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QColor stateFillTop(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal: return QColor(52, 56, 62);
    case ButtonState::Hover: return QColor(84, 90, 98);
    case ButtonState::Selected: return QColor(76, 82, 90);
    case ButtonState::Pressed: return QColor(14, 15, 17);
    case ButtonState::Disabled: return QColor(32, 33, 35);
    }
    return QColor();
}

QColor stateFillBottom(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal: return QColor(30, 32, 36);
    case ButtonState::Hover: return QColor(50, 54, 60);
    case ButtonState::Selected: return QColor(44, 48, 54);
    case ButtonState::Pressed: return QColor(36, 39, 43);
    case ButtonState::Disabled: return QColor(28, 29, 31);
    }
    return QColor();
}

QColor stateBorder(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal: return Line;
    case ButtonState::Hover: return LineHigh;
    case ButtonState::Selected: return QColor(190, 196, 204);
    case ButtonState::Pressed: return QColor(220, 224, 230);
    case ButtonState::Disabled: return QColor(48, 50, 53);
    }
    return QColor();
}

QColor stateInk(ButtonState state)
{
    switch (state) {
    case ButtonState::Normal: return Ink;
    case ButtonState::Hover:
    case ButtonState::Selected:
    case ButtonState::Pressed: return QColor(255, 255, 255);
    case ButtonState::Disabled: return InkDim;
    }
    return QColor();
}

void paintPlate(QPainter &p, const QPainterPath &shape, ButtonState state)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, stateFillTop(state));
    fill.setColorAt(1, stateFillBottom(state));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(stateBorder(state), 1));
    p.setBrush(fill);
    p.drawPath(shape);
    if (state == ButtonState::Normal || state == ButtonState::Hover || state == ButtonState::Selected) {
        // a thin sheen along the top edge
        p.setClipPath(shape);
        p.setPen(QPen(QColor(255, 255, 255, state == ButtonState::Normal ? 28 : 48), 1));
        p.drawLine(QPointF(r.left() + 2, r.top() + 1.5), QPointF(r.right() - 2, r.top() + 1.5));
    }
    p.restore();
}

static QPointF at(const QRectF &b, qreal fx, qreal fy)
{
    return QPointF(b.left() + fx * b.width(), b.top() + fy * b.height());
}

static void arrow(QPainter &p, const QRectF &b, QPointF from, QPointF to)
{
    const QPointF tip = at(b, to.x(), to.y());
    const QPointF tail = at(b, from.x(), from.y());
    p.drawLine(tail, tip);
    QLineF shaft(tip, tail);
    const qreal head = std::min(b.width(), b.height()) * 0.32;
    for (qreal turn : {35.0, -35.0}) {
        QLineF side = QLineF::fromPolar(head, shaft.angle() + turn);
        side.translate(tip);
        p.drawLine(side);
    }
}

static void paintTray(QPainter &p, const QRectF &b)
{
    QPolygonF tray;
    tray << at(b, 0.1, 0.55) << at(b, 0.1, 0.9) << at(b, 0.9, 0.9) << at(b, 0.9, 0.55);
    p.drawPolyline(tray);
}

void paintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &ink)
{
    const qreal w = std::max<qreal>(1.2, std::min(box.width(), box.height()) / 8.0);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF &b = box;
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Close:
        p.drawLine(at(b, 0.2, 0.2), at(b, 0.8, 0.8));
        p.drawLine(at(b, 0.8, 0.2), at(b, 0.2, 0.8));
        break;
    case Glyph::Minimise:
        p.drawLine(at(b, 0.2, 0.75), at(b, 0.8, 0.75));
        break;
    case Glyph::Plus:
        p.drawLine(at(b, 0.5, 0.15), at(b, 0.5, 0.85));
        p.drawLine(at(b, 0.15, 0.5), at(b, 0.85, 0.5));
        break;
    case Glyph::Minus:
        p.drawLine(at(b, 0.15, 0.5), at(b, 0.85, 0.5));
        break;
    case Glyph::Copy:
        p.drawRoundedRect(QRectF(at(b, 0.1, 0.1), at(b, 0.62, 0.62)), w, w);
        p.drawRoundedRect(QRectF(at(b, 0.38, 0.38), at(b, 0.9, 0.9)), w, w);
        break;
    case Glyph::Import:
        paintTray(p, b);
        arrow(p, b, QPointF(0.5, 0.08), QPointF(0.5, 0.68));
        break;
    case Glyph::Export:
        paintTray(p, b);
        arrow(p, b, QPointF(0.5, 0.7), QPointF(0.5, 0.1));
        break;
    case Glyph::Reset: {
        const QRectF ring(at(b, 0.18, 0.18), at(b, 0.82, 0.82));
        p.drawArc(ring, 100 * 16, 280 * 16);
        const QPointF end = at(b, 0.5 - 0.32 * 0.17, 0.5 - 0.32 * 0.98);
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        const qreal h = b.width() * 0.2;
        p.drawPolygon(QPolygonF() << end + QPointF(h, 0) << end + QPointF(-h * 0.4, -h) << end + QPointF(-h * 0.4, h));
        break;
    }
    case Glyph::Check:
        p.drawPolyline(QPolygonF() << at(b, 0.16, 0.52) << at(b, 0.42, 0.78) << at(b, 0.86, 0.22));
        break;
    case Glyph::Globe:
        p.drawEllipse(QRectF(at(b, 0.1, 0.1), at(b, 0.9, 0.9)));
        p.drawEllipse(QRectF(at(b, 0.32, 0.1), at(b, 0.68, 0.9)));
        p.drawLine(at(b, 0.1, 0.5), at(b, 0.9, 0.5));
        break;
    case Glyph::DropDown:
        p.setBrush(ink);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF() << at(b, 0.2, 0.35) << at(b, 0.8, 0.35) << at(b, 0.5, 0.7));
        break;
    case Glyph::ArrowUp: arrow(p, b, QPointF(0.5, 0.85), QPointF(0.5, 0.15)); break;
    case Glyph::ArrowDown: arrow(p, b, QPointF(0.5, 0.15), QPointF(0.5, 0.85)); break;
    case Glyph::ArrowLeft: arrow(p, b, QPointF(0.85, 0.5), QPointF(0.15, 0.5)); break;
    case Glyph::ArrowRight: arrow(p, b, QPointF(0.15, 0.5), QPointF(0.85, 0.5)); break;
    case Glyph::ToTop:
        p.drawLine(at(b, 0.15, 0.12), at(b, 0.85, 0.12));
        arrow(p, b, QPointF(0.5, 0.9), QPointF(0.5, 0.3));
        break;
    case Glyph::ToBottom:
        p.drawLine(at(b, 0.15, 0.88), at(b, 0.85, 0.88));
        arrow(p, b, QPointF(0.5, 0.1), QPointF(0.5, 0.7));
        break;
    case Glyph::Trash:
        p.drawLine(at(b, 0.12, 0.22), at(b, 0.88, 0.22));
        p.drawLine(at(b, 0.4, 0.1), at(b, 0.6, 0.1));
        p.drawPolygon(QPolygonF() << at(b, 0.22, 0.3) << at(b, 0.78, 0.3) << at(b, 0.7, 0.9) << at(b, 0.3, 0.9));
        p.drawLine(at(b, 0.5, 0.42), at(b, 0.5, 0.78));
        break;
    case Glyph::Clear:
        p.drawRoundedRect(QRectF(at(b, 0.12, 0.12), at(b, 0.88, 0.88)), w, w);
        p.drawLine(at(b, 0.32, 0.32), at(b, 0.68, 0.68));
        p.drawLine(at(b, 0.68, 0.32), at(b, 0.32, 0.68));
        break;
    case Glyph::Pencil:
        p.drawPolygon(QPolygonF() << at(b, 0.68, 0.12) << at(b, 0.88, 0.32) << at(b, 0.34, 0.86)
                                  << at(b, 0.12, 0.88) << at(b, 0.14, 0.66));
        p.drawLine(at(b, 0.58, 0.22), at(b, 0.78, 0.42));
        break;
    case Glyph::Clock:
        p.drawEllipse(QRectF(at(b, 0.1, 0.1), at(b, 0.9, 0.9)));
        p.drawPolyline(QPolygonF() << at(b, 0.5, 0.25) << at(b, 0.5, 0.5) << at(b, 0.7, 0.62));
        break;
    case Glyph::Keyboard: {
        const QRectF body(at(b, 0.06, 0.14), at(b, 0.94, 0.86));
        p.drawRoundedRect(body, w * 1.5, w * 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        const qreal key = body.height() * 0.16;
        for (int row = 0; row < 2; ++row)
            for (int col = 0; col < 7; ++col)
                p.drawRect(QRectF(body.left() + body.width() * (0.1 + col * 0.12),
                                  body.top() + body.height() * (0.22 + row * 0.24), key * 1.2, key));
        p.drawRect(QRectF(body.left() + body.width() * 0.28, body.top() + body.height() * 0.7,
                          body.width() * 0.44, key));
        break;
    }
    case Glyph::Mouse: {
        const QRectF body(at(b, 0.26, 0.08), at(b, 0.74, 0.92));
        p.drawRoundedRect(body, body.width() * 0.48, body.width() * 0.48);
        p.drawLine(at(b, 0.26, 0.42), at(b, 0.74, 0.42));
        p.drawLine(at(b, 0.5, 0.08), at(b, 0.5, 0.42));
        break;
    }
    case Glyph::KeyDown:
        p.drawLine(at(b, 0.15, 0.9), at(b, 0.85, 0.9));
        arrow(p, b, QPointF(0.5, 0.08), QPointF(0.5, 0.68));
        break;
    case Glyph::KeyUp:
        p.drawLine(at(b, 0.15, 0.9), at(b, 0.85, 0.9));
        arrow(p, b, QPointF(0.5, 0.7), QPointF(0.5, 0.1));
        break;
    case Glyph::Dot:
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawEllipse(QRectF(at(b, 0.3, 0.3), at(b, 0.7, 0.7)));
        break;
    }
    p.restore();
}

void paintPanel(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.save();
    p.fillRect(rect, fill);
    p.setClipRect(rect);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, 7), 1));
    for (qreal x = rect.left() - rect.height(); x < rect.right(); x += 6)
        p.drawLine(QPointF(x, rect.bottom()), QPointF(x + rect.height(), rect.top()));
    p.restore();
}

void paintCornerMarks(QPainter &p, const QRectF &rect, qreal arm, const QColor &color)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::SquareCap));
    const QRectF r = rect.adjusted(1, 1, -1, -1);
    const QPointF corners[4] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QPointF dirs[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
    for (int i = 0; i < 4; ++i) {
        p.drawLine(corners[i], corners[i] + QPointF(dirs[i].x() * arm, 0));
        p.drawLine(corners[i], corners[i] + QPointF(0, dirs[i].y() * arm));
    }
    p.restore();
}

void applyShape(QImage &image, const QPainterPath &shape)
{
    QImage mask(image.size(), QImage::Format_Alpha8);
    mask.fill(0);
    {
        QPainter p(&mask);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillPath(shape, QColor(0, 0, 0, 255));
    }
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(out.scanLine(y));
        const uchar *inside = mask.constScanLine(y);
        for (int x = 0; x < out.width(); ++x)
            row[x] = inside[x] ? (row[x] | 0xff000000u) : 0u;
    }
    image = out;
}

} // namespace skin
