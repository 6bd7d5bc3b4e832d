#include "macro/QuorTreeItem.h"

#include "macro/MacroRows.h"
#include "macro/QuorTreeWidget.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/QuorLabel.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QLineEdit>
#include <QPainter>

namespace {
constexpr int CaptionShrink = 2;
}

QuorTreeItem::QuorTreeItem(const QString &picturePath, const QString &, const QString &, QWidget *parent)
    : QWidget(parent)
    , m_picture(picturePath, nullptr, Qt::ThresholdDither | Qt::AvoidDither)
{
    m_pCaption = new QuorLabel(this);
    m_pCaption->setTextAlignment(Qt::AlignVCenter);
    // The size of the tree's own rows.
    m_pCaption->setFontShrink(CaptionShrink);
    setStyleSheet(QStringLiteral("color:white;"));
    connect(m_pCaption, &QuorLabel::EnterSignal, this, &QuorTreeItem::slotLabelClick);
    m_pDistanceEdit = new QLineEdit(this);
    setBoundedField(m_pDistanceEdit, 1, MaxMoveDistance);
    m_pDistanceEdit->setStyleSheet(QStringLiteral("background-color:rgb(30,30,30);") + fieldFrameStyle());
    m_pDistanceEdit->setText(QStringLiteral("1"));
    setItemGeometry();
}

QuorTreeItem::~QuorTreeItem() = default;

void QuorTreeItem::setText(const QString &text)
{
    m_pCaption->setCaption(text);
}

QString QuorTreeItem::text() const
{
    return m_pCaption->caption();
}

void QuorTreeItem::setItemGeometry()
{
    const double s = uiScale();
    m_scaledPicture = m_picture.isNull() ? QPixmap()
                                         : m_picture.scaled(scaledPixels(148, s), scaledPixels(24, s),
                                                            Qt::IgnoreAspectRatio);
    setFixedSize(scaledPixels(148, s), scaledPixels(30, s));
    m_pCaption->setFixedSize(scaledPixels(75, s), scaledPixels(30, s));
    m_pCaption->move(scaledPixels(31, s), 0);
    m_pDistanceEdit->setGeometry(scaledRect(s, 108, 5, 28, 20));
    m_pDistanceEdit->setFont(languageFontOfSize(configuredFontSize() - CaptionShrink));
    update();
}

void QuorTreeItem::slotLabelClick(QuorLabel *)
{
    emit QuorMousePressed();
}

void QuorTreeItem::mousePressEvent(QMouseEvent *event)
{
    m_state = QuorTreeWidget::PressMark;
    update();
    QWidget::mousePressEvent(event);
    emit QuorMousePressed();
}

void QuorTreeItem::mouseReleaseEvent(QMouseEvent *event)
{
    m_state = QuorTreeWidget::HoverMark;
    update();
    QWidget::mouseReleaseEvent(event);
}

void QuorTreeItem::enterEvent(QEvent *)
{
    m_state = QuorTreeWidget::HoverMark;
    emit MouseInSignal();
}

void QuorTreeItem::leaveEvent(QEvent *)
{
    m_state = QuorTreeWidget::NoMark;
    update();
}

void QuorTreeItem::paintEvent(QPaintEvent *)
{
    const double s = uiScale();
    QPainter painter(this);
    const QRect target(0, int(3 * s), int(148 * s), int(24 * s));
    if (!m_scaledPicture.isNull())
        painter.drawPixmap(target, m_scaledPicture);
    paintMarkTint(painter, target, m_state);
}
