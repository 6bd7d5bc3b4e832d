#include "app/MousecfgWidget.h"

#include "app/VariantSettings.h"
#include "device/DeviceTable.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorProcessbar.h"
#include "widgets/QuorPushButton.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>
#include <utility>

void MousecfgWidget::switchPage(int tab)
{
    if (tab < 0 || tab >= TabCount)
        return;
    for (int i = 0; i < TabCount; ++i)
        m_buttons[size_t(i)]->setSelected(false);
    m_buttons[size_t(tab)]->setSelected(true);

    // The window's own controls and the tabs that show them. On the button tab the
    // view then decides which picture and hot-spots stay.
    constexpr int Lighting = 1 << LightingTab, Buttons = 1 << ButtonsTab;
    std::vector<std::pair<QWidget *, int>> rows = {
        {m_modelLabel, Lighting | Buttons}, {m_frontPicture, Lighting | Buttons}, {m_sidePicture, Buttons},
        {m_frontButton, Buttons},           {m_sideButton, Buttons},              {m_arrowUp, Buttons},
        {m_arrowDown, Buttons},
    };
    for (QuorPushButton *spot : m_hotspots)
        rows.push_back({spot, Buttons});
    for (const auto &row : rows)
        row.first->setVisible(row.second & (1 << tab));
    if (tab == ButtonsTab)
        showMouseView(m_bFrontView);
    showPagesOfTab(tab);
    // The focus on a tab, or on a control now hidden, goes to the tab shown.
    QWidget *focus = focusWidget();
    const bool onTab = std::find(m_buttons.begin(), m_buttons.begin() + TabCount, focus) != m_buttons.begin() + TabCount;
    if (!focus || onTab || !focus->isVisibleTo(this))
        m_buttons[size_t(tab)]->setFocus(Qt::OtherFocusReason);
}

// Tab and Backtab follow the screen, not the order the controls were made in.
bool MousecfgWidget::focusNextPrevChild(bool next)
{
    return focusNextStopInScreenOrder(this, next) || QWidget::focusNextPrevChild(next);
}

void MousecfgWidget::slotGotoMacro(quint8 tab)
{
    switchPage(tab);
}

void MousecfgWidget::showMouseView(bool front)
{
    m_frontPicture->setVisible(front);
    m_frontButton->setSelected(front);
    m_sidePicture->setVisible(!front);
    m_sideButton->setSelected(!front);
    for (size_t i = 0; i < m_hotspots.size(); ++i)
        m_hotspots[i]->setVisible(i < 20 ? front : !front);
    m_arrowUp->setVisible(front);
    m_arrowDown->setVisible(front);
    showButtonGroupOnPage();
}

void MousecfgWidget::updateLinkIcons()
{
    const DeviceModelRecord &record = deviceTable[0];
    const bool cable = record.present[CableVendor] == 1;
    const bool receiver = record.present[ReceiverVendor] == 1;
    m_iLinkState = cable ? (receiver ? CableAndReceiver : CableOnly) : (receiver ? ReceiverOnly : NoLink);
    m_dongleLabel->setVisible(receiver);
    // The battery bar only while the mouse runs on its battery.
    m_batteryBar->setVisible(!cable);
    // Shown again while the mouse reports charging.
    m_cableLabel->hide();
    update();
}

void MousecfgWidget::slotWarning()
{
    if (deferWhileBusy([this] { slotWarning(); }))
        return;
    m_bWarningArmed = false;
    writePendingDefaultProfile();
    showOrWarn();
}

void MousecfgWidget::showOrWarn()
{
    if (deferWhileBusy([this] { showOrWarn(); }))
        return;
    show();
    if (m_iConnectedCount != 0) {
        if (!m_warningBox)
            warningBoxOpen = 0;
        activateWindow();
        return;
    }
    // At most one no-mouse box at a time.
    if (m_warningBox)
        return;
    warningBoxOpen = 1;
    const VariantSettings &variant = programVariant();
    QuorMessageBox box(variant.noMouseBoxType, QString(), QObject::tr("Warning"), QObject::tr(variant.noMouseMessage),
                       this, true, Qt::FramelessWindowHint);
    box.setDevicePresentProbe([this] { return m_bDevicePresent != 0; });
    m_warningBox = &box;
    // Outside the modal gate: the arrival of a mouse must reach the window and close it.
    const int result = box.exec();
    m_warningBox = nullptr;
    if (result == QDialog::Accepted && m_iConnectedCount == 0)
        hideWindow();
    // Cleared however the box was closed, so the tray can hide the window again.
    warningBoxOpen = 0;
}

void MousecfgWidget::iconActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason != QSystemTrayIcon::DoubleClick && reason != QSystemTrayIcon::Trigger)
        return;
    // A dialog is never left alone on screen: the click brings the window and the
    // dialog up, and the hide it asks for waits until the dialog has closed. The
    // no-mouse box hides the window itself when it is confirmed.
    if (ModalGate::isOpen() || warningBoxOpen != 0) {
        const bool shown = isVisible() && !isMinimized();
        raiseWithDialog();
        if (shown)
            deferWhileBusy([this, reason] { iconActivated(reason); });
        return;
    }
    if (!isVisible())
        showOrWarn();
    else
        hideWindow();
}

void MousecfgWidget::raiseWithDialog()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    if (QWidget *dialog = QApplication::activeModalWidget()) {
        dialog->raise();
        dialog->activateWindow();
    }
}
