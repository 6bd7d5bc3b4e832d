#include "pages/QuorColorWindow.h"

#include "pages/DefaultColorArea.h"
#include "pages/PageLook.h"
#include "pages/QuorColorArea.h"
#include "storage/ModelDescriptor.h"
#include "storage/Theme.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/QuorSlider.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QCheckBox>
#include <QDebug>
#include <QMenu>
#include <QPointer>
#include <QSignalBlocker>

#include <utility>

namespace {
enum Controls { Brightness = 1, Speed = 2, Colour = 4, SpeedInUpperRow = 8 };

struct Effect
{
    const char *name;
    int controls;
};

// Indexed by LedMode, which is also the index of the effect's LedModeRecord.
const std::array<Effect, LedModeCount> Effects{{
    {QT_TRANSLATE_NOOP("QObject", "OFF"), 0},
    {QT_TRANSLATE_NOOP("QObject", "FULL LIGHTED"), Brightness | Colour},
    {QT_TRANSLATE_NOOP("QObject", "BREATHING"), Speed | SpeedInUpperRow | Colour},
    {QT_TRANSLATE_NOOP("QObject", "7 COLOR BREATHING"), Speed | SpeedInUpperRow},
    {QT_TRANSLATE_NOOP("QObject", "RAINBOW"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "FLASH"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "Horizontal WAVE"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "Horizontal GO WITHOUT TRACE"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "Raindrop"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "WAVE"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "GO WITHOUT TRACE"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "REACTIVE"), Brightness},
    {QT_TRANSLATE_NOOP("QObject", "yo-yo"), Brightness | Speed},
    {QT_TRANSLATE_NOOP("QObject", "Marbles"), Brightness | Speed},
}};

// The effects the menu offers, top to bottom; 5 to 8 are never offered.
const std::array<int, 10> MenuOrder{1, 2, 3, 4, 9, 11, 10, 12, 13, 0};

const char *const TitleTexts[] = {QT_TRANSLATE_NOOP("QObject", "EFFECT"), QT_TRANSLATE_NOOP("QObject", "BRIGHTNESS"),
                                  QT_TRANSLATE_NOOP("QObject", "SPEED"), QT_TRANSLATE_NOOP("QObject", "COLOR"),
                                  QT_TRANSLATE_NOOP("QObject", "SLEEP TIME")};

bool knownEffect(int effect)
{
    return effect >= 0 && effect < LedModeCount;
}

// Loads a value quietly and returns what the slider shows.
int showValue(QuorSlider *slider, int value)
{
    const QSignalBlocker quiet(slider);
    slider->setValue(value);
    return slider->value();
}
}

QuorColorWindow::QuorColorWindow(QWidget *parent, double scale)
    : QWidget(parent)
    , m_scale(scale)
{
    setPanelLook(this);
    const QPalette white = whiteTextPalette(palette());
    for (QuorLabel *&label : m_titles) {
        label = new QuorLabel(this);
        label->setPalette(white);
    }
    m_minutesLabel = new QuorLabel(this);
    m_minutesLabel->setPalette(white);

    m_swatch = new DefaultColorArea(this, themeColor());
    connect(m_swatch, SIGNAL(ClickedSignal()), this, SLOT(color_clicked()));

    m_sleepSlider = makeSlider(1, 9);
    m_brightSlider = makeSlider(1, 3);
    m_speedSlider = makeSlider(1, 5);

    const QString picture = skinPath(QStringLiteral("/skin/rate.png"));
    m_effectButton = new QuorPushButton({picture, picture, picture}, this);
    m_effectButton->setDropDownArrow(true);
    m_effectMenu = new QMenu(this);
    m_effectMenu->setFixedWidth(scaledPixels(175, scale));
    m_effectMenu->setStyleSheet(menuStyleSheet());

    m_moveOffBox = new QCheckBox(this);
    m_moveOffBox->setPalette(white);
    connect(m_moveOffBox, SIGNAL(clicked()), this, SLOT(checkbtn_clicked()));
    applyStyleSheets();
    buildEffectMenu();
}

QuorColorWindow::~QuorColorWindow()
{
    for (QuorAction *action : m_actions)
        delete action;
}

// The sliders' and the box's pictures follow the page's scale.
void QuorColorWindow::applyStyleSheets()
{
    const QString style = grooveSliderStyleSheet(themeColor(), themeColor(), m_scale);
    for (QuorSlider *slider : {m_sleepSlider, m_brightSlider, m_speedSlider})
        slider->setStyleSheet(style);
    m_moveOffBox->setStyleSheet(skinCheckBoxStyleSheet(m_scale));
}

