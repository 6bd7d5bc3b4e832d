#include "widgets/QuorMenu.h"

#include "widgets/SkinFont.h"

#include <QPainter>

QuorMenu::QuorMenu(QWidget *parent)
    : QMenu(parent)
{
}

QuorMenu::~QuorMenu() = default;

void QuorMenu::setTitleText(const QString &text)
{
    m_titleText = text;
    update();
}

void QuorMenu::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(languageFont());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, m_titleText);
}
