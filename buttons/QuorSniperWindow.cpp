#include "buttons/QuorSniperWindow.h"

#include "storage/AppFolder.h"
#include "storage/ConfigIni.h"
#include "storage/SensorDpi.h"
#include "storage/Theme.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSlider.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace {
struct SniperRange
{
    int sensor;
    int sliderMin;
    int sliderMax;
    int acceptedMin;
    int acceptedMax;
    int defaultValue;
};

constexpr std::array<SniperRange, 8> sniperRanges{{
    {3325, 1, 10, 1, 10, 3},
    {3327, 1, 10, 1, 10, 3},
    {3335, 1, 10, 1, 10, 3},
    {3360, 1, 10, 1, 10, 3},
    {3333, 2, 10, 1, 10, 3},
    {3389, 2, 20, 2, 20, 6},
    {3212, 16, 32, 17, 32, 16},
    {3104, 14, 26, 15, 26, 14},
}};

const SniperRange *rangeOf(int sensor)
{
    const auto it = std::find_if(sniperRanges.begin(), sniperRanges.end(),
                                 [sensor](const SniperRange &r) { return r.sensor == sensor; });
    return it != sniperRanges.end() ? &*it : nullptr;
}
}

QuorSniperWindow::QuorSniperWindow(QWidget *parent)
    : QuorParamDialog(parent, 400, 258)
{
    buildUi();
    retranslate();
    m_sensor = readMouseSensor();
    setValue(0);
}

QuorSniperWindow::~QuorSniperWindow() = default;

void QuorSniperWindow::buildUi()
{
    const double s = scale();
    m_valueLabel = new QuorLabel(this);
    m_valueLabel->setPalette(whiteTextPalette(m_valueLabel->palette()));
    m_valueLabel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_valueLabel->setFixedSize(scaledPixels(60, s), scaledPixels(30, s));

    m_slider = new QuorSlider(this);
    m_slider->setFixedSize(scaledPixels(250, s), scaledPixels(30, s));
    m_slider->setOrientation(Qt::Horizontal);
    m_slider->setRange(1, 10);
    m_slider->setSingleStep(1);
    m_slider->setPageStep(1);
    m_slider->setTickPosition(QSlider::NoTicks);
    const QColor theme = themeColor();
    m_slider->setStyleSheet(
        QStringLiteral("QSlider{background: qrgb(0,0,0,0%);}QSlider::groove:horizontal{border-image: "
                       "url(\"%1/skin/pspeed.png\");}QSlider::handle:horizontal{background: rgba(%2,%3,%4,255);"
                       "width: 16px;}QSlider::handle:horizontal:hover{background: rgba(200,200,200,255);}")
            .arg(appDirPath())
            .arg(2 * theme.red() / 3)
            .arg(2 * theme.green() / 3)
            .arg(2 * theme.blue() / 3));
    connect(m_slider, &QSlider::valueChanged, this, &QuorSniperWindow::onSliderValueChanged);
    buildButtons(QObject::tr("Ok"), QObject::tr("No"));
}

void QuorSniperWindow::setRangeForSensor()
{
    m_sensor = readMouseSensor();
    if (const SniperRange *r = rangeOf(m_sensor))
        m_slider->setRange(r->sliderMin, r->sliderMax);
}

void QuorSniperWindow::setValue(int v)
{
    v &= 0xFF;
    if (const SniperRange *r = rangeOf(m_sensor)) {
        if (v < r->acceptedMin || v > r->acceptedMax)
            v = r->defaultValue;
    }
    m_value = quint8(v);
    showDpi();
    setRangeForSensor();
    m_slider->setValue(v);
    emit SetSniperValue(uchar(v));
}

void QuorSniperWindow::onSliderValueChanged(int value)
{
    if (sender() != m_slider)
        return;
    m_value = quint8(value);
    showDpi();
}

void QuorSniperWindow::showDpi()
{
    m_valueLabel->setNumber(sensorDpiFromRaw(m_value, m_sensor));
}

void QuorSniperWindow::retranslate()
{
    m_title->setCaption(QObject::tr("Sniper Setting"));
    m_ok->setText(QObject::tr("OK"));
    m_cancel->setText(QObject::tr("Cancel"));
    buildLayout(scale());
}

void QuorSniperWindow::buildLayout(double s)
{
    auto *sliderRow = new QHBoxLayout;
    sliderRow->addSpacing(scaledPixels(30, s));
    sliderRow->addWidget(m_slider);
    sliderRow->addSpacing(scaledPixels(20, s));
    sliderRow->addWidget(m_valueLabel);
    sliderRow->addStretch();
    auto *column = new QVBoxLayout;
    column->addLayout(titleRow(20));
    column->addSpacing(scaledPixels(50, s));
    column->addLayout(sliderRow);
    column->addStretch();
    column->addLayout(buttonRow());
    column->addSpacing(scaledPixels(20, s));
    setDialogLayout(column);
}