QuorSlider *QuorColorWindow::makeSlider(int minimum, int maximum)
{
    auto *slider = new QuorSlider(this);
    slider->setOrientation(Qt::Horizontal);
    slider->setRange(minimum, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::NoTicks);
    connect(slider, &QSlider::valueChanged, this, &QuorColorWindow::onSliderValueChanged);
    connect(slider, &QuorSlider::MouseChange, this, &QuorColorWindow::slotSliderMouseChange);
    return slider;
}

void QuorColorWindow::buildEffectMenu()
{
    m_effectMenu->clear();
    for (int i = 0; i < LedModeCount; ++i) {
        delete m_actions[size_t(i)];
        auto *action = new QuorAction(QObject::tr(Effects[size_t(i)].name), this);
        connect(action, &QAction::triggered, this, &QuorColorWindow::EffectMenuFunction);
        m_actions[size_t(i)] = action;
    }
    for (int effect : MenuOrder)
        m_effectMenu->addAction(m_actions[size_t(effect)]);
    m_effectButton->setMenu(m_effectMenu);
}

void QuorColorWindow::setProfileData(ProfileRecord *record)
{
    m_record = record;
    refresh();
    retranslate();
}

LedModeRecord *QuorColorWindow::effectRecord() const
{
    if (!m_record || !knownEffect(m_record->LedMode))
        return nullptr;
    return &m_record->ledModes[m_record->LedMode];
}

// Lays the page out for the effect and loads its values; what a slider shows after
// loading is what the record holds.
void QuorColorWindow::showEffect(int effect)
{
    layoutForEffect(effect);
    LedModeRecord *values = effectRecord();
    if (!values)
        return;
    values->bright = showValue(m_brightSlider, values->bright);
    values->breath = showValue(m_speedSlider, values->breath);
    m_swatch->setColor(values->color);
}

void QuorColorWindow::showMinutes(int minutes)
{
    m_minutesLabel->setCaption(QString::number(minutes) + QObject::tr(" MINUTE"));
}

void QuorColorWindow::refresh()
{
    if (!m_record)
        return;
    showEffect(m_record->LedMode);
    m_record->LedSleepTime = quint8(showValue(m_sleepSlider, m_record->LedSleepTime));
    showMinutes(m_record->LedSleepTime);
    m_moveOffBox->setChecked(m_record->LedMoveOFF == 0);
}

void QuorColorWindow::retranslate()
{
    for (size_t i = 0; i < m_titles.size(); ++i)
        m_titles[i]->setCaption(QObject::tr(TitleTexts[i]));
    m_moveOffBox->setText(QObject::tr("MOVE TO LIGHT OFF"));
    m_moveOffBox->setFont(languageFont());
    for (size_t i = 0; i < m_actions.size(); ++i)
        m_actions[i]->setText(QObject::tr(Effects[i].name));
    if (!m_record)
        return;
    showMinutes(m_record->LedSleepTime);
    layoutForEffect(m_record->LedMode);
}

void QuorColorWindow::setScale(double scale)
{
    m_scale = scale;
    applyStyleSheets();
    const auto place = [scale](QWidget *w, int x, int y, int width, int height) {
        w->setGeometry(scaledRect(scale, x, y, width, height));
    };
    place(m_titles[EffectTitle], 30, 20, 201, 18);
    place(m_effectButton, 30, 40, 170, 28);
    place(m_titles[ColorTitle], 30, 196, 201, 18);
    place(m_swatch, 30, 215, 64, 64);
    m_effectMenu->setFixedWidth(scaledPixels(175, scale));
    const bool showSleep = modelShowSleep() != 0;
    QWidget *sleepRow[4] = {m_titles[SleepTitle], m_sleepSlider, m_minutesLabel, m_moveOffBox};
    const QRect sleepRects[4] = {scaledRect(scale, 30, 300, 201, 18), scaledRect(scale, 30, 320, 228, 25),
                                 scaledRect(scale, 265, 323, 100, 18), scaledRect(scale, 30, 360, 200, 25)};
    for (int i = 0; i < 4; ++i)
        sleepRow[i]->setGeometry(showSleep ? sleepRects[i] : QRect());
    focusOnlyWithArea(m_sleepSlider, Qt::StrongFocus);
    focusOnlyWithArea(m_moveOffBox, Qt::StrongFocus);
    m_moveOffBox->setFont(languageFont());
    for (QuorAction *action : m_actions)
        action->applyFont();
    if (m_record)
        layoutForEffect(m_record->LedMode);
}

