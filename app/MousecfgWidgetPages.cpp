#include "app/MousecfgWidget.h"

#include "storage/SettingsBlock.h"
#include "widgets/QuorPushButton.h"

void MousecfgWidget::createPages()
{
}

void MousecfgWidget::placePages()
{
}

void MousecfgWidget::retranslatePages()
{
}

void MousecfgWidget::showPagesOfTab(int)
{
}

void MousecfgWidget::showButtonGroupOnPage()
{
}

void MousecfgWidget::refreshPages()
{
    for (QuorPushButton *slot : m_slotButtons)
        slot->setSelected(false);
    m_slotButtons[size_t(safeProfileIndex(workingSettings.currentProfile))]->setSelected(true);
}

void MousecfgWidget::storeUiIntoProfile()
{
}
