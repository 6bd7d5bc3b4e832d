#pragma once

#include <QPixmap>
#include <QWidget>

// The vertical hue bar of the colour dialog: red at the bottom, through the hues, red
// again at the top; a press or drag picks the hue under the cursor.
class HColorArea : public QWidget
{
    Q_OBJECT
public:
    explicit HColorArea(QWidget *parent = nullptr);
    ~HColorArea() override;

    // Moves the marker; emits nothing. A hue outside 0..360 stands at 0.
    void setHue(int hue);
    void rescale(double scale);

    int hue() const { return m_hue; }
    int barHeight() const { return m_barHeight; }
    static constexpr int BarWidth = 26;
    static constexpr int BarTop = 7;

signals:
    void hueChangedSignal(int hue);
    void mouseReleaseSignal();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawHueGradient();
    void pickAt(QMouseEvent *event);

    QPixmap m_pixmap;
    double m_position = 0.0;
    int m_hue = 0;
    int m_barHeight;
};
