#pragma once

#include <QValidator>

class QLineEdit;

// Whole numbers from bottom (at least 0) to top in steps of `step`, typed without sign or
// leading zeros. Text that no further typing brings into range is refused, so a field
// never takes a number past its bounds; what may still grow into one (empty text, a
// number below bottom or between two steps) stays Intermediate, and fixup() holds it
// to the bounds and the step. Text set from a stored value past the bounds is Invalid
// and left as it is. Bottom and top are multiples of the step.
class BoundedIntValidator : public QValidator
{
    Q_OBJECT
public:
    BoundedIntValidator(int bottom, int top, int step, QObject *parent);

    int bottom() const { return m_bottom; }
    int top() const { return m_top; }

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    // The number text stands for, held to the bounds and down to a step; bottom for
    // text that is no number.
    int held(const QString &text) const;

private:
    bool canGrowIntoRange(qint64 value, int length) const;

    int m_bottom;
    int m_top;
    int m_step;
};

// The fields that hold a bounded number, one way for all: the validator, and at most
// as many characters as top has digits.
void setBoundedField(QLineEdit *field, int bottom, int top, int step = 1);
// Shows the value held to the field's bounds, so that the field holds what it allows.
void showBoundedValue(QLineEdit *field, int value);
// The field's number, only when its text is acceptable.
bool boundedFieldValue(const QLineEdit *field, int *value);
// The number the field's text stands for: what is still being typed held to the
// bounds as fixup() holds it, a stored value as shown. The field keeps its text.
int heldFieldValue(const QLineEdit *field);
// As heldFieldValue, and the field shows the value taken.
int holdBoundedField(QLineEdit *field);
