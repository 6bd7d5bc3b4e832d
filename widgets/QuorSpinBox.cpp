#include "widgets/QuorSpinBox.h"

#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <QStylePainter>

#include <algorithm>

QuorSpinBox::QuorSpinBox(QWidget *parent)
    : QSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &QuorSpinBox::editTextChanged);
    connect(this, &QSpinBox::textChanged, this, &QuorSpinBox::editTextChanged);
    // Left or ended by Return, the box shows its value again without a change of it.
    connect(this, &QAbstractSpinBox::editingFinished, this, [this] { emit editTextChanged(text()); });
}

void QuorSpinBox::holdToSteps(int step)
{
    setSingleStep(std::max(step, 1));
    m_heldToSteps = true;
}

QValidator::State QuorSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    bool ok = false;
    const int typed = input.toInt(&ok);
    if (!m_heldToSteps || !ok || typed < minimum())
        return state;
    if (typed > maximum())
        return input.size() <= QString::number(maximum()).size() ? QValidator::Intermediate : QValidator::Invalid;
    return (typed - minimum()) % singleStep() == 0 ? state : QValidator::Intermediate;
}

void QuorSpinBox::fixup(QString &input) const
{
    bool ok = false;
    const int typed = input.toInt(&ok);
    if (!m_heldToSteps || !ok)
        return QSpinBox::fixup(input);
    const int held = std::clamp(typed, minimum(), maximum());
    input = QString::number(held - (held - minimum()) % singleStep());
}

void QuorSpinBox::paintEvent(QPaintEvent *)
{
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    option.state &= ~QStyle::State_HasFocus;
    QStylePainter painter(this);
    painter.drawComplexControl(QStyle::CC_SpinBox, option);
}
