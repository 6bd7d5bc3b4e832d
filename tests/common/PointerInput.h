#pragma once

#include <QPoint>

class QWidget;

// A left press that slides before its release, as a hand drags: press at `from`, move
// to `to` with the button held, release there (points in the widget's coordinates).
// A `to` outside the widget is a press that ends away from it.
void slideRelease(QWidget *widget, QPoint from, QPoint to);
