#pragma once

#include "app/MousecfgWidget.h"
#include "buttons/QuorBtnWindow.h"
#include "macro/MacroDialog.h"
#include "device/BatteryThreadControl.h"
#include "device/StatusReports.h"
#include "pages/DefaultColorArea.h"
#include "pages/QuorColorWindow.h"
#include "pages/QuorDPIWindow.h"
#include "pages/QuorPointSpeed.h"
#include "pages/QuorReportRate.h"
#include "storage/ConfigIni.h"
#include "storage/ProfileFiles.h"
#include "storage/SettingsBlock.h"
#include "tests/common/TestAppFolder.h"
#include "tests/fakehid/FakeMouse.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorProcessbar.h"
#include "widgets/QuorPushButton.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>

#include <memory>

// Reaches the window's members for the tests.
struct MousecfgWidgetProbe
{
    explicit MousecfgWidgetProbe(MousecfgWidget &window) : w(window) {}
    MousecfgWidget &w;

    QuorPushButton *button(int i) const { return w.m_buttons[size_t(i)]; }
    QuorPushButton *hotspot(int i) const { return w.m_hotspots[size_t(i)]; }
    QuorPushButton *closeButton() const { return w.m_closeButton; }
    QuorPushButton *langButton() const { return w.m_langButton; }
    QuorPushButton *firmwareButton() const { return w.m_firmwareButton; }
    DeviceWatcher *watcher() const { return w.m_watcher; }
    int devicePresent() const { return w.m_bDevicePresent; }
    QuorPushButton *frontButton() const { return w.m_frontButton; }
    QuorPushButton *arrowUp() const { return w.m_arrowUp; }
    QuorLabel *modelLabel() const { return w.m_modelLabel; }
    QLabel *frontPicture() const { return w.m_frontPicture; }
    QLabel *sidePicture() const { return w.m_sidePicture; }
    QLabel *dongleLabel() const { return w.m_dongleLabel; }
    QLabel *cableLabel() const { return w.m_cableLabel; }
    QuorProcessbar *batteryBar() const { return w.m_batteryBar; }
    int linkState() const { return w.m_iLinkState; }
    int langIndex() const { return w.m_iLangIndex; }
    bool translatorInstalled() const { return w.m_translator && !w.m_translator->isEmpty(); }
    bool batteryThreadRunning() const { return w.m_batteryControl->isBatteryThreadRunning(); }
    BatteryThreadControl *batteryControl() const { return w.m_batteryControl; }
    void setFrontView(bool front) { w.m_bFrontView = front; }
    QuorDPIWindow *dpiPage() const { return w.m_dpiWindow; }
    QuorPointSpeed *speedPanel() const { return w.m_pointSpeed; }
    QuorReportRate *ratePanel() const { return w.m_reportRate; }
    QuorColorWindow *lightingPage() const { return w.m_colorWindow; }
    QuorBtnWindow *buttonPage() const { return w.m_btnWindow; }
    MacroDialog *macroPage() const { return w.m_macroDialog; }
    QLineEdit *nameEdit() const { return w.m_nameEdit; }
    QAction *slotMenuEntry(int i) const { return w.m_profileActions[size_t(i)].get(); }
    QMenu *profileListMenu() const { return w.m_spareMenu; }
    QStringList profileList() const { return w.m_profileList; }
    QAction *quitAction() const { return w.m_quitAction.get(); }
    QSystemTrayIcon *trayIcon() const { return w.m_trayIcon; }
    bool warningArmed() const { return w.m_bWarningArmed; }
};

// A button the layout leaves without area (OK, the profile commands) is clicked
// through its signal.
inline void click(QAbstractButton *button)
{
    if (button->width() > 0 && button->height() > 0)
        QTest::mouseClick(button, Qt::LeftButton);
    else
        button->click();
}

// A test application folder with the shipped Config.ini and model descriptor, and
// the emulated mouse with the links asked for.
class WindowFixture
{
public:
    explicit WindowFixture(bool receiver = true, bool cable = false)
    {
        FakeMouse &mouse = FakeMouse::instance();
        mouse.reset();
        // Device changes come from rescan() only.
        MousecfgWidget::setDeviceWatcherWake(DeviceWatcher::Wake::Manual);
        if (receiver)
            mouse.plug(FakeLink::Receiver);
        if (cable)
            mouse.plug(FakeLink::Cable);
        folder.copySeedData();
        // News an earlier test's write left for a status thread that no longer runs.
        takeKeptStatusNews();
    }
    ~WindowFixture()
    {
        window.reset();
        FakeMouse::instance().reset();
    }

    // Factory profile files for the five slot names, as a seeded folder has them.
    void seedProfiles()
    {
        ProfileRecord record;
        resetProfileToDefaults(record);
        for (int i = 1; i <= ProfileCount; ++i)
            saveProfileFile(record, QStringLiteral("Profile %1").arg(i));
    }

    MousecfgWidget &open()
    {
        window = std::make_unique<MousecfgWidget>();
        return *window;
    }

    // A new window on the folder, as after a restart.
    MousecfgWidget &reopen()
    {
        window.reset();
        return open();
    }

    // On factory profiles, nothing left to write, the status thread's first report in.
    MousecfgWidget &openSettled()
    {
        seedProfiles();
        writeConfigDiff(0);
        open();
        if (!QTest::qWaitFor([] { return FakeMouse::instance().readCount() > 2; }))
            qWarning("no status read yet");
        return *window;
    }

    // Plugs or pulls a link and lets the window's watcher look.
    void setLink(FakeLink link, bool plugged)
    {
        if (plugged)
            FakeMouse::instance().plug(link);
        else
            FakeMouse::instance().unplug(link);
        MousecfgWidgetProbe(*window).watcher()->rescan();
    }

    TestAppFolder folder;
    std::unique_ptr<MousecfgWidget> window;
};
