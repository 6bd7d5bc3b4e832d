#include "app/MousecfgWidget.h"

#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorPointSpeed.h"
#include "pages/QuorReportRate.h"
#include "pages/StoreUi.h"
#include "storage/ConfigIni.h"
#include "storage/SettingsBlock.h"
#include "widgets/QuorPushButton.h"
#include "widgets/UiScale.h"

// Each page is placed by the re-layout.
void MousecfgWidget::createPages()
{
    ProfileRecord &record = currentRecord(workingSettings);
    m_dpiWindow = new QuorDPIWindow(record, this);
    m_pointSpeed = new QuorPointSpeed(&record, this);
    m_reportRate = new QuorReportRate(record, this);
    connect(m_reportRate, &QuorReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
    m_colorWindow = new QuorColorWindow(this, m_dScale);
}

void MousecfgWidget::placePages()
{
    const double s = m_dScale;
    m_colorWindow->setGeometry(scaledRect(s, 285, 90, 351, 440));
    m_colorWindow->setScale(s);
    m_dpiWindow->setGeometry(scaledRect(s, 285, 90, 456, 460));
    m_dpiWindow->setScale(s);
    m_pointSpeed->setGeometry(scaledRect(s, 746, 245, 229, 306));
    m_reportRate->setGeometry(scaledRect(s, 746, 90, 229, 150));
}

void MousecfgWidget::retranslatePages()
{
    m_dpiWindow->retranslate();
    m_pointSpeed->retranslate();
    m_reportRate->retranslate();
    m_colorWindow->retranslate();
}

void MousecfgWidget::showPagesOfTab(int tab)
{
    m_dpiWindow->setVisible(tab == DpiTab);
    m_pointSpeed->setVisible(tab == DpiTab);
    m_reportRate->setVisible(tab == DpiTab);
    m_colorWindow->setVisible(tab == LightingTab);
}

void MousecfgWidget::showButtonGroupOnPage()
{
}

void MousecfgWidget::refreshPages()
{
    for (QuorPushButton *slot : m_slotButtons)
        slot->setSelected(false);
    m_slotButtons[size_t(safeProfileIndex(workingSettings.currentProfile))]->setSelected(true);
    ProfileRecord &record = currentRecord(workingSettings);
    m_colorWindow->setProfileData(&lightingRecord(workingSettings));
    m_pointSpeed->setProfileData(&record);
    m_reportRate->setProfileData(&record, workingSettings.LiftHigh);
    m_dpiWindow->setProfileData(&record, readMouseSensor());
}

void MousecfgWidget::storeUiIntoProfile()
{
    storeUiIntoRecord(currentRecord(workingSettings), *m_dpiWindow, *m_reportRate);
}

void MousecfgWidget::slotLiftChange(quint8 lift)
{
    workingSettings.LiftHigh = lift;
}
