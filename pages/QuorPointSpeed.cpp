#include "pages/QuorPointSpeed.h"

#include "pages/PageLook.h"
#include "storage/ConfigIni.h"
#include "storage/Theme.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorSlider.h"
#include "widgets/QuorSpinBox.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QDebug>
#include <QSignalBlocker>
#include <QSpinBox>

QuorPointSpeed::QuorPointSpeed(ProfileRecord *record, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
{
    setPanelLook(this);
    setupUi();
    retranslate();
}

QuorPointSpeed::~QuorPointSpeed() = default;

void QuorPointSpeed::setupUi()
{
    const QPalette white = whiteTextPalette(palette());
    m_pointerLabel = new QuorLabel(this);
    m_pointerLabel->setPalette(white);
    m_scrollLabel = new QuorLabel(this);
    m_scrollLabel->setPalette(white);

    m_pointerSlider = new QuorSlider(this);
    m_pointerSlider->setOrientation(Qt::Horizontal);
    m_pointerSlider->setRange(1, 20);
    m_pointerSlider->setSingleStep(1);
    m_pointerSlider->setPageStep(1);
    m_pointerSlider->setTickPosition(QSlider::NoTicks);
    connect(m_pointerSlider, &QSlider::valueChanged, this, &QuorPointSpeed::onPointerSpeedChanged);

    m_scrollBox = new QuorSpinBox(this);
    m_scrollBox->setRange(1, 20);
    m_scrollBox->setStyleSheet(QStringLiteral("color: rgb(225,225,225)"));
    connect(m_scrollBox, QOverload<int>::of(&QSpinBox::valueChanged), this, &QuorPointSpeed::sValueChangedSlot);
    placeControls();
}

void QuorPointSpeed::placeControls()
{
    const double s = uiScale();
    m_pointerLabel->setGeometry(scaledRect(s, 20, 10, 200, 20));
    m_scrollLabel->setGeometry(scaledRect(s, 20, 100, 170, 20));
    m_pointerSlider->setGeometry(scaledRect(s, 20, 35, 200, 25));
    m_scrollBox->setGeometry(scaledRect(s, 20, 130, 70, 20));
    m_pointerSlider->setStyleSheet(grooveSliderStyleSheet(themeColor(), themeColor(), s));
}

void QuorPointSpeed::resizeEvent(QResizeEvent *)
{
    placeControls();
}

void QuorPointSpeed::onPointerSpeedChanged(int value)
{
    if (sender() != m_pointerSlider || !m_record)
        return;
    qDebug("slider_clicked 1 = %d", value);
    m_record->mousespeed = quint8(value);
}

void QuorPointSpeed::sValueChangedSlot(int value)
{
    if (!m_record)
        return;
    qDebug("slider_clicked 1 = %d", value);
    m_record->scrollspeed = quint8(value);
}

void QuorPointSpeed::setProfileData(ProfileRecord *record)
{
    m_record = record;
    if (m_record) {
        {
            const QSignalBlocker quietSlider(m_pointerSlider);
            const QSignalBlocker quietBox(m_scrollBox);
            m_pointerSlider->setValue(m_record->mousespeed);
            m_scrollBox->setValue(m_record->scrollspeed);
        }
        m_record->mousespeed = quint8(m_pointerSlider->value());
        m_record->scrollspeed = quint8(m_scrollBox->value());
    }
    applyScrollBoxFont();
}

// The language font at its own size, not scaled; a missing size keeps the default.
void QuorPointSpeed::applyScrollBoxFont()
{
    QFont font(readFontFamily(currentLanguageIndex()));
    const int pixelSize = configuredFontSize();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    m_scrollBox->setFont(font);
}

void QuorPointSpeed::retranslate()
{
    m_pointerLabel->setCaption(QObject::tr("POINTER SPEED"));
    m_scrollLabel->setCaption(QObject::tr("SCROLL SPEED"));
    applyScrollBoxFont();
}
