#include "pages/PageLook.h"

#include "widgets/SkinPaths.h"

#include <QWidget>

void setPanelLook(QWidget *widget)
{
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

QString skinCheckBoxStyleSheet()
{
    const QString skin = skinPath(QStringLiteral("/skin/"));
    return QStringLiteral("QCheckBox::indicator:enabled:unchecked { image: url(%1checkbox1-1.png)}"
                          "QCheckBox::indicator:enabled:checked { image: url(%1checkbox1-2.png)}"
                          "QCheckBox{background-color:rgba(255,255,255,0)}")
        .arg(skin);
}

void focusOnlyWithArea(QWidget *widget, Qt::FocusPolicy withArea)
{
    widget->setFocusPolicy(widget->geometry().isEmpty() ? Qt::NoFocus : withArea);
}
