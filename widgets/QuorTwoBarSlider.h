#pragma once

#include <QWidget>

#include <functional>
#include <utility>

class QSlider;

// One value or a pair of values on one horizontal strip: a thin upper and lower bar
// for the pair, a thicker middle bar with a theme-coloured groove for the single value.
class QuorTwoBarSlider : public QWidget
{
    Q_OBJECT
public:
    QuorTwoBarSlider(QWidget *parent, int maximum, int minimum);
    ~QuorTwoBarSlider() override;

    void updateGeometryAndStyle();
    void setBarsHidden(bool single);
    bool barsHidden() const { return m_singleMode; }
    // Set from code: each bar held to the range, the pair reported once when it changed.
    void setSliderValue(int first, int second);
    void setSliderRange(int maximum, int minimum);

    QSlider *upperBar() const { return m_upperBar; }
    QSlider *lowerBar() const { return m_lowerBar; }
    QSlider *middleBar() const { return m_middleBar; }

signals:
    void SliderChangedSignal(int first, int second);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QSlider *makeBar(int y, int height);
    void layOutBars(bool gradientGroove);
    void onSliderValueChanged(QSlider *bar);
    std::pair<int, int> shownPair() const;
    void changeBars(const std::function<void()> &change);

    double m_scale;
    int m_maximum;
    int m_minimum;
    bool m_singleMode = false;
    QSlider *m_upperBar;
    QSlider *m_middleBar;
    QSlider *m_lowerBar;
};
