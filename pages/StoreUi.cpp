#include "pages/StoreUi.h"

#include "pages/QuorDPIWindow.h"
#include "pages/QuorReportRate.h"

void storeUiIntoRecord(ProfileRecord &record, const QuorDPIWindow &dpiPage, const QuorReportRate &ratePanel)
{
    record.dpi = dpiPage.profileData().dpi;
    record.stages = dpiPage.profileData().stages;
    record.pollrate = ratePanel.profileData().pollrate;
}
