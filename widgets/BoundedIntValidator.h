#pragma once

#include <QValidator>

class QLineEdit;

// Whole numbers of a field from bottom (at least 0) to top in steps of `step`, typed
// without sign, at most as many digits as top has. Text edits as in any text field:
// what more typing (digits inserted anywhere) can still bring into range stays
// Intermediate (empty text, leading zeros, a number below bottom or between two
// steps); only text that no typing brings into range is refused, so a field never
// takes a number past its bounds. Leading zeros count for nothing ("050" is 50).
// fixup() holds what the user typed to the bounds and the step once the field is
// left; text set from a stored value (not typed) is left as it is, also past the
// bounds. Bottom and top are multiples of the step.
class BoundedIntValidator : public QValidator
{
    Q_OBJECT
public:
    BoundedIntValidator(int bottom, int top, int step, QLineEdit *field);

    int bottom() const { return m_bottom; }
    int top() const { return m_top; }

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    // The number text stands for, held to the bounds and down to a step; bottom for
    // text that is no number.
    int held(const QString &text) const;

private:
    // Whether digits inserted into `digits` can give a number in range on a step.
    bool canGrowIntoRange(const QString &digits) const;

    const QLineEdit *m_field;
    int m_bottom;
    int m_top;
    int m_step;
    int m_maxDigits;
};

// The fields that hold a bounded number, one way for all: the validator, at most as
// many characters as top has digits, and what the user typed shown as the number taken
// (holdBoundedField) once the field is left or Return ends the edit, "050" as 50.
void setBoundedField(QLineEdit *field, int bottom, int top, int step = 1);
// Shows the value held to the field's bounds, so that the field holds what it allows.
void showBoundedValue(QLineEdit *field, int value);
// The field's number, only when its text is acceptable.
bool boundedFieldValue(const QLineEdit *field, int *value);
// The number the field's text stands for: what the user typed held to the bounds as
// fixup() holds it, a stored value as shown. The field keeps its text.
int heldFieldValue(const QLineEdit *field);
// As heldFieldValue, and the field shows the value taken.
int holdBoundedField(QLineEdit *field);