void QuorColorWindow::layoutForEffect(int effect)
{
    const bool known = knownEffect(effect);
    m_effectButton->setCaption(known ? m_actions[size_t(effect)]->text() : QString());
    const int controls = known ? Effects[size_t(effect)].controls : 0;
    const bool speedFirst = controls & SpeedInUpperRow;
    const int brightY = speedFirst ? 137 : 78;
    const int speedY = speedFirst ? 78 : 137;
    m_titles[BrightnessTitle]->setGeometry(scaledRect(m_scale, 30, brightY, 201, 18));
    m_brightSlider->setGeometry(scaledRect(m_scale, 30, brightY + 19, 228, 25));
    m_titles[SpeedTitle]->setGeometry(scaledRect(m_scale, 30, speedY, 201, 18));
    m_speedSlider->setGeometry(scaledRect(m_scale, 30, speedY + 19, 228, 25));
    // An unknown effect has no values to edit: its controls stay as they were, disabled.
    for (QWidget *w : {static_cast<QWidget *>(m_brightSlider), static_cast<QWidget *>(m_speedSlider),
                       static_cast<QWidget *>(m_swatch)})
        w->setEnabled(known);
    if (!known)
        return;
    const std::pair<int, std::array<QWidget *, 2>> pairs[3] = {
        {Brightness, {m_titles[BrightnessTitle], m_brightSlider}},
        {Speed, {m_titles[SpeedTitle], m_speedSlider}},
        {Colour, {m_titles[ColorTitle], m_swatch}}};
    for (const auto &pair : pairs) {
        for (QWidget *w : pair.second)
            w->setVisible(controls & pair.first);
    }
}

void QuorColorWindow::EffectMenuFunction()
{
    for (int i = 0; i < LedModeCount; ++i) {
        if (sender() != m_actions[size_t(i)])
            continue;
        if (!m_record)
            return;
        m_record->LedMode = quint8(i);
        showEffect(i);
        const QColor c = m_record->ledModes[size_t(i)].color;
        qDebug("EffectMenuFunction i=%d r=%d g=%d b=%d", i, c.red(), c.green(), c.blue());
        return;
    }
}

void QuorColorWindow::setEffect(int effect)
{
    if (!m_record)
        return;
    m_record->LedMode = quint8(effect & 0xFF);
    showEffect(m_record->LedMode);
}

void QuorColorWindow::onSliderValueChanged(int value)
{
    if (!m_record)
        return;
    if (sender() == m_sleepSlider) {
        m_record->LedSleepTime = quint8(value);
        showMinutes(value);
        m_minutesLabel->repaint();
        return;
    }
    LedModeRecord *values = effectRecord();
    if (!values)
        return;
    if (sender() == m_brightSlider)
        values->bright = value;
    else if (sender() == m_speedSlider)
        values->breath = value;
}

void QuorColorWindow::slotSliderMouseChange()
{
}

void QuorColorWindow::slotApplyColor()
{
}

// The dialog runs in the modal gate, so news from the mouse waits for it; its colour
// goes to the record and effect it was opened for all the same.
void QuorColorWindow::color_clicked()
{
    LedModeRecord *values = effectRecord();
    if (!values)
        return;
    ProfileRecord *record = m_record;
    const int effect = record->LedMode;
    QPointer<QuorColorArea> dialog = new QuorColorArea(this, m_scale);
    dialog->setColor(values->color);
    const int result = ModalGate::exec(*dialog);
    if (!dialog)
        return;
    const QColor chosen = dialog->color();
    delete dialog;
    if (result != QDialog::Accepted)
        return;
    record->ledModes[size_t(effect)].color = chosen;
    if (m_record == record && record->LedMode == effect)
        m_swatch->setColor(chosen);
}

void QuorColorWindow::checkbtn_clicked()
{
    if (sender() != m_moveOffBox || !m_record)
        return;
    m_record->LedMoveOFF = m_moveOffBox->isChecked() ? 0 : 255;
}

void QuorColorWindow::slotSendLedState(const QColor &color)
{
    LedModeRecord *values = effectRecord();
    if (!values)
        return;
    qDebug("slotSendLedState i=%d r=%d g=%d b=%d", m_record->LedMode, color.red(), color.green(), color.blue());
    values->color = color.toRgb();
}
