#pragma once

#include <QColor>
#include <QWidget>

// The swatch of the colour being picked; it turns square positions into saturation
// and value 0..255.
class PreviewColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewColorArea(QWidget *parent = nullptr);
    ~PreviewColorArea() override;

    void setNewColor(const QColor &color);
    QColor newColor() const { return m_newColor; }
    void setScale(double scale);

signals:
    void svChangedSignal(int hue, int s, int v);

public slots:
    void svChangedSlot(int hue, int s, int v);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_oldColor = Qt::black;
    QColor m_newColor = Qt::black;
    double m_scale;
};
