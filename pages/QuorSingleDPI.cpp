#include "pages/QuorSingleDPI.h"

#include "pages/PageLook.h"
#include "storage/ConfigIni.h"
#include "storage/SensorDpi.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorTwoBarSlider.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QCheckBox>
#include <QDebug>
#include <QSignalBlocker>
#include <QSlider>

#include <array>

namespace {
struct SensorRow
{
    int sensor;
    SensorLimits limits;
};

// Sensor 33352 ends at raw 200: the register table sends nothing higher.
const std::array<SensorRow, 13> SensorTable{{
    {3104, {500, 8000, 14, 159, true}},
    {3212, {600, 7200, 16, 111, false}},
    {3325, {100, 5000, 1, 50, false}},
    {33252, {100, 10000, 1, 75, false}},
    {3327, {200, 16400, 1, 106, false}},
    {3333, {200, 16000, 2, 120, false}},
    {3335, {100, 16000, 1, 160, false}},
    {33352, {100, 24000, 1, 200, false}},
    {3360, {100, 24000, 1, 180, true}},
    {3389, {100, 32000, 2, 480, true}},
    {3395, {50, 26000, 0, 519, true}},
    {33952, {50, 52000, 0, 779, true}},
    {3399, {50, 40000, 0, 599, true}},
}};

const SensorLimits Sensor3327Short{200, 12400, 1, 92, false};

bool shortRange3327(const QString &product)
{
    static const char *const products[] = {"K399-RGB", "QUASOR", "X649", "NORVALINE3", "TOLMAR",
                                           "K480-RGB", "TELVORN2", "CALDRONE2", "HALBERK"};
    for (const char *name : products) {
        if (product == QLatin1String(name))
            return true;
    }
    return false;
}

bool isChecked(int state)
{
    return state == Qt::Checked;
}
}

bool sensorLimits(int sensor, const QString &product, SensorLimits *limits)
{
    if (sensor == 3327 && shortRange3327(product)) {
        *limits = Sensor3327Short;
        return true;
    }
    for (const SensorRow &row : SensorTable) {
        if (row.sensor == sensor) {
            *limits = row.limits;
            return true;
        }
    }
    return false;
}

QuorSingleDPI::QuorSingleDPI(QWidget *parent, int stage)
    : QWidget(parent)
    , m_scale(uiScale())
    , m_stage(uchar(stage))
{
    setPanelLook(this);
    const QPalette white = whiteTextPalette(palette());

    m_minLabel = makeLabel(white);
    m_minLabel->setNumber(100);
    m_minLabel->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_maxLabel = makeLabel(white);
    m_maxLabel->setNumber(10000);
    m_maxLabel->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    m_linkBox = new QCheckBox(QObject::tr("Link XY"), this);
    m_linkBox->setPalette(white);
    m_linkBox->setFocusPolicy(Qt::NoFocus);

    m_slider = new QuorTwoBarSlider(this, 75, 1);

    m_xLabel = makeLabel(white);
    m_yLabel = makeLabel(white);
    m_captionLabel = makeLabel(white);
    m_captionLabel->setCaption(QObject::tr("DPI") + QStringLiteral(" %1:").arg(stage + 1));

    m_enableBox = new QCheckBox(this);
    m_enableBox->setFocusPolicy(Qt::NoFocus);
    for (QCheckBox *box : {m_linkBox, m_enableBox})
        connect(box, &QCheckBox::stateChanged, this, &QuorSingleDPI::onStateChanged);
    setFixedSizes();
    connect(m_slider, &QuorTwoBarSlider::SliderChangedSignal, this, &QuorSingleDPI::onSliderChanged);
    m_rawX = m_slider->upperBar()->value();
    m_rawY = m_slider->lowerBar()->value();
}

QuorSingleDPI::~QuorSingleDPI() = default;

QuorLabel *QuorSingleDPI::makeLabel(const QPalette &palette)
{
    auto *label = new QuorLabel(this);
    label->setPalette(palette);
    label->setFontShrink(1);
    connect(label, &QuorLabel::EnterSignal, this, &QuorSingleDPI::slotLabelClick);
    return label;
}

void QuorSingleDPI::setSensorLimits(int sensor)
{
    m_sensor = sensor;
    SensorLimits limits;
    if (!sensorLimits(sensor, readCurrentProductName(), &limits)) {
        m_knowsRange = false;
        updateTexts();
        return;
    }
    m_knowsRange = true;
    m_minLabel->setNumber(limits.minDpi);
    m_maxLabel->setNumber(limits.maxDpi);
    // A pair the new range holds back arrives as one change, which the row keeps.
    m_slider->setSliderRange(limits.maxRaw, limits.minRaw);
    m_linkBox->setVisible(limits.linkBox);
    showPair(m_rawX, m_rawY);
}

void QuorSingleDPI::setDpiText(int rawX, int rawY)
{
    showPair(rawX, rawY);
}

