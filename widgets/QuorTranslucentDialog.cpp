#include "widgets/QuorTranslucentDialog.h"

#include "widgets/QuorLabel.h"
#include "widgets/UiScale.h"

QuorTranslucentDialog::QuorTranslucentDialog(QWidget *parent)
    : QWidget(parent)
    , m_label(new QuorLabel(this))
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgb(33,35, 35)"));
    QPalette white = m_label->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_label->setPalette(white);
    placeLabel();
    m_label->setCaption(QObject::tr("Mouse Sleep"));
}

QuorTranslucentDialog::~QuorTranslucentDialog() = default;

void QuorTranslucentDialog::placeLabel()
{
    const double s = uiScale();
    m_label->setGeometry(scaledPixels(20, s), scaledPixels(10, s), scaledPixels(230, s), scaledPixels(20, s));
}

void QuorTranslucentDialog::resizeEvent(QResizeEvent *)
{
    placeLabel();
}
