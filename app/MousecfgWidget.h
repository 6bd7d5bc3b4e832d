#pragma once

#include "app/WindowScale.h"
#include "platform/DeviceWatcher.h"
#include "storage/ConfigIni.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QSize>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class BatteryThreadControl;
class DesktopNotifier;
class QAction;
struct DeviceModelRecord;
class QIcon;
class QLabel;
class QLineEdit;
class QMenu;
class QTranslator;
class QScreen;
class QWindow;
class QScrollArea;
class MacroDialog;
class QuorBtnWindow;
class QuorColorWindow;
class QuorDPIWindow;
class QuorPointSpeed;
class QuorReportRate;
class QuorAction;
class QuorLabel;
class QuorMessageBox;
class QuorProcessbar;
class QuorPushButton;

// The program's one top-level window: a frameless, skinned window of 999 x 640
// design pixels times the UI scale. It owns the pages, the tray icon, the profile
// controls and the device connection. Its implementation is split by topic over
// the MousecfgWidget*.cpp files of app/.
class MousecfgWidget : public QWidget
{
    Q_OBJECT
    friend struct MousecfgWidgetProbe;

public:
    // The four tabs.
    enum Tab { LightingTab = 0, ButtonsTab = 1, DpiTab = 2, MacroTab = 3 };
    static constexpr int TabCount = 4;
    // m_iLinkState.
    enum LinkState { CableOnly = 0, CableAndReceiver = 1, ReceiverOnly = 2, NoLink = 3 };

    explicit MousecfgWidget(QWidget *parent = nullptr);
    ~MousecfgWidget() override;

    int connectedCount() const { return m_iConnectedCount; }
    double scale() const { return m_dScale; }

    void switchPage(int tab);
    void showMouseView(bool front);
    void refreshPages();
    void storeUiIntoProfile();
    // A copy of the working block holding what every page shows, unapplied edits too.
    SettingsBlock settingsAsShown() const;
    void updateLinkIcons();
    void retranslateUi();
    void relayoutWindow();
    void updateArrowButtons();

    // How the device watcher of the next window wakes (tests: Manual).
    static void setDeviceWatcherWake(DeviceWatcher::Wake wake);
    // Whether the next window takes a tray as present; none asks the desktop.
    static void setTrayPresentForTests(std::optional<bool> present);

    // Profile slots and the profile list (MousecfgWidgetSlots.cpp).
    // False when Config.ini could not take the profile.
    bool switchProfileSlot(int index, bool reload);
    void selectKeyButton(quint8 index, quint8 group);
    void highlightKeyButton(quint8 index, quint8 group);
    void buildProfileMenu();
    void loadProfileList();
    bool saveProfileList();

    // Profile commands (MousecfgWidgetProfiles.cpp).
    void addProfile();
    void deleteProfile();
    void copyProfile();
    void renameProfile();

    void sendOsdMessage(const QString &text);

    // While a write to the mouse runs (the busy dialog) or any modal dialog of the
    // program is open, device events, status news, warnings and a quit wait in the
    // modal gate (widgets/ModalGate).
    bool isWriting() const { return m_bWriting; }

public slots:
    void showOrWarn();
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void slotGotoMacro(quint8 tab);
    void slotWarning();
    void slotLiftChange(quint8 lift);
    void slotPopOneClickBox();
    void slotMouseOver(QuorPushButton *button, bool over);
    void slotEnableButtons(bool enable);
    void SelBtnChanged(quint8 index, quint8 group);
    void slot_show_profilename(QAction *action);
    void slotProfileNameChange();
    // News from the mouse: the window and the last-written block follow it; false when
    // it could not be stored.
    bool slotRefreshProfile(quint8 profile);
    bool slotRefreshDPIStage(quint8 stage);
    void slotRefreshLightMode(quint8 mode);
    bool slotRefreshRate(quint8 rate);
    void slotRefreshBatteryStatus(quint8 charging, quint8 low, quint8 high);
    void slotRefreshStatus(quint8 profile, quint8 stage, quint8 rate, quint8 mode);
    void slotRefreshWriteStatus(quint8 status);
    // Ends the program now, or once a running write has ended.
    void requestQuit();
    void onDeviceChange(const QString &name, bool arrived);
    void slotWarnClose();
    void slot_show_mousename(QAction *action);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private slots:
    void onButtonClicked();
    void onTabOrFirmwareButton(QuorPushButton *sender);
    void onProfileMenuAction();
    void onProfileListAction();
    void onLanguageAction();

private:
    // Construction (MousecfgWidget.cpp).
    void chooseInitialScale();
    void placeOnPrimaryScreen();
    void applyScaleIndex(int index);
    // Takes a new scale whole: the window gets its size, kept inside the screen's
    // area, and everything is laid out again.
    void takeScale(int index, const QScreen *screen);
    // Follows the window's screen and that screen's logical DPI.
    void watchScreen();
    void onScreenChanged(QScreen *screen);
    void followScreenScale();
    const QPixmap &backgroundForIndex(int index);
    const QRegion &maskForIndex(int index);
    void loadLanguage();
    void loadSettingsBlocks();
    void adoptLastWrittenBlock();
    void writePendingDefaultProfile();
    void openCurrentDevice();
    void createTrayActions();
    void createTrayIcon(const QIcon &icon);
    // Hides the window into the tray, or minimises it where there is no tray.
    void hideWindow();
    bool hasTray() const { return m_trayIcon != nullptr; }
    // Brings the window and the dialog open over it to the front.
    void raiseWithDialog();

