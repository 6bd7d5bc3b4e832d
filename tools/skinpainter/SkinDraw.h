#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>

class QPainter;

// Shared look of the skin: a neutral dark palette that every theme colour reads on.
namespace skin {

const QColor Deep(15, 16, 18);
const QColor Base(24, 26, 29);
const QColor Raised(38, 41, 45);
const QColor Line(66, 70, 76);
const QColor LineHigh(128, 134, 142);
const QColor Ink(208, 212, 218);
const QColor InkDim(96, 100, 106);

enum class ButtonState { Normal, Hover, Pressed, Disabled, Selected };

enum class Glyph {
    None, Close, Minimise, Plus, Minus, Copy, Import, Export, Reset, Check, Globe, DropDown,
    ArrowUp, ArrowDown, ArrowLeft, ArrowRight, ToTop, ToBottom, Trash, Clear, Pencil,
    Clock, Keyboard, Mouse, KeyDown, KeyUp, Dot
};

// A transparent ARGB canvas of the given size.
QImage canvas(QSize size);
QPainterPath roundedRect(const QRectF &rect, qreal radius);
// Fill and frame colours of a control in a state.
QColor stateFillTop(ButtonState state);
QColor stateFillBottom(ButtonState state);
QColor stateBorder(ButtonState state);
QColor stateInk(ButtonState state);
// A plate (button body) in the look of the state, clipped to the path.
void paintPlate(QPainter &p, const QPainterPath &shape, ButtonState state);
// A line-art glyph fitted into the box.
void paintGlyph(QPainter &p, Glyph glyph, const QRectF &box, const QColor &ink);
// A dark panel with a fine diagonal texture, as windows and dialogs use it.
void paintPanel(QPainter &p, const QRectF &rect, const QColor &top, const QColor &bottom);
// Corner brackets just inside the rectangle.
void paintCornerMarks(QPainter &p, const QRectF &rect, qreal arm, const QColor &color);
// Pixels outside the shape become fully transparent, pixels inside fully opaque
// (the shape is filled without antialiasing, so a mask taken from it is exact).
void applyShape(QImage &image, const QPainterPath &shape);

} // namespace skin
