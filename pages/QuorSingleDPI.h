#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QuorLabel;
class QuorTwoBarSlider;

// The DPI range of a sensor: the labels at both ends and the raw slider range.
struct SensorLimits
{
    int minDpi = 0;
    int maxDpi = 0;
    int minRaw = 0;
    int maxRaw = 0;
    bool linkBox = false; // the sensor offers separate X and Y values
};

// The limits of a sensor model number; false for a sensor without a row. Sensor 3327
// has two rows, chosen by the product name (compared whole and case-sensitively).
bool sensorLimits(int sensor, const QString &product, SensorLimits *limits);

// One DPI stage: the raw X and Y values on a two-bar slider, the Link XY and enable
// boxes and the sensor's DPI limits. Loading is quiet; user changes leave as signals
// that carry the row's stage.
class QuorSingleDPI : public QWidget
{
    Q_OBJECT
public:
    QuorSingleDPI(QWidget *parent, int stage);
    ~QuorSingleDPI() override;

    void setSensorLimits(int sensor);
    void setDpiText(int rawX, int rawY);
    void setLinked(uchar link);
    void setEnabledState(uchar enabled);
    void setRowPalette(const QPalette &palette);
    void setScale(double scale);
    void retranslate();

    // What the row shows; knowsRange is false until a sensor with limits was set.
    bool knowsRange() const { return m_knowsRange; }
    int rawX() const { return m_rawX; }
    int rawY() const { return m_rawY; }
    uchar link() const { return m_link; }
    uchar enabledState() const { return m_enabled; }

    QCheckBox *linkBox() const { return m_linkBox; }
    QCheckBox *enableBox() const { return m_enableBox; }
    QuorTwoBarSlider *slider() const { return m_slider; }
    QuorLabel *captionLabel() const { return m_captionLabel; }
    QuorLabel *minLabel() const { return m_minLabel; }
    QuorLabel *maxLabel() const { return m_maxLabel; }
    QuorLabel *xLabel() const { return m_xLabel; }
    QuorLabel *yLabel() const { return m_yLabel; }

signals:
    void DPISignal(int rawX, int rawY, uchar stage);
    void LinkSignal(uchar link, uchar stage);
    void EnableSignal(uchar enabled, uchar stage);
    void MouseinSignal(uchar stage);

public slots:
    void onStateChanged(int state);
    void onSliderChanged(int x, int y);
    void slotLabelClick(QuorLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QuorLabel *makeLabel(const QPalette &palette);
    void setFixedSizes();
    void showPair(int x, int y);
    void updateTexts();

    QCheckBox *m_linkBox;
    QCheckBox *m_enableBox;
    QuorTwoBarSlider *m_slider;
    QuorLabel *m_xLabel;
    QuorLabel *m_yLabel;
    QuorLabel *m_captionLabel;
    QuorLabel *m_minLabel;
    QuorLabel *m_maxLabel;
    double m_scale;
    int m_sensor = 3325;
    bool m_knowsRange = false;
    int m_rawX = 0;
    int m_rawY = 0;
    uchar m_stage;
    uchar m_link = 0;
    uchar m_enabled = 0;
};
