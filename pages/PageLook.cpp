#include "pages/PageLook.h"

#include <QWidget>

void setPanelLook(QWidget *widget)
{
    widget->setAttribute(Qt::WA_StyledBackground);
    widget->setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
}

void focusOnlyWithArea(QWidget *widget, Qt::FocusPolicy withArea)
{
    widget->setFocusPolicy(widget->geometry().isEmpty() ? Qt::NoFocus : withArea);
}
