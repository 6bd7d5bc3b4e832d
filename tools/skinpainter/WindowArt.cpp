#include "tools/skinpainter/WindowArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace skin {

QPainterPath mainWindowShape()
{
    const qreal l = 6, t = 6, r = 993, b = 634, cut = 22;
    QPainterPath shape;
    shape.addPolygon(QPolygonF() << QPointF(l + cut, t) << QPointF(r, t) << QPointF(r, b - cut)
                                 << QPointF(r - cut, b) << QPointF(l, b) << QPointF(l, t + cut));
    shape.closeSubpath();
    return shape;
}

static void separator(QPainter &p, qreal y, qreal left, qreal right)
{
    QLinearGradient g(left, y, right, y);
    g.setColorAt(0, QColor(150, 156, 164, 0));
    g.setColorAt(0.5, QColor(150, 156, 164, 160));
    g.setColorAt(1, QColor(150, 156, 164, 0));
    p.fillRect(QRectF(left, y, right - left, 1), g);
}

static void framedBox(QPainter &p, const QRectF &rect, const QColor &fill)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(52, 55, 60), 1));
    p.setBrush(fill);
    p.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.restore();
}

QImage paintMainBackground(QSize size)
{
    QImage image = canvas(size);
    const QPainterPath shape = mainWindowShape();
    {
        QPainter p(&image);
        p.setClipPath(shape);
        paintPanel(p, QRectF(0, 0, size.width(), size.height()), QColor(22, 24, 27), QColor(13, 14, 16));
        // title band, left column, page area and bottom band
        p.fillRect(QRectF(0, 0, size.width(), 70), QColor(255, 255, 255, 8));
        separator(p, 70, 30, 970);
        framedBox(p, QRectF(56, 80, 180, 470), QColor(20, 22, 25, 235));
        framedBox(p, QRectF(279, 82, 704, 476), QColor(17, 18, 21, 200));
        separator(p, 568, 30, 970);
        framedBox(p, QRectF(62, 576, 166, 56), QColor(20, 22, 25, 235));
        paintCornerMarks(p, QRectF(279, 82, 704, 476), 14, QColor(150, 156, 164));
        // slanted marks at the left end of the title band
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < 3; ++i) {
            const QColor mark(150, 156, 164, 120 - 35 * i);
            const qreal x = 34 + 12 * i;
            p.setBrush(mark);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF() << QPointF(x + 8, 24) << QPointF(x + 14, 24) << QPointF(x + 6, 56) << QPointF(x, 56));
        }
        // the outline, drawn inside the shape
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipping(false);
        p.setPen(QPen(QColor(84, 89, 96), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    }
    applyShape(image, shape);
    return image;
}

QImage paintDialog(QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    const QRectF all(0, 0, size.width(), size.height());
    paintPanel(p, all, QColor(30, 32, 36), QColor(16, 17, 20));
    p.fillRect(QRectF(0, 0, size.width(), size.height() * 0.16), QColor(255, 255, 255, 9));
    p.setPen(QPen(QColor(50, 53, 58), 1));
    p.drawRect(all.adjusted(6.5, 6.5, -7.5, -7.5));
    paintCornerMarks(p, all.adjusted(10, 10, -10, -10), 10, QColor(120, 126, 134));
    return image;
}

