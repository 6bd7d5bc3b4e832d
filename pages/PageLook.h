#pragma once

#include <QtCore/qnamespace.h>

class QWidget;

// The dark translucent panel behind the pages of the DPI and lighting tabs.
void setPanelLook(QWidget *widget);

// After a layout step: a control left without area takes no keyboard focus, one with
// area takes focus as given.
void focusOnlyWithArea(QWidget *widget, Qt::FocusPolicy withArea);
