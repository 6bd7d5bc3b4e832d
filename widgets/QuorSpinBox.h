#pragma once

#include <QSpinBox>

// A spin box whose keyboard focus shows as the focus cue alone: it is drawn as when it
// has no focus, without the style's own focus outline. editTextChanged() reports the
// text as typed, also what the box cannot take yet, and as the box shows a value again
// (textChanged() reports taken values only).
class QuorSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit QuorSpinBox(QWidget *parent = nullptr);

    // Keeps the value on the steps of `step` from the minimum: the arrows, the wheel and
    // the keys move from step to step, and a number typed between two steps, or past
    // the top with no more digits than the top has, waits unfinished until the box is
    // left, then is taken down to a step (held to the top).
    void holdToSteps(int step);

signals:
    void editTextChanged(const QString &text);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_heldToSteps = false;
};
