#pragma once

#include <QColor>
#include <QWidget>

// A clickable colour swatch: the presets of the colour dialog and the lighting page's
// colour.
class DefaultColorArea : public QWidget
{
    Q_OBJECT
public:
    DefaultColorArea(QWidget *parent, const QColor &color);
    ~DefaultColorArea() override;

    void setColor(const QColor &color);
    QColor color() const { return m_color; }

signals:
    void ClickedSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_color;
};
