#include "pages/PageLook.h"

#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QWidget>

void setPanelLook(QWidget *widget)
{
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

QString skinCheckBoxStyleSheet(double scale)
{
    const QString skin = skinPath(QStringLiteral("/skin/"));
    return QStringLiteral("QCheckBox::indicator{width:%2px;height:%2px;}"
                          "QCheckBox::indicator:enabled:unchecked { border-image: url(%1checkbox1-1.png)}"
                          "QCheckBox::indicator:enabled:checked { border-image: url(%1checkbox1-2.png)}"
                          "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(skin)
        .arg(scaledPixels(16, scale));
}

void focusOnlyWithArea(QWidget *widget, Qt::FocusPolicy withArea)
{
    widget->setFocusPolicy(widget->geometry().isEmpty() ? Qt::NoFocus : withArea);
}