    // Controls and texts (MousecfgWidgetControls.cpp).
    QuorPushButton *makeButton(const QStringList &skins, int flags);
    QLabel *makeLabel(int alignment, bool hidden);
    void createMouseButton();
    void buildUi();
    void buildTopControls();
    void buildTabAndActionButtons();
    void buildMenus();
    void buildProfileControls();
    void buildViewControls();
    void placeControls();
    void updateAreaFocus();
    void loadModelPictures();

    // Pages (MousecfgWidgetPages.cpp).
    void createPages();
    void placePages();
    void retranslatePages();
    void showPagesOfTab(int tab);
    // Tells the button page which key group the mouse view shows.
    void showButtonGroupOnPage();
    void placeButtonPage();

    // Dispatcher and writing (MousecfgWidgetWriting.cpp).
    using DispatchRow = std::pair<QuorPushButton *, std::function<void()>>;
    std::vector<DispatchRow> dispatchRows();
    // The write sequence: the busy dialog stays open until the upload thread has ended.
    void writeToMouse(bool sendAll);
    // Queues the work in the modal gate while a dialog is open (true).
    bool deferWhileBusy(std::function<void()> work);
    // A message box of the window; the text is translated in the context QObject.
    enum MessageType { TwoButtons = 1, OneButton = 2 };
    int showMessage(int type, const char *text);
    int showMessageText(int type, const QString &text);
    QString askFileName(bool save, const char *title, const char *filter);
    void exportProfile();
    void importProfile();
    void saveConfiguration();
    void loadConfiguration();
    void tellIfInstallDamaged();
    void resetProfile();
    void resetAllProfiles();
    void confirmAndClose();
    void cancelChanges();
    void applyChanges();
    void showFrontView();
    void showSideView();
    void onHotspot(int index, int group);
    void markFirstSlotButton();

    // Profile slots and commands.
    // Loads a profile file into a slot's record; a name with no file in either profile
    // tree leaves the record as it is, with a message.
    bool loadSlotFromFile(int slot, const QString &name);
    // Puts a name into the current slot and the name edit.
    void showCurrentName(const QString &name);
    bool addToProfileList(const QString &name);
    void takeListedProfile(const QString &name);
    bool renameCurrentProfile(const QString &name);
    bool acceptNewProfileName(const QString &name);

    // Battery and status (MousecfgWidgetBattery.cpp).
    void connectBatteryThread();
    void showBatteryState();

    // Devices (MousecfgWidgetDevices.cpp).
    void countConnectedMice();
    void refreshMouseList(int unused);

    // Hot-plug (MousecfgWidgetDevices.cpp).
    void createDeviceWatcher();
    bool interfaceArrived(DeviceModelRecord &record, int pair, int which, const QByteArray &path);
    bool interfaceRemoved(DeviceModelRecord &record, int which, bool &restarted);
    void lastMouseGone();
    void armWarning();
    void warnReceiverRemoved();
    void reloadForCurrentMouse(bool relayout, bool selectFirstKey);

    // Firmware, warnings and language (MousecfgWidgetFirmware.cpp).
    void offerFirmwareUpdate();

