#include "macro/GunDialogFrame.h"

#include "storage/Theme.h"
#include "widgets/DialogButtons.h"
#include "widgets/QuorLabel.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {
constexpr int DesignWidth = 619;
constexpr int DesignHeight = 400;
}

GunDialogFrame::GunDialogFrame(QWidget *parent, double scale, Qt::WindowFlags flags)
    : QDialog(parent, flags)
    , m_scale(scale)
{
    const QSize size(scaledPixels(DesignWidth, scale), scaledPixels(DesignHeight, scale));
    setFixedSize(size);
    const QPixmap picture = loadSkin(QStringLiteral("/skin/dlg_gun.png"));
    if (!picture.isNull()) {
        m_background = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QBitmap mask = m_background.mask();
        if (!mask.isNull())
            setMask(mask);
    }
}

GunDialogFrame::~GunDialogFrame() = default;

QRect GunDialogFrame::scaledRect(int x, int y, int width, int height) const
{
    return ::scaledRect(m_scale, x, y, width, height);
}

void GunDialogFrame::buildButtons(const QString &yesText, const QString &noText)
{
    // The language font at its configured size, not scaled.
    QFont font = languageFont();
    if (configuredFontSize() > 0)
        font.setPixelSize(configuredFontSize());
    const QString style = dialogButtonStyleSheet(themeColor());
    m_yes = makeDialogButton(this, true, yesText, style, font, m_scale);
    m_no = makeDialogButton(this, false, noText, style, font, m_scale);
    m_yes->move(scaledPixels(380, m_scale), scaledPixels(339, m_scale));
    m_no->move(scaledPixels(484, m_scale), scaledPixels(339, m_scale));
}

QuorLabel *GunDialogFrame::addCaption(const QString &text, const QRect &r, int alignment)
{
    auto *label = new QuorLabel(text, this);
    label->setPalette(whiteTextPalette(label->palette()));
    label->setTextAlignment(alignment);
    label->setTextWrap(true);
    label->setGeometry(scaledRect(r.x(), r.y(), r.width(), r.height()));
    return label;
}

QSpinBox *GunDialogFrame::addSpinBox(const QRect &r, int minimum, int maximum, int value)
{
    auto *box = new QSpinBox(this);
    box->setRange(minimum, maximum);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box->setValue(value);
    box->setStyleSheet(QStringLiteral("color: rgb(225,225,225);background:rgb(82,82,82)"));
    box->setFont(languageFont());
    box->setGeometry(scaledRect(r.x(), r.y(), r.width(), r.height()));
    return box;
}

int GunDialogFrame::takenValue(QSpinBox *box)
{
    box->interpretText();
    return box->value();
}

void GunDialogFrame::keyPressEvent(QKeyEvent *event)
{
    if (!acceptOnConfirmKey(this, event))
        QDialog::keyPressEvent(event);
}

void GunDialogFrame::paintEvent(QPaintEvent *event)
{
    paintDialogFrame(this, m_background);
    QPainter painter(this);
    paintContent(painter);
    painter.end();
    QDialog::paintEvent(event);
}