// Puts the pair on the bars without a signal and keeps what they show: clamped into
// the range, and one value for both axes while linked.
void QuorSingleDPI::showPair(int x, int y)
{
    const QSignalBlocker quiet(m_slider);
    if (m_link == 1) {
        m_slider->setSliderValue(x, x);
        m_rawX = m_rawY = m_slider->middleBar()->value();
    } else {
        m_slider->setSliderValue(x, y);
        m_rawX = m_slider->upperBar()->value();
        m_rawY = m_slider->lowerBar()->value();
    }
    updateTexts();
}

void QuorSingleDPI::retranslate()
{
    m_linkBox->setText(QObject::tr("Link XY"));
    updateTexts();
}

void QuorSingleDPI::updateTexts()
{
    m_xLabel->setCaption(QStringLiteral("X:%1").arg(sensorDpiFromRaw(m_rawX, m_sensor)));
    m_yLabel->setCaption(QStringLiteral("Y:%1").arg(sensorDpiFromRaw(m_rawY, m_sensor)));
    m_captionLabel->setCaption(QObject::tr("DPI") +
                               QStringLiteral(" : %1").arg(sensorDpiFromRaw(m_rawY, m_sensor)));
}

void QuorSingleDPI::setLinked(uchar link)
{
    m_link = link == 1 ? 1 : 0;
    m_slider->setBarsHidden(m_link == 1);
    const QSignalBlocker quiet(m_linkBox);
    m_linkBox->setChecked(m_link == 1);
}

void QuorSingleDPI::setEnabledState(uchar enabled)
{
    m_enabled = enabled == 1 ? 1 : 0;
    const QSignalBlocker quiet(m_enableBox);
    m_enableBox->setChecked(m_enabled == 1);
}

void QuorSingleDPI::setRowPalette(const QPalette &palette)
{
    for (QWidget *w : {static_cast<QWidget *>(m_minLabel), static_cast<QWidget *>(m_maxLabel),
                       static_cast<QWidget *>(m_xLabel), static_cast<QWidget *>(m_yLabel),
                       static_cast<QWidget *>(m_captionLabel), static_cast<QWidget *>(m_linkBox)})
        w->setPalette(palette);
}

// The boxes and the slider keep the size of the current scale, whatever rectangle
// the layout gives them.
void QuorSingleDPI::setFixedSizes()
{
    m_linkBox->setFixedSize(scaledPixels(100, m_scale), scaledPixels(24, m_scale));
    m_slider->setFixedSize(scaledPixels(331, m_scale), scaledPixels(30, m_scale));
    m_enableBox->setFixedSize(scaledPixels(24, m_scale), scaledPixels(24, m_scale));
    const QString boxStyle = skinCheckBoxStyleSheet(m_scale);
    m_linkBox->setStyleSheet(boxStyle);
    m_enableBox->setStyleSheet(boxStyle);
}

void QuorSingleDPI::setScale(double scale)
{
    m_scale = scale;
    setFixedSizes();
    const auto place = [scale](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(scaledRect(scale, x, y, width, height));
    };
    place(m_enableBox, 0, 0, 24, 24);
    place(m_captionLabel, 25, 0, 80, 17);
    place(m_xLabel, 130, 0, 0, 0);
    place(m_yLabel, 220, 0, 0, 0);
    place(m_linkBox, 350, 0, 80, 17);
    m_linkBox->setFont(m_captionLabel->paintFont());
    place(m_slider, 51, 20, 331, 30);
    m_slider->updateGeometryAndStyle();
    place(m_minLabel, 0, 25, 50, 17);
    place(m_maxLabel, 386, 25, 50, 17);
}

void QuorSingleDPI::onStateChanged(int state)
{
    if (sender() == m_linkBox) {
        // Linking keeps the Y value for both axes; unlinking starts both bars at the
        // single value. Either way the pair stored is the pair shown.
        setLinked(isChecked(state) ? 1 : 0);
        showPair(m_rawY, m_rawY);
        emit LinkSignal(m_link, m_stage);
        emit DPISignal(m_rawX, m_rawY, m_stage);
    } else if (sender() == m_enableBox) {
        m_enabled = isChecked(state) ? 1 : 0;
        emit EnableSignal(m_enabled, m_stage);
    }
}

void QuorSingleDPI::onSliderChanged(int x, int y)
{
    if (sender() != m_slider)
        return;
    m_rawX = x;
    m_rawY = y;
    qDebug("ix = %d", x);
    updateTexts();
    emit DPISignal(x, y, m_stage);
}

void QuorSingleDPI::slotLabelClick(QuorLabel *)
{
    emit MouseinSignal(m_stage);
}

void QuorSingleDPI::mousePressEvent(QMouseEvent *event)
{
    emit MouseinSignal(m_stage);
    QWidget::mousePressEvent(event);
}
