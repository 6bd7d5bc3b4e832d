#include "widgets/QuorSpinBox.h"

#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

QuorSpinBox::QuorSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &QuorSpinBox::editTextChanged);
    connect(this, &QSpinBox::textChanged, this, &QuorSpinBox::editTextChanged);
    // Left or ended by Return, the box shows its value again without a change of it.
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit editTextChanged(text()); });
}

void QuorSpinBox::paintEvent(QPaintEvent *)
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_SpinBox, option);
}
