#include "app/MousecfgWidget.h"

#include "app/VariantSettings.h"
#include "device/BatteryThreadControl.h"
#include "device/DeviceTable.h"
#include "device/HostActions.h"
#include "storage/AppFolder.h"
#include "storage/ProfileFiles.h"
#include "storage/ProfileNames.h"
#include "storage/StartupLoad.h"
#include "widgets/KeyboardFocus.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

quint8 warningBoxOpen = 0;

namespace {
constexpr int DragThreshold = 4;
std::optional<bool> trayPresentForTests;
}

void MousecfgWidget::setTrayPresentForTests(std::optional<bool> present)
{
    trayPresentForTests = present;
}

MousecfgWidget::MousecfgWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MousecfgWidget"));
    QuorPushButton::setCaptionFitFirst(programVariant().captionFitFirst);

    m_background[0] = loadSkin(QStringLiteral("/skin/cfgMainback.png"));
    m_batteryPixmapNoCable = loadSkin(QStringLiteral("/skin/bat1.png"));
    m_batteryPixmapCable = loadSkin(QStringLiteral("/skin/bat2.png"));

    chooseInitialScale();
    setBaseSize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);
    m_scaledSize = scaledWindowSize(m_dScale);
    resize(m_scaledSize);
    m_iAppliedScaleIndex = 0;
    placeOnPrimaryScreen();
    setMask(maskForIndex(m_iScaleIndex));

    createDeviceWatcher();
    setMainWindowPointer(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);

    // The mouse selector; its menu comes from the mouse list.
    createMouseButton();
    initDeviceTable();
    enumerateDevices();
    refreshMouseList(1);

    loadLanguage();
    buildUi();
    if (m_iLangCount > 0
        && m_translator->load(appDirPath() + "/lang/" + m_languages.files[size_t(m_iLangIndex)] + ".qm"))
        QCoreApplication::installTranslator(m_translator);
    loadProfileList();

    m_iBatteryFull = programVariant().batteryFullFromConfig ? readBatteryFull() : BatteryFullDefault;
    openCurrentDevice();
    m_batteryControl = new BatteryThreadControl(this);
    connectBatteryThread();
    m_batteryControl->startBatteryThread();

    loadSettingsBlocks();
    // The pointer speed kept by the process starts from the stored profile.
    setWindowsMouseSpeed();
    buildProfileMenu();

    m_bDragging = false;
    m_bFrontView = true;
    createPages();
    m_selectedKey = {};
    m_iKeyGroup = 0;
    m_iSavedKey = 0;
    switchPage(LightingTab);
    refreshPages();
    retranslateUi();

    const int current = safeProfileIndex(workingSettings.currentProfile);
    m_profileButton->setCaption(m_profileActions[size_t(current)]->text());
    m_nameEdit->setText(workingSettings.names[size_t(current)]);
    // The default profile file is written once the window has shown itself.
    m_bDefaultProfilePending = true;

    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    showFocusFrames(this);
    const QIcon icon(skinPath(programVariant().iconSkin));
    setWindowIcon(icon);
    createTrayActions();
    createTrayIcon(icon);
    slotRefreshBatteryStatus(0, 1, 1);
    updateLinkIcons();
    armWarning();
}

MousecfgWidget::~MousecfgWidget()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator);
    // The status thread has ended before any handle is closed.
    delete m_batteryControl;
    m_batteryControl = nullptr;
    closeDevices();
    exitHid();
    if (mainWindowPointer() == this)
        setMainWindowPointer(nullptr);
}

void MousecfgWidget::chooseInitialScale()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    applyScaleIndex(scaleIndexForRatio(screenRatio(logicalDpiOf(screen))));
}

// Takes the scale of a table row as the window's and the program's.
void MousecfgWidget::applyScaleIndex(int index)
{
    m_iScaleIndex = qBound(0, index, ScaleIndexCount - 1);
    m_dScale = scaleForIndex(m_iScaleIndex);
    setUiScale(m_dScale);
    backgroundForIndex(m_iScaleIndex);
}

const QPixmap &MousecfgWidget::backgroundForIndex(int index)
{
    QPixmap &background = m_background[size_t(index)];
    if (background.isNull() && !m_background[0].isNull())
        background = m_background[0].scaled(scaledWindowSize(scaleForIndex(index)), Qt::IgnoreAspectRatio,
                                             Qt::FastTransformation);
    return background;
}

// Transparent pixels of the skin lie outside the window; no skin, no mask.
const QRegion &MousecfgWidget::maskForIndex(int index)
{
    if (!m_maskMade[size_t(index)]) {
        m_windowMask[size_t(index)] = QRegion(backgroundForIndex(index).mask());
        m_maskMade[size_t(index)] = true;
    }
    return m_windowMask[size_t(index)];
}

void MousecfgWidget::placeOnPrimaryScreen()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredTopLeft(screen->availableGeometry(), size()));
}

void MousecfgWidget::loadLanguage()
{
    readFontList(m_languages);
    m_iLangCount = usableLanguageCount(m_languages);
    // An index outside the language list means the first language.
    const int stored = readLangId();
    m_iLangIndex = stored >= 0 && stored < m_iLangCount ? stored : 0;
    setCurrentLanguageIndex(m_iLangIndex);
    m_translator = new QTranslator(this);
}

void MousecfgWidget::loadSettingsBlocks()
{
    loadAllSettings(lastWrittenSettings);
    repairSlotNames(lastWrittenSettings, RepairedSlots::Load);
    adoptLastWrittenBlock();
}

// Every load ends here: a stored profile index of 5 or more becomes 0, so the next
// save stores a valid one; then the working block takes the loaded one.
void MousecfgWidget::adoptLastWrittenBlock()
{
    lastWrittenSettings.currentProfile = quint8(safeProfileIndex(lastWrittenSettings.currentProfile));
    workingSettings = lastWrittenSettings;
}

