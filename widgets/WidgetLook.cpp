#include "widgets/WidgetLook.h"

#include "storage/Theme.h"
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
    const int w = scaledPixels(12, scale);
    return QStringLiteral(
        "QSlider{background: qrgb(0,0,0,0%);}QSlider::groove:horizontal{height:%1px;"
        "background:qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 rgb(%2,%3,%4), stop:1 rgb(%5,%6,%7));;"
        "border-radius:%8px;}QSlider::add-page:horizontal{height:%9px;background:rgb(150,150,150);"
        "border-radius:%10px;}QSlider::handle:horizontal{width:%11px;background:rgba(%12,%13,%14,255);"
        "margin:-%15px 0px -%16px 0px;border-radius:%17px;}")
        .arg(h).arg(start.red()).arg(start.green()).arg(start.blue())
        .arg(end.red()).arg(end.green()).arg(end.blue())
        .arg(h / 2).arg(h).arg(h / 2).arg(w)
        .arg(end.red()).arg(end.green()).arg(end.blue())
        .arg(h / 2).arg(h / 2).arg(w / 2);
}

void paintDialogFrame(QWidget *dialog, const QPixmap &background)
{
    QPainter painter(dialog);
    painter.drawPixmap(dialog->rect(), background);
    painter.setPen(QPen(themeColor(), 2));
    painter.drawRect(1, 1, dialog->width() - 2, dialog->height() - 2);
}
