#include "tools/skinpainter/MouseArt.h"

#include <QPainter>
#include <QRadialGradient>

namespace skin {

// All geometry below is in a 300 x 400 design box (the side view in 300 x 300).
static QPainterPath frontBody()
{
    QPainterPath path(QPointF(150, 28));
    path.cubicTo(200, 28, 236, 80, 238, 150);
    path.cubicTo(240, 210, 244, 250, 232, 300);
    path.cubicTo(222, 350, 195, 380, 150, 380);
    path.cubicTo(105, 380, 78, 350, 68, 300);
    path.cubicTo(56, 250, 60, 210, 62, 150);
    path.cubicTo(64, 80, 100, 28, 150, 28);
    path.closeSubpath();
    return path;
}

static QPainterPath buttonArea()
{
    QPainterPath path(QPointF(0, 0));
    path.lineTo(300, 0);
    path.lineTo(300, 170);
    path.quadTo(150, 194, 0, 170);
    path.closeSubpath();
    return path;
}

static QPainterPath rounded(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    return roundedRect(QRectF(x, y, w, h), r);
}

static QPainterPath frontZone(int button)
{
    QPainterPath column;
    switch (button) {
    case 1:
        column.addRect(0, 0, 141, 400);
        return frontBody().intersected(buttonArea()).intersected(column);
    case 2:
        column.addRect(159, 0, 141, 400);
        return frontBody().intersected(buttonArea()).intersected(column);
    case 3: return rounded(143, 60, 14, 50, 6);
    case 4: return rounded(53, 188, 14, 40, 6);
    case 5: return rounded(51, 234, 14, 40, 6);
    case 6: return rounded(144, 118, 12, 16, 3);
    case 7: return rounded(144, 140, 12, 16, 3);
    default: return QPainterPath();
    }
}

static void paintShell(QPainter &p, const QPainterPath &body, const QPointF &light)
{
    QRadialGradient shell(light, 260);
    shell.setColorAt(0, QColor(70, 75, 82));
    shell.setColorAt(0.6, QColor(34, 37, 41));
    shell.setColorAt(1, QColor(16, 17, 19));
    p.setPen(QPen(QColor(120, 126, 134), 2));
    p.setBrush(shell);
    p.drawPath(body);
}

QImage paintMouseFront(QSize size, int highlight)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 300.0, size.height() / 400.0);
    const QPainterPath body = frontBody();
    // side buttons sit on the left flank, under the shell's edge
    p.setPen(QPen(QColor(110, 116, 124), 1.5));
    p.setBrush(QColor(52, 56, 62));
    for (int b : {4, 5})
        p.drawPath(frontZone(b));
    paintShell(p, body, QPointF(120, 110));
    // seams between the buttons and the palm rest
    p.setPen(QPen(QColor(8, 9, 10), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(frontZone(1));
    p.drawPath(frontZone(2));
    p.setPen(QPen(QColor(110, 116, 124), 1.5));
    p.setBrush(QColor(28, 30, 33));
    for (int b : {3, 6, 7})
        p.drawPath(frontZone(b));
    p.setPen(QPen(QColor(150, 156, 164), 1.2));
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(146, 66 + 8 * i), QPointF(154, 66 + 8 * i));
    // light strip along the palm rest
    p.setPen(QPen(QColor(200, 206, 214, 120), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath strip(QPointF(100, 340));
    strip.quadTo(150, 362, 200, 340);
    p.drawPath(strip);
    if (highlight >= 1 && highlight <= SampleModelButtons) {
        const QPainterPath zone = frontZone(highlight);
        p.setPen(QPen(QColor(255, 255, 255, 90), 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(zone);
        p.setPen(QPen(QColor(255, 255, 255), 2));
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawPath(zone);
    }
    return image;
}

QImage paintMouseSide(QSize size)
{
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size.width() / 300.0, size.height() / 300.0);
    QPainterPath body(QPointF(24, 214));
    body.cubicTo(30, 150, 80, 92, 140, 88);
    body.cubicTo(210, 82, 276, 140, 282, 204);
    body.quadTo(284, 228, 268, 232);
    body.lineTo(36, 232);
    body.quadTo(20, 230, 24, 214);
    body.closeSubpath();
    paintShell(p, body, QPointF(130, 110));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(8, 9, 10), 2.5));
    QPainterPath seam(QPointF(34, 176));
    seam.quadTo(80, 108, 168, 96);
    p.drawPath(seam);
    p.setPen(QPen(QColor(10, 11, 12), 1));
    p.setBrush(QColor(14, 15, 17));
    p.drawRect(QRectF(30, 222, 244, 10));
    // the two side buttons and a grip texture
    p.setPen(QPen(QColor(110, 116, 124), 1.5));
    p.setBrush(QColor(52, 56, 62));
    p.drawPath(rounded(86, 146, 40, 15, 7));
    p.drawPath(rounded(132, 146, 40, 15, 7));
    p.setPen(QPen(QColor(255, 255, 255, 22), 2));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(110 + 14 * i, 206), QPointF(124 + 14 * i, 176));
    return image;
}

} // namespace skin
