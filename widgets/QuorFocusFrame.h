#pragma once

#include <QWidget>

// The focus cue over a control that does not draw it itself: a child of the control that
// covers it, follows its size and lets every input through to it.
class QuorFocusFrame : public QWidget
{
    Q_OBJECT
public:
    explicit QuorFocusFrame(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
