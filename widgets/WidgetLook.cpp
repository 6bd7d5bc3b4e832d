#include "widgets/WidgetLook.h"

#include "storage/Theme.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QPainter>
#include <QWidget>

QPalette whiteTextPalette(QPalette palette)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, Qt::white);
    return palette;
}

QString grooveSliderStyleSheet(const QColor &start, const QColor &end, double scale)
{
    const int h = scaledPixels(6, scale);
    // The handle, about 12 design pixels, reaches out of the groove by the same margin
    // above and below, so it stays centred on the groove wherever the groove lands; it
    // is as wide as it is tall and its radius at most half its side (a larger one draws
    // it square). The groove itself is see-through: the coloured part before the handle
    // rounds its left end and the grey part after it its right end, so no colour shows
    // through the grey part's round edge. Rounded at both ends, a part narrower than the
    // groove is high (beside the handle at an end of the range) would turn square.
    const int margin = (scaledPixels(12, scale) - h) / 2;
    const int side = h + 2 * margin;
    return QStringLiteral(
        "QSlider{background: qrgb(0,0,0,0%);}QSlider::groove:horizontal{height:%1px;"
        "background:rgba(0,0,0,0);}QSlider::sub-page:horizontal{height:%1px;"
        "background:qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgb(%2,%3,%4), stop:1 rgb(%5,%6,%7));"
        "border-top-left-radius:%8px;border-bottom-left-radius:%8px;}"
        "QSlider::add-page:horizontal{height:%1px;background:rgb(150,150,150);"
        "border-top-right-radius:%8px;border-bottom-right-radius:%8px;}"
        "QSlider::handle:horizontal{width:%9px;background:rgba(%10,%11,%12,255);"
        "margin:-%13px 0px -%13px 0px;border-radius:%14px;}")
        .arg(h).arg(start.red()).arg(start.green()).arg(start.blue())
        .arg(end.red()).arg(end.green()).arg(end.blue())
        .arg(h / 2).arg(side)
        .arg(end.red()).arg(end.green()).arg(end.blue())
        .arg(margin).arg(side / 2);
}

QString skinCheckBoxStyleSheet(double scale)
{
    // Quoted, so that a folder with spaces or brackets still names the pictures.
    const QString skin = skinPath(QStringLiteral("/skin/"));
    return QStringLiteral("QCheckBox::indicator{width:%2px;height:%2px;}"
                          "QCheckBox::indicator:enabled:unchecked { border-image: url(\"%1checkbox1-1.png\")}"
                          "QCheckBox::indicator:enabled:checked { border-image: url(\"%1checkbox1-2.png\")}"
                          "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(skin)
        .arg(scaledPixels(16, scale));
}

void paintDialogFrame(QWidget *dialog, const QPixmap &background)
{
    QPainter painter(dialog);
    painter.drawPixmap(dialog->rect(), background);
    painter.setPen(QPen(themeColor(), 2));
    painter.drawRect(1, 1, dialog->width() - 2, dialog->height() - 2);
}

QString fieldFrameStyle(const QColor &line)
{
    return QStringLiteral("border:1px solid rgb(%1,%2,%3);").arg(line.red()).arg(line.green()).arg(line.blue());
}

void paintFocusCue(QPainter &painter, const QRect &rect, double scale, bool round)
{
    const int width = qMax(1, scaledPixels(1, scale));
    // Aliased, so every pixel of the cue is the cue colour.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(FocusCueColor), width, Qt::DotLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    const QRect line = rect.adjusted(width / 2, width / 2, -(width + 1) / 2, -(width + 1) / 2);
    if (round)
        painter.drawEllipse(line);
    else
        painter.drawRect(line);
    painter.restore();
}