QImage paintGunDialog(QSize size)
{
    QImage image = paintDialog(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // a faint sight in the free lower-left corner
    const QPointF c(size.width() * 0.13, size.height() * 0.8);
    const qreal r = size.height() * 0.1;
    p.setPen(QPen(QColor(255, 255, 255, 24), 2));
    p.drawEllipse(c, r, r);
    p.drawLine(c - QPointF(r * 1.4, 0), c + QPointF(r * 1.4, 0));
    p.drawLine(c - QPointF(0, r * 1.4), c + QPointF(0, r * 1.4));
    return image;
}

QImage paintBattery(QSize size, bool cable)
{
    // The battery bar of the window lies at (6, 6, 71, 34) of this picture.
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal sx = size.width() / 86.0, sy = size.height() / 47.0;
    p.scale(sx, sy);
    p.setPen(QPen(QColor(170, 176, 184), 2));
    p.setBrush(QColor(20, 22, 25));
    p.drawRoundedRect(QRectF(3, 3, 77, 40), 5, 5);
    p.setBrush(QColor(170, 176, 184));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(80, 15, 5, 16), 1.5, 1.5);
    if (cable) {
        // a plug on the terminal with its lead running down
        p.drawRoundedRect(QRectF(78, 35, 8, 10), 1.5, 1.5);
        p.setPen(QPen(QColor(170, 176, 184), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(82, 31), QPointF(82, 35));
        p.setPen(QPen(QColor(255, 200, 60), 1.5));
        p.drawLine(QPointF(4, 44.5), QPointF(76, 44.5));
    }
    return image;
}

QImage paintLightning(QSize size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 26.0, size.height() / 40.0);
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, QColor(255, 236, 120));
    g.setColorAt(1, QColor(255, 170, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(90, 60, 0), 1));
    p.drawPolygon(QPolygonF() << QPointF(16, 1) << QPointF(3, 23) << QPointF(12, 23) << QPointF(8, 39)
                              << QPointF(23, 15) << QPointF(14, 15) << QPointF(19, 1));
    return image;
}

QImage paintDongle(QSize size, bool disconnected)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = std::min(size.width(), size.height()) / 48.0;
    p.scale(u, u);
    // USB plug on top, receiver body below
    p.setPen(QPen(QColor(170, 176, 184), 1.5));
    p.setBrush(QColor(60, 64, 70));
    p.drawRect(QRectF(17, 4, 14, 12));
    p.setBrush(QColor(170, 176, 184));
    p.drawRect(QRectF(20, 8, 3, 3));
    p.drawRect(QRectF(25, 8, 3, 3));
    QLinearGradient body(0, 16, 0, 44);
    body.setColorAt(0, QColor(70, 75, 82));
    body.setColorAt(1, QColor(30, 32, 36));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(13, 16, 22, 28), 5, 5);
    // radio waves
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(210, 214, 220), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 2; ++i) {
        const qreal r = 5 + 4 * i;
        p.drawArc(QRectF(24 - r, 32 - r, 2 * r, 2 * r), 50 * 16, 80 * 16);
    }
    if (disconnected) {
        p.setPen(QPen(QColor(230, 60, 50), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(40, 40));
    }
    return image;
}

QImage paintWarning(QSize size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = std::min(size.width(), size.height()) / 45.0;
    p.scale(u, u);
    QLinearGradient g(0, 2, 0, 42);
    g.setColorAt(0, QColor(255, 214, 80));
    g.setColorAt(1, QColor(240, 150, 20));
    p.setBrush(g);
    p.setPen(QPen(QColor(60, 40, 0), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolygon(QPolygonF() << QPointF(22.5, 3) << QPointF(43, 41) << QPointF(2, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 10));
    p.drawRoundedRect(QRectF(20.5, 14, 4, 16), 2, 2);
    p.drawEllipse(QPointF(22.5, 35), 2.4, 2.4);
    return image;
}

QImage paintLogo(QSize size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 200.0, size.height() / 50.0);
    paintGlyph(p, Glyph::Mouse, QRectF(4, 5, 40, 40), QColor(220, 224, 230));
    p.setPen(QPen(QColor(220, 224, 230), 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (int i = 0; i < 3; ++i) {
        const qreal x = 56 + i * 18;
        p.drawPolyline(QPolygonF() << QPointF(x, 13) << QPointF(x + 12, 25) << QPointF(x, 37));
    }
    QLinearGradient bar(110, 0, 196, 0);
    bar.setColorAt(0, QColor(220, 224, 230));
    bar.setColorAt(1, QColor(220, 224, 230, 0));
    p.fillRect(QRectF(110, 23, 86, 4), bar);
    return image;
}

QImage paintSpeedRamp(QSize size)
{
    // the sniper slider's groove: a wedge that grows to the right
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient g(0, 0, w, 0);
    g.setColorAt(0, QColor(70, 74, 80));
    g.setColorAt(1, QColor(190, 196, 204));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF() << QPointF(2, h * 0.62) << QPointF(w - 2, h * 0.18) << QPointF(w - 2, h * 0.82)
                              << QPointF(2, h * 0.7));
    return image;
}

} // namespace skin
