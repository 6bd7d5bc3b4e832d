#include "widgets/QuorLabel.h"

#include "widgets/SkinFont.h"

#include <QPainter>
#include <QTextOption>

QuorLabel::QuorLabel(QWidget *parent)
    : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAttribute(Qt::WA_TranslucentBackground);
}

QuorLabel::QuorLabel(const QString &text, QWidget *parent)
    : QuorLabel(parent)
{
    m_text = text;
}

QuorLabel::~QuorLabel() = default;

void QuorLabel::setCaption(const QString &text)
{
    m_text = text;
    update();
}

void QuorLabel::setNumber(int n)
{
    setCaption(QString::number(n));
}

void QuorLabel::setFontSizeOverride(int size)
{
    m_sizeOverride = true;
    m_overrideSize = size;
}

void QuorLabel::setFontShrink(int amount)
{
    m_shrink = true;
    m_shrinkAmount = amount;
}

void QuorLabel::setFilled(int)
{
    m_filled = true;
}

QFont QuorLabel::paintFont() const
{
    int size = m_sizeOverride ? m_overrideSize : configuredFontSize();
    if (m_shrink)
        size -= m_shrinkAmount;
    return languageFontOfSize(size);
}

void QuorLabel::mousePressEvent(QMouseEvent *)
{
    emit EnterSignal(this);
}

void QuorLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(paintFont());
    if (m_filled)
        painter.fillRect(rect(), QColor(30, 30, 30));
    if (m_textWrap) {
        QTextOption option{Qt::Alignment(m_alignment)};
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        painter.drawText(QRectF(rect()), m_text, option);
    } else {
        painter.drawText(rect(), m_alignment, m_text);
    }
}
