#include "widgets/QuorSlider.h"

#include "widgets/QuorLabel.h"

namespace {
constexpr int BubbleSize = 20;

QPalette windowBrushPalette(QPalette palette, const QColor &color)
{
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, QPalette::Window, color);
    return palette;
}
}

QuorSlider::QuorSlider(QWidget *parent)
    : QSlider(parent)
    , m_bubble(new QuorLabel(this))
{
    m_bubble->setGeometry(1, 4, BubbleSize, BubbleSize);
    // A label is see-through and the slider's transparent style sheet would reach it:
    // the bubble keeps an opaque white background of its own.
    m_bubble->setAttribute(Qt::WA_TranslucentBackground, false);
    m_bubble->setAttribute(Qt::WA_NoSystemBackground, false);
    m_bubble->setAutoFillBackground(true);
    m_bubble->setPalette(windowBrushPalette(m_bubble->palette(), Qt::white));
    m_bubble->setStyleSheet(QStringLiteral("background-color: rgb(255,255,255)"));
    m_bubble->setTextAlignment(Qt::AlignCenter);
    m_bubble->hide();

    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(0,0,0,0)"));
    setPalette(windowBrushPalette(palette(), QColor(0, 0, 0, 0)));
}

QuorSlider::~QuorSlider() = default;

void QuorSlider::setShowValue(bool on)
{
    m_showValue = on;
    if (!on)
        m_bubble->hide();
}

void QuorSlider::mousePressEvent(QMouseEvent *event)
{
    m_lastWasClick = true;
    if (m_showValue && m_bubble->isHidden()) {
        m_bubble->setNumber(value());
        m_bubble->show();
    }
    QSlider::mousePressEvent(event);
}

void QuorSlider::mouseReleaseEvent(QMouseEvent *event)
{
    m_lastWasClick = true;
    emit MouseChange();
    if (m_showValue && !m_bubble->isHidden())
        m_bubble->hide();
    QSlider::mouseReleaseEvent(event);
}

void QuorSlider::mouseMoveEvent(QMouseEvent *event)
{
    m_lastWasClick = false;
    if (m_showValue) {
        m_bubble->setNumber(value());
        // A range of one value leaves the bubble where it is.
        const int span = maximum() - minimum();
        if (span != 0) {
            const qint64 x = qint64(value() - minimum()) * (width() - m_bubble->width()) / span;
            m_bubble->move(static_cast<int>(x), 0);
        }
    }
    QSlider::mouseMoveEvent(event);
}

void QuorSlider::resizeEvent(QResizeEvent *)
{
}
