#include "tools/skinpainter/IconArt.h"

#include "tools/skinpainter/SkinDraw.h"

#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <algorithm>

namespace skin {

QImage paintAppIcon(int side)
{
    QImage image = canvas(QSize(side, side));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = side / 64.0;
    p.scale(s, s);
    QLinearGradient back(0, 0, 0, 64);
    back.setColorAt(0, QColor(52, 56, 62));
    back.setColorAt(1, QColor(16, 17, 19));
    p.setPen(QPen(QColor(130, 136, 144), side < 32 ? 2.5 : 1.5));
    p.setBrush(back);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    // mouse outline with a lit wheel
    const qreal line = side < 32 ? 4.5 : 3.2;
    p.setPen(QPen(QColor(235, 238, 242), line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(34, 37, 41));
    p.drawRoundedRect(QRectF(19, 10, 26, 44), 13, 13);
    p.drawLine(QPointF(19, 29), QPointF(45, 29));
    p.drawLine(QPointF(32, 10), QPointF(32, 29));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 125, 0));
    p.drawRoundedRect(QRectF(29.5, 15, 5, 10), 2.5, 2.5);
    return image;
}

QVector<QImage> paintLoadingFrames(QSize size, int count)
{
    QVector<QImage> frames;
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal radius = std::min(size.width(), size.height()) * 0.3;
    const qreal dot = std::min(size.width(), size.height()) * 0.055;
    const QPainterPath plate = roundedRect(QRectF(0, 0, size.width(), size.height()), size.width() * 0.16);
    for (int f = 0; f < count; ++f) {
        QImage image = canvas(size);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(plate, QColor(24, 24, 24));
            p.setPen(Qt::NoPen);
            for (int i = 0; i < count; ++i) {
                // dot i trails the head (dot f) by (f - i) steps
                const int age = (f - i + count) % count;
                const int grey = std::max(60, 255 - age * 190 / std::max(1, count - 1));
                p.setBrush(QColor(grey, grey, grey));
                const qreal angle = 2 * M_PI * i / count - M_PI / 2;
                p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius, dot, dot);
            }
        }
        applyShape(image, plate);
        frames << image;
    }
    return frames;
}

} // namespace skin
