#include "macro/GunDialogFrame.h"

#include "storage/Theme.h"
#include "widgets/DialogButtons.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSpinBox.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace {
constexpr int DesignWidth = 619;
constexpr int DesignHeight = 400;
// Grey boxes.
const QString FieldStyle = QStringLiteral("color: rgb(225,225,225);background:rgb(82,82,82);");
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
    showFocusFrames(this);
}

GunDialogFrame::~GunDialogFrame()
{
    // A box reports the focus it loses as the closing dialog hides.
    for (QWidget *field : m_fields)
        disconnect(field, nullptr, this, nullptr);
}

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

QSpinBox *GunDialogFrame::addSpinBox(const QRect &r, int minimum, int maximum, int value, int step)
{
    auto *box = new QuorSpinBox(this);
    box->setRange(minimum, maximum);
    if (step > 1)
        box->holdToSteps(step);
    box->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    box->setValue(value);
    box->setStyleSheet(FieldStyle);
    addField(box, r);
    connect(box, &QuorSpinBox::editTextChanged, this, &GunDialogFrame::updateYesButton);
    return box;
}

void GunDialogFrame::addField(QWidget *field, const QRect &r)
{
    field->setFont(languageFont());
    field->setGeometry(scaledRect(r.x(), r.y(), r.width(), r.height()));
    passConfirmKeyWhileUnfinished(field);
    m_fields.push_back(field);
}

bool GunDialogFrame::fieldsFinished() const
{
    return std::all_of(m_fields.begin(), m_fields.end(),
                       [](const QWidget *field) { return field->isHidden() || fieldIsFinished(field); });
}

void GunDialogFrame::updateYesButton()
{
    if (m_yes)
        m_yes->setEnabled(fieldsFinished());
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