void MousecfgWidget::openCurrentDevice()
{
    openDeviceByName(readCurrentProductName().toLatin1());
}

void MousecfgWidget::createTrayActions()
{
    m_loadConfigAction = std::make_unique<QuorAction>(tr("&Load Config"), this);
    connect(m_loadConfigAction.get(), &QAction::triggered, this, &MousecfgWidget::showOrWarn);
    m_quitAction = std::make_unique<QuorAction>(tr("&Quit"), this);
    connect(m_quitAction.get(), &QAction::triggered, this, &MousecfgWidget::requestQuit);
}

void MousecfgWidget::createTrayIcon(const QIcon &icon)
{
    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_loadConfigAction.get());
    m_trayMenu->addAction(m_quitAction.get());
    // Without a tray the paths that would hide the window minimise it instead.
    if (!trayPresentForTests.value_or(QSystemTrayIcon::isSystemTrayAvailable()))
        return;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(m_trayMenu);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &MousecfgWidget::iconActivated);
    m_trayIcon->setIcon(icon);
    m_trayIcon->setToolTip(readCurrentProductName());
    m_trayIcon->setVisible(true);
}

void MousecfgWidget::hideWindow()
{
    if (hasTray())
        hide();
    else
        showMinimized();
}

void MousecfgWidget::resizeEvent(QResizeEvent *)
{
    const QScreen *screen = QGuiApplication::screenAt(geometry().center());
    // Off every screen: keep the current scale.
    const int index = screen ? scaleIndexForRatio(screenRatio(logicalDpiOf(screen))) : m_iScaleIndex;
    if (index != m_iAppliedScaleIndex) {
        takeScale(index, screen);
    } else if (size() == m_scaledSize) {
        applyScaleIndex(scaleIndexForWidth(width(), index));
        setMask(maskForIndex(m_iScaleIndex));
        relayoutWindow();
    } else {
        m_iScaleIndex = index;
    }
    m_iAppliedScaleIndex = m_iScaleIndex;
}

void MousecfgWidget::takeScale(int index, const QScreen *screen)
{
    applyScaleIndex(index);
    m_iAppliedScaleIndex = m_iScaleIndex;
    m_scaledSize = scaledWindowSize(m_dScale);
    setMask(maskForIndex(m_iScaleIndex));
    if (size() != m_scaledSize) {
        const QPoint topLeft =
            screen ? keptInsideArea(screen->availableGeometry(), pos(), m_scaledSize) : pos();
        setGeometry(QRect(topLeft, m_scaledSize));
    }
    relayoutWindow();
}

void MousecfgWidget::showEvent(QShowEvent *event)
{
    watchScreen();
    QWidget::showEvent(event);
}

// The window's native side exists once it is shown; it is watched once.
void MousecfgWidget::watchScreen()
{
    QWindow *window = windowHandle();
    if (!window || window == m_watchedWindow)
        return;
    m_watchedWindow = window;
    connect(window, &QWindow::screenChanged, this, &MousecfgWidget::onScreenChanged);
    onScreenChanged(window->screen());
}

void MousecfgWidget::onScreenChanged(QScreen *screen)
{
    disconnect(m_dpiConnection);
    if (screen)
        m_dpiConnection =
            connect(screen, &QScreen::logicalDotsPerInchChanged, this, &MousecfgWidget::followScreenScale);
    followScreenScale();
}

void MousecfgWidget::followScreenScale()
{
    const QScreen *screen = m_watchedWindow ? m_watchedWindow->screen() : nullptr;
    if (!screen)
        return;
    const int index = scaleIndexForRatio(screenRatio(logicalDpiOf(screen)));
    if (index != m_iScaleIndex)
        takeScale(index, screen);
}

void MousecfgWidget::writePendingDefaultProfile()
{
    if (!m_bDefaultProfilePending)
        return;
    m_bDefaultProfilePending = false;
    writeDefaultProfileFile();
    if (!deferWhileBusy([this] { tellIfInstallDamaged(); }))
        tellIfInstallDamaged();
}

void MousecfgWidget::paintEvent(QPaintEvent *)
{
    if (m_bDefaultProfilePending)
        QTimer::singleShot(0, this, &MousecfgWidget::writePendingDefaultProfile);
    QPainter painter(this);
    painter.drawPixmap(0, 0, backgroundForIndex(m_iScaleIndex));
    const QPixmap &battery = m_iLinkState < ReceiverOnly ? m_batteryPixmapCable : m_batteryPixmapNoCable;
    if (battery.isNull())
        return;
    const QRect target(scaledPixels(69, m_dScale), scaledPixels(581, m_dScale), scaledPixels(86, m_dScale),
                       scaledPixels(47, m_dScale));
    painter.drawPixmap(target.topLeft(),
                       battery.scaled(target.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void MousecfgWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_bDragging = true;
    m_pressPos = event->globalPos();
    m_pressWindowPos = frameGeometry().topLeft();
}

void MousecfgWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_bDragging)
        return;
    const QPoint delta = event->globalPos() - m_pressPos;
    if (delta.manhattanLength() <= DragThreshold)
        return;
    // The window system moves the window where it can (Wayland has no other way).
    if (windowHandle() && windowHandle()->startSystemMove()) {
        m_bDragging = false;
        return;
    }
    move(m_pressWindowPos + delta);
}

void MousecfgWidget::mouseReleaseEvent(QMouseEvent *)
{
    m_bDragging = false;
}

void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    // A close of the window ends the program; the title-bar button only hides it.
    event->accept();
    requestQuit();
}
