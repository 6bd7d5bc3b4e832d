#include "widgets/QuorProcessbar.h"

#include "widgets/SkinFont.h"

#include <QPainter>
#include <QTextOption>

QuorProcessbar::QuorProcessbar(QWidget *parent)
    : QProgressBar(parent)
{
}

QuorProcessbar::~QuorProcessbar() = default;

void QuorProcessbar::setText(const QString &text)
{
    m_text = text;
    update();
}

void QuorProcessbar::paintEvent(QPaintEvent *event)
{
    QProgressBar::paintEvent(event);
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setFont(languageFont());
    painter.setPen(Qt::white);
    QTextOption option(Qt::AlignCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter.drawText(QRectF(0, 0, width(), height()), m_text, option);
}
