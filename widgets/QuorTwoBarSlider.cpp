#include "widgets/QuorTwoBarSlider.h"

#include "storage/Theme.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QSignalBlocker>
#include <QSlider>

#include <array>

namespace {
constexpr int BarWidth = 331;

// Start of the middle bar's groove gradient, by theme index.
QColor gradientStartColor(int themeIndex)
{
    static const std::array<QColor, ThemeColorCount> starts{
        QColor(255, 200, 0), QColor(0, 255, 100), QColor(0, 200, 255), QColor(255, 100, 0),
        QColor(255, 0, 100), QColor(0, 255, 100), QColor(255, 255, 0)};
    if (themeIndex < 0 || themeIndex >= ThemeColorCount)
        themeIndex = 0;
    return starts.at(static_cast<size_t>(themeIndex));
}
}

QuorTwoBarSlider::QuorTwoBarSlider(QWidget *parent, int maximum, int minimum)
    : QWidget(parent)
    , m_scale(uiScale())
    , m_maximum(maximum)
    , m_minimum(minimum)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    m_upperBar = makeBar(0, scaledPixels(9, m_scale));
    m_middleBar = makeBar(9, scaledPixels(12, m_scale));
    m_lowerBar = makeBar(21, scaledPixels(9, m_scale));
    for (QSlider *bar : {m_upperBar, m_lowerBar, m_middleBar})
        connect(bar, &QSlider::valueChanged, this, [this, bar] { onSliderValueChanged(bar); });
}

QuorTwoBarSlider::~QuorTwoBarSlider() = default;

QSlider *QuorTwoBarSlider::makeBar(int y, int height)
{
    auto *bar = new QSlider(Qt::Horizontal, this);
    bar->setRange(m_minimum, m_maximum);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTickPosition(QSlider::NoTicks);
    bar->setGeometry(0, y, scaledPixels(BarWidth, m_scale), height);
    return bar;
}

void QuorTwoBarSlider::onSliderValueChanged(QSlider *bar)
{
    if (bar == m_middleBar)
        emit SliderChangedSignal(m_middleBar->value(), m_middleBar->value());
    else
        emit SliderChangedSignal(m_upperBar->value(), m_lowerBar->value());
}

void QuorTwoBarSlider::setBarsHidden(bool single)
{
    m_singleMode = single;
    m_middleBar->setVisible(single);
    m_upperBar->setVisible(!single);
    m_lowerBar->setVisible(!single);
}

// The pair the strip stands for: the middle bar's value twice while linked.
std::pair<int, int> QuorTwoBarSlider::shownPair() const
{
    if (m_singleMode)
        return {m_middleBar->value(), m_middleBar->value()};
    return {m_upperBar->value(), m_lowerBar->value()};
}

// Every change made from code: the bars take it quietly, each within its range, and
// the strip then reports its pair once, when it changed.
void QuorTwoBarSlider::changeBars(const std::function<void()> &change)
{
    const std::pair<int, int> before = shownPair();
    {
        const QSignalBlocker upper(m_upperBar), middle(m_middleBar), lower(m_lowerBar);
        change();
    }
    const std::pair<int, int> after = shownPair();
    if (after != before)
        emit SliderChangedSignal(after.first, after.second);
}

void QuorTwoBarSlider::setSliderValue(int first, int second)
{
    changeBars([&] {
        if (m_singleMode)
            m_middleBar->setValue(first);
        m_upperBar->setValue(first);
        m_lowerBar->setValue(second);
    });
}

// A maximum below the minimum is taken as the minimum, as QSlider does.
void QuorTwoBarSlider::setSliderRange(int maximum, int minimum)
{
    m_minimum = minimum;
    m_maximum = qMax(minimum, maximum);
    changeBars([&] {
        for (QSlider *bar : {m_upperBar, m_middleBar, m_lowerBar})
            bar->setRange(m_minimum, m_maximum);
    });
}

void QuorTwoBarSlider::updateGeometryAndStyle()
{
    layOutBars(true);
}

void QuorTwoBarSlider::resizeEvent(QResizeEvent *)
{
    // After a resize the groove is plain theme colour.
    layOutBars(false);
}

void QuorTwoBarSlider::layOutBars(bool gradientGroove)
{
    m_scale = uiScale();
    const int width = scaledPixels(BarWidth, m_scale);
    const int thin = scaledPixels(9, m_scale);
    m_upperBar->setGeometry(0, 0, width, thin);
    m_middleBar->setGeometry(0, thin, width, scaledPixels(12, m_scale));
    m_lowerBar->setGeometry(0, scaledPixels(21, m_scale), width, thin);

    const QColor theme = themeColor();
    const QColor start = gradientGroove ? gradientStartColor(readThemeColorId()) : theme;
    const QString thinStyle = QStringLiteral(
        "QSlider{background: qrgb(0,0,0,0%);}QSlider::groove:horizontal{background: rgba(0,0,0,0);"
        "height: %1px;}QSlider::handle:horizontal{background: rgba(%2,%3,%4,255);width: 16px;}")
        .arg(thin).arg(theme.red()).arg(theme.green()).arg(theme.blue());
    m_upperBar->setStyleSheet(thinStyle);
    m_lowerBar->setStyleSheet(thinStyle);

    m_middleBar->setStyleSheet(grooveSliderStyleSheet(start, theme, m_scale));
}
