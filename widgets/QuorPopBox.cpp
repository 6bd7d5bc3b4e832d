#include "widgets/QuorPopBox.h"

#include "widgets/DialogButtons.h"
#include "widgets/QuorLabel.h"
#include "widgets/SkinPaths.h"

#include <QBitmap>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int Spacing = 30;
constexpr int MaxNameLength = 40;
}

QuorPopBox::QuorPopBox(int type, const QString &title, const QString &heading,
                       const QString &message, QWidget *, bool)
    : QDialog(nullptr)
{
    setFixedSize(BoxWidth, BoxHeight);
    m_background = loadSkin(QStringLiteral("/skin/dlg.png"));
    // An empty mask would hide the whole box: only a real picture shapes it.
    if (!m_background.isNull() && m_background.hasAlpha())
        setMask(m_background.mask());
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(title);

    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    m_headingLabel = new QuorLabel(heading, this);
    m_headingLabel->setPalette(white);
    m_headingLabel->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_headingLabel->setGeometry(20, 20, 300, 20);
    m_messageLabel = new QuorLabel(message, this);
    m_messageLabel->setPalette(white);
    m_messageLabel->setTextWrap(true);
    m_messageLabel->setObjectName(QStringLiteral("msgBoxInfoLabel2"));

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setMaxLength(MaxNameLength);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &QuorPopBox::NameChanged);

    const QString style = QStringLiteral(
        "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);                "
        "border-radius: 3px;  border: 1px red;                border-style: outset;}");
    m_firstButton = makeDialogButton(this, true, type == 1 ? tr("Yes") : tr("Ok"), style, font(), 1.0);
    if (type == 1)
        m_secondButton = makeDialogButton(this, false, tr("No"), style, font(), 1.0);

    auto *topRow = new QHBoxLayout;
    topRow->addSpacing(Spacing);
    topRow->addWidget(m_messageLabel);
    auto *editRow = new QHBoxLayout;
    editRow->addSpacing(Spacing);
    editRow->addWidget(m_nameEdit);
    editRow->addSpacing(Spacing);
    QHBoxLayout *buttonRow = makeDialogButtonRow(m_firstButton, m_secondButton);
    auto *column = new QVBoxLayout(this);
    column->addLayout(topRow);
    column->addLayout(editRow);
    column->addLayout(buttonRow);
    column->addSpacing(Spacing);
}

QuorPopBox::~QuorPopBox() = default;

void QuorPopBox::NameChanged(const QString &text)
{
    m_name = text;
}

void QuorPopBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    painter.end();
    QDialog::paintEvent(event);
}
