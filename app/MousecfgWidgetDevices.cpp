#include "app/MousecfgWidget.h"

#include "app/InterfaceName.h"
#include "app/VariantSettings.h"
#include "device/BatteryThreadControl.h"
#include "device/DeviceTable.h"
#include "device/StatusReports.h"
#include "platform/Sleep.h"
#include "storage/ProfileFiles.h"
#include "storage/Theme.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/UiScale.h"

#include <QDebug>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {
constexpr int WarningDelayMs = 200;
constexpr int ReopenPauseMs = 500;
constexpr int SwitchPauseMs = 50;

DeviceWatcher::Wake watcherWake = DeviceWatcher::Wake::Automatic;

bool pairComplete(const DeviceModelRecord &record, int pair)
{
    return record.present[size_t(2 * pair)] == 1 && record.present[size_t(2 * pair + 1)] == 1;
}

bool recordConnected(const DeviceModelRecord &record)
{
    return pairComplete(record, ReceiverPair) || pairComplete(record, CablePair);
}

// Config.ini is rewritten only when the name changes.
void storeCurrentProductName(const QString &name)
{
    if (readCurrentProductName() != name)
        writeCurrentProductName(name);
}

// The pair whose ids the interface carries, or -1.
int pairOf(const DeviceModelRecord &record, const InterfaceName &name)
{
    for (int pair : {ReceiverPair, CablePair})
        if (name.vendorId == record.vendorId[size_t(pair)] && name.productId == record.productId[size_t(pair)])
            return pair;
    return -1;
}

bool pairTouched(const DeviceModelRecord &record, int pair)
{
    return record.present[size_t(2 * pair)] == 1 || record.present[size_t(2 * pair + 1)] == 1;
}

bool allGone(const DeviceModelRecord &record)
{
    for (qint32 flag : record.present)
        if (flag != 0)
            return false;
    return true;
}

bool isCurrentProduct(const DeviceModelRecord &record)
{
    return readCurrentProductName() == QString::fromLatin1(record.productName);
}

// Whether the enumeration lists the receiver's vendor interface again.
bool receiverVendorListed()
{
    const DeviceModelRecord &record = deviceTable[0];
    for (const HidInterfaceEntry &entry : enumerateHidInterfaces())
        if (entry.vendorId == record.vendorId[ReceiverPair] && entry.productId == record.productId[ReceiverPair]
            && entry.usagePage == record.usagePage[ReceiverVendor] && entry.usage == record.usage[ReceiverVendor])
            return true;
    return false;
}
} // namespace

void MousecfgWidget::countConnectedMice()
{
    m_iConnectedCount = 0;
    for (int i = 0; i < deviceTypeCount && i < MaxDeviceTypes; ++i)
        if (recordConnected(deviceTable[size_t(i)]))
            ++m_iConnectedCount;
}

void MousecfgWidget::refreshMouseList(int)
{
    m_mouseNames.clear();
    if (deviceTypeCount <= 1)
        m_mouseButton->hide();
    // The old menu goes with its entries.
    delete m_mouseMenu;
    m_mouseMenu = new QMenu(this);
    m_iConnectedCount = 0;
    for (int i = 0; i < deviceTypeCount && i < MaxDeviceTypes; ++i) {
        const DeviceModelRecord &record = deviceTable[size_t(i)];
        if (!recordConnected(record))
            continue;
        m_mouseNames << QString::fromLatin1(record.productName);
        m_mouseMenu->addAction(m_mouseNames.last());
        ++m_iConnectedCount;
    }
    if (m_iConnectedCount <= 1) {
        m_mouseButton->hide();
        if (m_iConnectedCount == 1)
            qDebug() << "RefreshMouseList " << m_mouseNames.first();
        storeCurrentProductName(m_iConnectedCount == 1 ? m_mouseNames.first() : QString());
        return;
    }
    m_mouseButton->show();
    const QString current = readCurrentProductName();
    if (m_mouseNames.contains(current))
        m_mouseButton->setCaption(current);
    else
        storeCurrentProductName(m_mouseNames.first());
    connect(m_mouseMenu, &QMenu::triggered, this, &MousecfgWidget::slot_show_mousename);
    m_mouseButton->setMenu(m_mouseMenu);
    m_mouseMenu->setFixedWidth(scaledPixels(150));
    m_mouseMenu->setStyleSheet(menuStyleSheet());
    m_mouseMenu->setFont(languageFont());
}

void MousecfgWidget::setDeviceWatcherWake(DeviceWatcher::Wake wake)
{
    watcherWake = wake;
}

void MousecfgWidget::createDeviceWatcher()
{
    m_watcher = new DeviceWatcher(enumerateHidInterfaces, watcherWake, this);
    connect(m_watcher, &DeviceWatcher::deviceChanged, this, &MousecfgWidget::onDeviceChange);
}

void MousecfgWidget::onDeviceChange(const QString &name, bool arrived)
{
    if (deferWhileBusy([=] { onDeviceChange(name, arrived); }))
        return;
    const InterfaceName parsed = parseInterfaceName(name);
    const QByteArray path = parsed.path.toLatin1();
    bool changed = false;
    bool restarted = false;
    for (int t = 0; t < deviceTypeCount && t < MaxDeviceTypes; ++t) {
        DeviceModelRecord &record = deviceTable[size_t(t)];
        const int pair = pairOf(record, parsed);
        if (pair < 0)
            continue;
        const int which = interfaceIndex(pair, parsed.collection);
        if (arrived)
            changed |= interfaceArrived(record, pair, which, path);
        else if (!interfaceRemoved(record, which, restarted))
            continue;
        if (isCurrentProduct(record) && pairTouched(record, pair) && !restarted) {
            m_batteryControl->stopBatteryThread();
            closeDevices();
            sleepMs(ReopenPauseMs);
            openCurrentDevice();
            m_batteryControl->startBatteryThread();
        }
        if (changed)
            writeConfigDiff(1);
    }
    // Every device event restarts the status thread, foreign devices too.
    updateLinkIcons();
    m_batteryControl->stopBatteryThread();
    m_batteryControl->startBatteryThread();
}

