#include "pages/QuorDPIWindow.h"

#include "pages/PageLook.h"
#include "pages/QuorSingleDPI.h"
#include "storage/ModelDescriptor.h"
#include "storage/Theme.h"
#include "widgets/QuorLabel.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QSlider>

#include <climits>

namespace {
// A stored raw value above the int range stands at the top of every slider.
int rawForSlider(quint32 raw)
{
    return int(qMin<quint32>(raw, INT_MAX));
}

QRect rowRect(int stage, double scale)
{
    return scaledRect(scale, 15, 43 + 50 * stage, 440, 48);
}
}

QuorDPIWindow::QuorDPIWindow(const ProfileRecord &record, QWidget *parent)
    : QWidget(parent)
    , m_ProfileData(record)
    , m_scale(uiScale())
    , m_initialStage(record.dpi)
{
    setPanelLook(this);
    setupUi();
    setCurrentStage(m_initialStage);
    m_sensor = 3325;
    m_stageCount = modelDpiStageCount();
    if (m_stageCount < 1 || m_stageCount > DpiStageCount)
        m_stageCount = DpiStageCount;
}

QuorDPIWindow::~QuorDPIWindow() = default;

void QuorDPIWindow::setupUi()
{
    m_titleLabel = new QuorLabel(QObject::tr("DPI"), this);
    m_titleLabel->setPalette(whiteTextPalette(palette()));
    for (int i = 0; i < DpiStageCount; ++i) {
        auto *row = new QuorSingleDPI(this, i);
        row->setGeometry(rowRect(i, m_scale));
        connect(row, &QuorSingleDPI::DPISignal, this, &QuorDPIWindow::onSliderChanged);
        connect(row, &QuorSingleDPI::LinkSignal, this, &QuorDPIWindow::onLinkChanged);
        connect(row, &QuorSingleDPI::MouseinSignal, this, &QuorDPIWindow::MouseinSignal);
        connect(row, &QuorSingleDPI::EnableSignal, this, &QuorDPIWindow::onEnableChanged);
        m_rows[size_t(i)] = row;
    }
    loadRows(false);
}

// Shows every stage; with keepShown the copy of each row the model has, whose sensor
// range is known, then holds what the row shows. Other rows keep their stored values.
void QuorDPIWindow::loadRows(bool keepShown)
{
    for (int i = 0; i < DpiStageCount; ++i) {
        QuorSingleDPI *row = m_rows[size_t(i)];
        DpiStage &stage = m_ProfileData.stages[size_t(i)];
        row->setLinked(stage.link);
        row->setDpiText(rawForSlider(stage.x), rawForSlider(stage.y));
        row->setEnabledState(stage.used);
        if (!keepShown || i >= m_stageCount || !row->knowsRange())
            continue;
        stage.link = row->link();
        stage.x = quint32(row->rawX());
        stage.y = quint32(row->rawY());
        stage.used = row->enabledState();
    }
}

void QuorDPIWindow::setProfileData(ProfileRecord *record, int sensor)
{
    if (!record)
        return;
    m_sensor = sensor;
    for (QuorSingleDPI *row : m_rows)
        row->setSensorLimits(sensor);
    m_ProfileData = *record;
    loadRows(true);
    setCurrentStage(m_ProfileData.dpi);
}

void QuorDPIWindow::setCurrentStage(int stage)
{
    const QPalette white = whiteTextPalette(palette());
    for (QuorSingleDPI *row : m_rows)
        row->setRowPalette(white);
    if (stage < 0 || stage >= DpiStageCount)
        return;
    m_ProfileData.dpi = quint8(stage);
    QPalette highlight = white;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        highlight.setColor(group, QPalette::WindowText, themeColor());
    m_rows[size_t(stage)]->setRowPalette(highlight);
}

void QuorDPIWindow::setScale(double scale)
{
    m_scale = scale;
    for (int i = 0; i < DpiStageCount; ++i) {
        QuorSingleDPI *row = m_rows[size_t(i)];
        row->setGeometry(i < m_stageCount ? rowRect(i, scale) : QRect());
        row->setScale(scale);
        // A row without area keeps its bars out of the focus chain.
        for (QSlider *bar : row->findChildren<QSlider *>())
            bar->setFocusPolicy(i < m_stageCount ? Qt::StrongFocus : Qt::NoFocus);
    }
    m_titleLabel->setGeometry(scaledRect(scale, 3, 3, 80, 17));
}

void QuorDPIWindow::retranslate()
{
    m_titleLabel->setCaption(QObject::tr("DPI"));
    for (QuorSingleDPI *row : m_rows)
        row->retranslate();
}

DpiStage *QuorDPIWindow::stageAt(uchar stage)
{
    return stage < DpiStageCount ? &m_ProfileData.stages[stage] : nullptr;
}

void QuorDPIWindow::onSliderChanged(int x, int y, uchar stage)
{
    if (DpiStage *s = stageAt(stage)) {
        s->x = quint32(x);
        s->y = quint32(y);
    }
}

void QuorDPIWindow::onLinkChanged(uchar value, uchar stage)
{
    if (DpiStage *s = stageAt(stage))
        s->link = value;
}

void QuorDPIWindow::onEnableChanged(uchar value, uchar stage)
{
    if (DpiStage *s = stageAt(stage))
        s->used = value;
}

void QuorDPIWindow::MouseinSignal(uchar stage)
{
    setCurrentStage(stage);
}
