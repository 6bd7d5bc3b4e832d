#pragma once

#include <QLineEdit>

// A line edit that reports losing the focus.
class QuorLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit QuorLineEdit(QWidget *parent = nullptr);
    ~QuorLineEdit() override;

    void applyFont();

signals:
    void quorLostFocus();

protected:
    void focusOutEvent(QFocusEvent *event) override;
};
