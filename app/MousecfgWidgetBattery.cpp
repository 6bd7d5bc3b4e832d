#include "app/MousecfgWidget.h"

#include "app/BatteryLevel.h"
#include "app/OsdPayload.h"
#include "app/VariantSettings.h"
#include "device/BatteryThreadControl.h"
#include "device/DeviceState.h"
#include "device/DeviceTable.h"
#include "device/HostActions.h"
#include "device/SettingsCommands.h"
#include "device/UploadDriver.h"
#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorReportRate.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"
#include "storage/SensorDpi.h"
#include "storage/Theme.h"
#include "widgets/QuorProcessbar.h"

#include <QLabel>

namespace {
const char OffStyle[] =
    "                    QProgressBar {                    border:none;                    background-color: "
    "rgb(100,100,100);                    border-radius:2px;                    }                    "
    "QProgressBar::chunk {                    background-color:rgb(100,100,100);                    "
    "border-radius:2px;                    }                    QProgressBar {                    text-align: "
    "center;                    color: rgb(255, 255, 255);                    }                    ";

QString levelStyle(const QColor &theme, const QString &textColour)
{
    return QString::asprintf("                QProgressBar {                border:none;                "
                             "background-color: #FFFFFF;                border-radius:2px;                }"
                             "                QProgressBar::chunk {                background-color:rgb(%d,%d,%d);"
                             "                border-radius:2px;                }                QProgressBar {"
                             "                text-align: center;                ",
                             theme.red(), theme.green(), theme.blue())
           + textColour + QStringLiteral("                }                ");
}

bool cablePresent()
{
    return deviceTable[0].present[CableVendor] == 1;
}

// The report-rate codes of the record: 1000, 500, 250 and 125 Hz.
bool isKnownRateCode(quint8 rate)
{
    return rate == 1 || rate == 2 || rate == 4 || rate == 8;
}
}

void MousecfgWidget::connectBatteryThread()
{
    connect(m_batteryControl, &BatteryThreadControl::RefreshBatteryStatus, this,
            &MousecfgWidget::slotRefreshBatteryStatus);
    connect(m_batteryControl, &BatteryThreadControl::RefreshStatus, this, &MousecfgWidget::slotRefreshStatus);
    connect(m_batteryControl, &BatteryThreadControl::RefreshWriteStatus, this,
            &MousecfgWidget::slotRefreshWriteStatus);
    setBatteryThreadControl(m_batteryControl);
}

void MousecfgWidget::slotRefreshBatteryStatus(quint8 charging, quint8 low, quint8 high)
{
    if (deferWhileBusy([=] { slotRefreshBatteryStatus(charging, low, high); }))
        return;
    m_lastBattery = {charging, low, high};
    const bool off = isMouseOffReport(charging, low, high);
    mouseOffFlag = off ? 1 : 0;
    if (!off) {
        const int percent = batteryPercent(low, high, m_iBatteryFull);
        if (percent != m_iBattery) {
            m_iBattery = percent;
            writeBattery(percent);
        }
    }
    showBatteryState();
}

// Draws the last battery status; a language change redraws it in the new language.
void MousecfgWidget::showBatteryState()
{
    if (isMouseOffReport(m_lastBattery[0], m_lastBattery[1], m_lastBattery[2])) {
        m_batteryBar->setFormat(tr("MOUSE OFF"));
        m_batteryBar->setTextVisible(false);
        m_batteryBar->setText(tr("MOUSE OFF"));
        m_batteryBar->setStyleSheet(QString::fromLatin1(OffStyle));
        m_cableLabel->hide();
        return;
    }
    const bool cable = cablePresent();
    m_batteryBar->setText(QString());
    m_batteryBar->setTextVisible(true);
    m_batteryBar->setFormat(cable ? QString() : QStringLiteral("%p%"));
    m_batteryBar->setStyleSheet(levelStyle(themeColor(), programVariant().batteryTextColour));
    m_cableLabel->setVisible(m_lastBattery[0] != 0);
    m_batteryBar->setValue(cable ? 100 : m_iBattery);
}

// Changes made on the mouse itself; values outside the block's tables or the model are
// ignored, and a reply naming no profile the mouse has is not taken at all. The news is
// what the mouse now holds: only what differs from the last-written block changes, so
// unsaved edits stay for the next Apply.
void MousecfgWidget::slotRefreshStatus(quint8 profile, quint8 stage, quint8 rate, quint8 mode)
{
    if (deferWhileBusy([=] { slotRefreshStatus(profile, stage, rate, mode); }))
        return;
    if (profile >= ProfileCount)
        return;
    mouseProfileKnown = true;
    bool stored = true;
    if (profile != workingSettings.currentProfile || profile != lastWrittenSettings.currentProfile)
        stored = slotRefreshProfile(profile);
    const ProfileRecord &held = currentRecord(lastWrittenSettings);
    if (stage != held.dpi)
        stored = slotRefreshDPIStage(stage) && stored;
    if (rate != held.pollrate)
        stored = slotRefreshRate(rate) && stored;
    if (!stored)
        showMessage(OneButton, "The settings could not be saved.");
}

bool MousecfgWidget::slotRefreshProfile(quint8 profile)
{
    if (profile >= ProfileCount)
        return true;
    lastWrittenSettings.currentProfile = profile;
    if (profile == workingSettings.currentProfile)
        return true;
    const bool stored = switchProfileSlot(profile, false);
    buildProfileMenu();
    setWindowsMouseSpeed();
    sendOsdMessage(osdProfileText(profile));
    return stored;
}

bool MousecfgWidget::slotRefreshDPIStage(quint8 stage)
{
    if (stage >= dpiStageCountToSend())
        return true;
    const int current = safeProfileIndex(workingSettings.currentProfile);
    ProfileRecord &record = workingSettings.profiles[size_t(current)];
    record.dpi = stage;
    lastWrittenSettings.profiles[size_t(current)].dpi = stage;
    m_dpiWindow->setCurrentStage(stage);
    const bool stored = saveProfileDpi(workingSettings.names[size_t(current)], stage);
    const int dpi = sensorDpiFromRaw(int(record.stages[stage].y), readMouseSensor());
    sendOsdMessage(osdDpiText(stage, dpi));
    return stored;
}

bool MousecfgWidget::slotRefreshRate(quint8 rate)
{
    if (!isKnownRateCode(rate))
        return true;
    const int current = safeProfileIndex(workingSettings.currentProfile);
    ProfileRecord &record = workingSettings.profiles[size_t(current)];
    record.pollrate = rate;
    lastWrittenSettings.profiles[size_t(current)].pollrate = rate;
    m_reportRate->setProfileData(&record, workingSettings.LiftHigh);
    const bool stored = saveProfileRate(workingSettings.names[size_t(current)], rate);
    sendOsdMessage(osdRateText(rate));
    return stored;
}

void MousecfgWidget::slotRefreshLightMode(quint8 mode)
{
    m_colorWindow->setEffect(safeLedMode(mode));
}

// Status 0: the mouse may differ from what was written, so the next write sends all.
void MousecfgWidget::slotRefreshWriteStatus(quint8 status)
{
    if (deferWhileBusy([=] { slotRefreshWriteStatus(status); }))
        return;
    if (status == 0)
        writeConfigDiff(1);
}
