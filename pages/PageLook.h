#pragma once

#include <QString>
#include <QtCore/qnamespace.h>

class QWidget;

// The dark translucent panel behind the pages of the DPI and lighting tabs.
void setPanelLook(QWidget *widget);

// The skinned check box pictures of the pages, at 16 design pixels times the scale.
QString skinCheckBoxStyleSheet(double scale);

// After a layout step: a control left without area takes no keyboard focus, one with
// area takes focus as given.
void focusOnlyWithArea(QWidget *widget, Qt::FocusPolicy withArea);
