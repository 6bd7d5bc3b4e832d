#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QPainter;
class QPixmap;
class QRect;
class QWidget;

// The palette with white WindowText in every colour group.
QPalette whiteTextPalette(QPalette palette = QPalette());

// A horizontal slider with a round theme-coloured handle: the part of the groove before
// the handle runs from start to end, the rest is grey; sizes follow the scale. The handle
// is as tall as it is wide, its radius half its side (rounded down).
QString grooveSliderStyleSheet(const QColor &start, const QColor &end, double scale);

// The skinned check box pictures, at 16 design pixels times the scale, over a
// transparent ground.
QString skinCheckBoxStyleSheet(double scale);

// The skinned dialogs' ground: the background picture over the whole widget and a
// 2-pixel frame in the theme colour.
void paintDialogFrame(QWidget *dialog, const QPixmap &background);

// The keyboard focus cue of every control: a light grey dotted frame along the inside of
// rect (an ellipse when round), its line one design pixel times the scale. It looks like
// no hover, pressed or selected state and takes no theme colour.
constexpr QRgb FocusCueColor = 0xffdcdcdc;
void paintFocusCue(QPainter &painter, const QRect &rect, double scale, bool round = false);

// A field's own frame, a style sheet rule: with it the style draws no focus outline of
// its own around a line edit, and the focus cue alone shows the focus.
QString fieldFrameStyle(const QColor &line = QColor(50, 50, 50));
