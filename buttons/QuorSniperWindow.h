#pragma once

#include "buttons/QuorParamDialog.h"

class QuorSlider;

// Chooses the sniper value: a raw resolution value of the sensor in use, shown as DPI.
// The sensor's range and default apply; an unknown sensor takes any value.
class QuorSniperWindow : public QuorParamDialog
{
    Q_OBJECT
public:
    explicit QuorSniperWindow(QWidget *parent = nullptr);
    ~QuorSniperWindow() override;

    void setRangeForSensor();
    void setValue(int v);
    quint8 value() const { return m_value; }
    int sensor() const { return m_sensor; }
    QuorSlider *slider() const { return m_slider; }
    QuorLabel *valueLabel() const { return m_valueLabel; }

    void retranslate();

signals:
    void SetSniperValue(uchar value);

public slots:
    void onSliderValueChanged(int value);

private:
    void buildUi();
    void buildLayout(double scale);
    void showDpi();

    int m_sensor = 0;
    quint8 m_value = 0;
    QuorLabel *m_valueLabel = nullptr;
    QuorSlider *m_slider = nullptr;
};