    // Shell.
    bool m_bDragging = false;
    QPoint m_pressPos;
    QPoint m_pressWindowPos;
    double m_dScale = 1.0;
    int m_iScaleIndex = 0;
    int m_iAppliedScaleIndex = 0;
    QSize m_scaledSize;
    std::array<QPixmap, ScaleIndexCount> m_background;
    std::array<QRegion, ScaleIndexCount> m_windowMask;
    std::array<bool, ScaleIndexCount> m_maskMade{};
    QPointer<QWindow> m_watchedWindow;
    QMetaObject::Connection m_dpiConnection;
    QPixmap m_batteryPixmapNoCable;
    QPixmap m_batteryPixmapCable;
    QTranslator *m_translator = nullptr;
    int m_iLangIndex = 0;
    LanguageList m_languages;
    int m_iLangCount = 0;
    bool m_bFrontView = true;
    int m_iLinkState = NoLink;
    int m_iConnectedCount = 0;
    int m_bDevicePresent = 0;
    bool m_bDefaultProfilePending = false;
    bool m_bInstallDamageTold = false;
    int m_iBatteryFull = BatteryFullDefault;
    BatteryThreadControl *m_batteryControl = nullptr;
    QuorBtnWindow *m_btnWindow = nullptr;
    QScrollArea *m_buttonScroll = nullptr;
    MacroDialog *m_macroDialog = nullptr;
    QuorDPIWindow *m_dpiWindow = nullptr;
    QuorPointSpeed *m_pointSpeed = nullptr;
    QuorReportRate *m_reportRate = nullptr;
    QuorColorWindow *m_colorWindow = nullptr;
    QStringList m_mouseNames;
    QMenu *m_mouseMenu = nullptr;

    // Controls.
    QuorProcessbar *m_batteryBar = nullptr;
    int m_iBattery = 0;
    QLabel *m_hiddenLabel = nullptr;
    QuorLabel *m_versionLabel = nullptr;
    QuorLabel *m_modelLabel = nullptr;
    QuorPushButton *m_langButton = nullptr;
    QMenu *m_langMenu = nullptr;
    QuorPushButton *m_closeButton = nullptr;
    QuorPushButton *m_minButton = nullptr;
    QuorPushButton *m_firmwareButton = nullptr;
    QuorPushButton *m_profileButton = nullptr;
    std::array<QuorPushButton *, ProfileCount> m_slotButtons{};
    std::array<QuorPushButton *, 16> m_buttons{};
    QLabel *m_profileLabel = nullptr;
    std::vector<std::unique_ptr<QuorAction>> m_langActions;
    QLabel *m_frontPicture = nullptr;
    QLabel *m_sidePicture = nullptr;
    QLabel *m_cableLabel = nullptr;
    QLabel *m_dongleLabel = nullptr;
    std::array<QuorPushButton *, 40> m_hotspots{};
    QuorPushButton *m_arrowUp = nullptr;
    QuorPushButton *m_arrowDown = nullptr;
    QuorPushButton *m_frontButton = nullptr;
    QuorPushButton *m_sideButton = nullptr;
    QuorPushButton *m_mouseButton = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QuorPushButton *m_nameApplyButton = nullptr;
    QuorLabel *m_nameLabel = nullptr;
    QMenu *m_profileMenu = nullptr;
    std::array<std::unique_ptr<QuorAction>, ProfileCount> m_profileActions;
    QMenu *m_spareMenu = nullptr;
    QStringList m_profileList;
    // Entries of m_spareMenu, in list order.
    std::vector<std::unique_ptr<QuorAction>> m_profileListActions;

    // Writing.
    bool m_bWriting = false;

    // The last battery status shown: redrawn by retranslateUi.
    std::array<quint8, 3> m_lastBattery{};
    DesktopNotifier *m_notifier = nullptr;

    // Hot-spot selection: the selected key of each group (0 front, 1 side, 2 arrows).
    std::array<int, 3> m_selectedKey{};
    int m_iKeyGroup = 0;
    int m_iSavedKey = 0;

    // Tray.
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    std::unique_ptr<QuorAction> m_loadConfigAction;
    std::unique_ptr<QuorAction> m_quitAction;
    QuorMessageBox *m_warningBox = nullptr;
    bool m_bWarningArmed = false;
    DeviceWatcher *m_watcher = nullptr;
};

// 1 from the moment the no-mouse box is decided on until it closes; the tray
// does not hide the window meanwhile.
extern quint8 warningBoxOpen;
