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

signals:
    void editTextChanged(const QString &text);

protected:
    void paintEvent(QPaintEvent *event) override;
};
