#include "widgets/QuorMessageBox.h"

#include "storage/Theme.h"
#include "widgets/DialogButtons.h"
#include "widgets/QuorLabel.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int DevicePollMs = 100;

QString iconSkinForType(int type)
{
    switch (type) {
    case 1:
    case 2:
    case 3:
        return QStringLiteral("/skin/warn.png");
    case 4:
        return QStringLiteral("/skin/dongle2.png");
    default:
        return QString();
    }
}
}

QuorMessageBox::QuorMessageBox(int type, const QString &title, const QString &heading,
                               const QString &message, QWidget *parent, bool waitForDevice,
                               Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_type(type)
{
    const double s = uiScale();
    setFixedSize(scaledPixels(478, s), scaledPixels(309, s));
    m_background = loadSkin(QStringLiteral("/skin/dlg.png"));
    setAttribute(Qt::WA_TranslucentBackground);

    const int iconSide = scaledPixels(45, s);
    m_iconLabel = new QLabel(this);
    m_iconLabel->setFixedSize(iconSide, iconSide);
    const QString iconSkin = iconSkinForType(type);
    if (!iconSkin.isEmpty()) {
        const QPixmap icon = loadSkin(iconSkin);
        if (!icon.isNull())
            m_iconLabel->setPixmap(icon.scaled(iconSide, iconSide, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    const QFont font = dialogButtonFont(s);
    const QPalette palette = whiteTextPalette(this->palette());

    m_headingLabel = new QuorLabel(heading, this);
    m_headingLabel->setWordWrap(true);
    m_headingLabel->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_headingLabel->setFont(font);
    m_headingLabel->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_headingLabel->setPalette(palette);
    m_headingLabel->setGeometry(scaledPixels(20, s), scaledPixels(20, s), scaledPixels(300, s),
                                scaledPixels(20, s));

    m_messageLabel = new QuorLabel(message, this);
    m_messageLabel->setWordWrap(true);
    m_messageLabel->setTextWrap(true);
    m_messageLabel->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_messageLabel->setFont(font);
    m_messageLabel->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_messageLabel->setPalette(palette);

    const QString style = dialogButtonStyleSheet(themeColor());
    m_firstButton = makeDialogButton(this, true, type == 1 ? tr("Yes") : tr("Ok"), style, font, s);
    if (type == 1)
        m_secondButton = makeDialogButton(this, false, tr("No"), style, font, s);

    auto *topRow = new QHBoxLayout;
    topRow->addSpacing(scaledPixels(30, s));
    topRow->addWidget(m_iconLabel);
    topRow->addSpacing(scaledPixels(30, s));
    topRow->addWidget(m_messageLabel);
    QHBoxLayout *buttonRow = makeDialogButtonRow(m_firstButton, m_secondButton);
    auto *column = new QVBoxLayout(this);
    column->addLayout(topRow);
    column->addLayout(buttonRow);
    column->addSpacing(scaledPixels(30, s));

    setWindowTitle(title);

    if (waitForDevice) {
        auto *poll = new QTimer(this);
        connect(poll, &QTimer::timeout, this, &QuorMessageBox::GetPlugInSignal);
        poll->start(DevicePollMs);
    }
}

QuorMessageBox::~QuorMessageBox() = default;

void QuorMessageBox::setDevicePresentProbe(DeviceProbe probe)
{
    m_devicePresent = std::move(probe);
}

void QuorMessageBox::GetPlugInSignal()
{
    if (isVisible() && m_devicePresent && m_devicePresent())
        accept();
}

// Its buttons take no focus, so Return gives the first button's answer.
void QuorMessageBox::keyPressEvent(QKeyEvent *event)
{
    if (!acceptOnConfirmKey(this, event))
        QDialog::keyPressEvent(event);
}

void QuorMessageBox::paintEvent(QPaintEvent *event)
{
    paintDialogFrame(this, m_background);
    QDialog::paintEvent(event);
}
