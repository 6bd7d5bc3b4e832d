#include "widgets/QuorProfileMenuItem.h"

#include "widgets/QuorLabel.h"

QuorProfileMenuItem::QuorProfileMenuItem(QWidget *parent, const QString &text)
    : QWidget(parent)
    , m_label(new QuorLabel(text, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_label->setFixedSize(143, 20);
    m_label->setTextAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("color:white;"));
}

QuorProfileMenuItem::~QuorProfileMenuItem() = default;

void QuorProfileMenuItem::setText(const QString &text)
{
    m_label->setCaption(text);
}

QString QuorProfileMenuItem::text() const
{
    return m_label->caption();
}
