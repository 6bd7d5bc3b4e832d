#pragma once

#include <QWidget>

class QuorLabel;

// A dark overlay that says the mouse sleeps.
class QuorTranslucentDialog : public QWidget
{
public:
    explicit QuorTranslucentDialog(QWidget *parent = nullptr);
    ~QuorTranslucentDialog() override;

    QuorLabel *label() const { return m_label; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeLabel();

    QuorLabel *m_label;
};
