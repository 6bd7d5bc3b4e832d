#pragma once

#include <QPixmap>
#include <QWidget>

// The saturation-value square of the colour dialog: saturation grows to the right,
// value upwards. Positions are pixels of the scaled square.
class SVColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit SVColorArea(QWidget *parent = nullptr);
    ~SVColorArea() override;

    void setHue(int hue);
    // s and v are positions on the unscaled 128-pixel square; emits nothing.
    void setHsv(int hue, int s, int v);
    void rescale(double scale);

    int hue() const { return m_hue; }
    int saturation() const { return m_s; }
    int value() const { return m_v; }
    int squareSize() const { return m_size; }

signals:
    void svChangedSignal(int hue, int s, int v);
    void mouseReleaseSignal();

public slots:
    void hueChangedSlot(int hue);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildLayers();
    void drawHueGradient();
    void pickAt(QMouseEvent *event);

    int m_hue = 0;
    int m_s = 0;
    int m_v = 0;
    int m_size;
    double m_scale;
    QPixmap m_hueLayer;
    QPixmap m_shadeLayer;
};
