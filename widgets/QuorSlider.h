#pragma once

#include <QSlider>

class QuorLabel;

// A slider that reports every mouse release and can show its value in a bubble
// that follows the handle while it is dragged.
class QuorSlider : public QSlider
{
    Q_OBJECT
public:
    explicit QuorSlider(QWidget *parent = nullptr);
    ~QuorSlider() override;

    void setShowValue(bool on);
    QuorLabel *valueBubble() const { return m_bubble; }

signals:
    void MouseChange();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QuorLabel *m_bubble;
    bool m_lastWasClick = false;
    bool m_showValue = false;
};
