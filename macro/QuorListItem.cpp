#include "macro/QuorListItem.h"

#include "macro/MacroRows.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/UiScale.h"

#include <QDebug>

QuorListItem::QuorListItem(QWidget *parent)
    : QWidget(parent)
{
    buildUi();
}

QuorListItem::~QuorListItem() = default;

void QuorListItem::buildUi()
{
    const double s = uiScale();
    resize(scaledPixels(100, s), scaledPixels(50, s));
    m_pCaption = new QuorLabel(this);
    m_pEditor = new QuorLineEdit(this);
    for (QWidget *w : {static_cast<QWidget *>(m_pCaption), static_cast<QWidget *>(m_pEditor)}) {
        w->setFixedSize(scaledPixels(160, s), scaledPixels(20, s));
        w->move(scaledPixels(50, s), int(s));
    }
    m_pCaption->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pEditor->hide();
    setBoundedField(m_pEditor, MinEditDelayMs, MaxRecoilDelayMs, MinEditDelayMs);
    m_pEditor->setStyleSheet(QStringLiteral("color:black"));
    connect(m_pEditor, SIGNAL(returnPressed()), this, SLOT(editPressSlot()));
    connect(m_pEditor, SIGNAL(quorLostFocus()), this, SLOT(lostFocusSlot()));
}

void QuorListItem::setText(const QString &text)
{
    m_text = text;
    m_pCaption->setCaption(text);
    m_pCaption->update();
    update();
}

void QuorListItem::beginEdit(bool open)
{
    if (m_action.type != MacroDelay)
        return;
    m_pEditor->setText(QString::number(delayRowMs(m_action)));
    m_pCaption->setVisible(!open);
    m_pEditor->setVisible(open);
    if (open) {
        m_pEditor->setFocus(Qt::OtherFocusReason);
        m_pEditor->end(false);
    }
}

void QuorListItem::editPressSlot()
{
    if (m_action.type == MacroDelay) {
        m_action = delayRow(holdBoundedField(m_pEditor));
        setText(QStringLiteral("%1 ms").arg(delayRowMs(m_action)));
    }
    closeEditor();
}

void QuorListItem::lostFocusSlot()
{
    if (m_pEditor->isHidden())
        return;
    qDebug("lostFocusSlot\n");
    closeEditor();
}

void QuorListItem::closeEditor()
{
    beginEdit(false);
    if (parentWidget())
        parentWidget()->setFocus(Qt::OtherFocusReason);
}