// True when a present flag went from 0 to 1.
bool MousecfgWidget::interfaceArrived(DeviceModelRecord &record, int pair, int which, const QByteArray &path)
{
    bool changed = false;
    if (which >= 0 && releaseAccepted(record, pair, quint32(getReleaseNumber(path)))) {
        changed = record.present[size_t(which)] == 0;
        record.path[size_t(which)] = path;
        record.present[size_t(which)] = 1;
    }
    if (pairComplete(record, pair)) {
        const bool connected = m_iConnectedCount != 0;
        refreshMouseList(1);
        if (connected)
            openCurrentDevice();
        else
            QTimer::singleShot(WarningDelayMs, this, &MousecfgWidget::slotWarnClose);
    }
    return changed;
}

// False when the interface was not marked present: the event changes nothing for
// this record. A collection other than the mouse or vendor one changes nothing either.
bool MousecfgWidget::interfaceRemoved(DeviceModelRecord &record, int which, bool &restarted)
{
    if (which < 0 || record.present[size_t(which)] == 0)
        return false;
    const bool receiverVendorWasPresent = record.present[ReceiverVendor] == 1;
    record.present[size_t(which)] = 0;
    if (allGone(record)) {
        countConnectedMice();
        if (m_iConnectedCount == 0) {
            lastMouseGone();
        } else {
            const QString before = readCurrentProductName();
            refreshMouseList(1);
            if (before == QString::fromLatin1(record.productName)) {
                m_batteryControl->stopBatteryThread();
                closeDevices();
                openCurrentDevice();
                m_batteryControl->startBatteryThread();
                reloadForCurrentMouse(false, false);
                restarted = true;
            }
        }
    }
    if (programVariant().col04RemovalWarning && deviceTable[0].present[ReceiverVendor] == 0
        && receiverVendorWasPresent && deviceTable[0].present[ReceiverMouse] == 1)
        warnReceiverRemoved();
    return true;
}

void MousecfgWidget::lastMouseGone()
{
    m_batteryControl->stopBatteryThread();
    // News of a mouse that is gone is stale when one comes back: its replies tell.
    takeKeptStatusNews();
    closeDevices();
    m_bDevicePresent = 0;
    warningBoxOpen = 1;
    armWarning();
}

// One warning timer at a time: a removal soon after the start gives one box.
void MousecfgWidget::armWarning()
{
    if (m_bWarningArmed)
        return;
    m_bWarningArmed = true;
    QTimer::singleShot(WarningDelayMs, this, &MousecfgWidget::slotWarning);
}

// The receiver's vendor interface went while its mouse interface is still
// listed; the box closes itself once the vendor interface is back. It never opens
// over the no-mouse box, and a no-mouse warning asked for meanwhile comes after it.
void MousecfgWidget::warnReceiverRemoved()
{
    if (m_warningBox)
        return;
    QuorMessageBox box(4, QString(), QObject::tr("Warning"), QObject::tr("Dongle Disconnect!"), this, true,
                       Qt::FramelessWindowHint);
    box.setDevicePresentProbe(receiverVendorListed);
    ModalGate::exec(box);
}

// Takes over a mouse that arrived while none was connected; nothing when it has
// gone again meanwhile.
void MousecfgWidget::slotWarnClose()
{
    if (deferWhileBusy([this] { slotWarnClose(); }))
        return;
    if (m_iConnectedCount == 0)
        return;
    openCurrentDevice();
    m_batteryControl->startBatteryThread();
    reloadForCurrentMouse(true, true);
    m_bDevicePresent = 1;
}

// The window's state for the current mouse, read again from the files.
void MousecfgWidget::reloadForCurrentMouse(bool relayout, bool selectFirstKey)
{
    m_selectedKey = {};
    m_iKeyGroup = 0;
    m_iSavedKey = 0;
    m_bFrontView = true;
    loadModelPictures();
    if (relayout)
        relayoutWindow();
    loadSettingsBlocks();
    const int current = safeProfileIndex(workingSettings.currentProfile);
    m_profileButton->setCaption(m_profileActions[size_t(current)]->text());
    m_nameEdit->setText(workingSettings.names[size_t(current)]);
    loadProfileList();
    buildProfileMenu();
    writeDefaultProfileFile();
    switchPage(LightingTab);
    if (selectFirstKey)
        selectKeyButton(0, 0);
    updateArrowButtons();
    refreshPages();
}

void MousecfgWidget::slot_show_mousename(QAction *action)
{
    if (!action)
        return;
    m_batteryControl->stopBatteryThread();
    sleepMs(SwitchPauseMs);
    closeDevices();
    sleepMs(SwitchPauseMs);
    const QString name = action->text();
    m_mouseButton->setCaption(name);
    writeCurrentProductName(name);
    openDeviceByName(name.toLatin1());
    sleepMs(SwitchPauseMs);
    reloadForCurrentMouse(true, false);
    m_batteryControl->startBatteryThread();
}
