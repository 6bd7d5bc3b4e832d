#include "app/MousecfgWidget.h"

#include "device/DeviceTable.h"
#include "pages/PageLook.h"
#include "storage/ModelDescriptor.h"
#include "storage/Theme.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorProcessbar.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QToolTip>

namespace {
enum ButtonFlag { Glow = 1, Selectable = 2, VerticalText = 4, GlowEllipse = 8, Dispatch = 16 };

const QStringList TabSkins = {QStringLiteral("/skin/tabbutton-1.png"), QStringLiteral("/skin/tabbutton-3.png"),
                              QStringLiteral("/skin/tabbutton-2.png")};

// m_buttons 4-9: export, import, reset, add, delete and copy of a profile.
const char *const ProfileCommandSkins[6][3] = {
    {"/skin/profile_import1.png", "/skin/profile_import2.png", "/skin/profile_import2.png"},
    {"/skin/profile_export1.png", "/skin/profile_export1.png", "/skin/profile_export1.png"},
    {"/skin/profile_reset1.png", "/skin/profile_reset2.png", "/skin/profile_reset2.png"},
    {"/skin/profile_add1.png", "/skin/profile_add2.png", "/skin/profile_add2.png"},
    {"/skin/profile_del1.png", "/skin/profile_del2.png", "/skin/profile_del2.png"},
    {"/skin/profile_copy1.png", "/skin/profile_copy2.png", "/skin/profile_copy2.png"},
};
const int ProfileCommandX[6] = {141, 117, 189, 69, 93, 165};

const char *const TabCaptions[MousecfgWidget::TabCount] = {
    QT_TRANSLATE_NOOP("QObject", "LIGHTING"), QT_TRANSLATE_NOOP("QObject", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("QObject", "DPI"), QT_TRANSLATE_NOOP("QObject", "MACRO")};
// Tool tips of m_buttons 6-9.
const char *const ProfileCommandTips[4] = {QT_TRANSLATE_NOOP("QObject", "RESET"), QT_TRANSLATE_NOOP("QObject", "ADD"),
                                           QT_TRANSLATE_NOOP("QObject", "DELETE"),
                                           QT_TRANSLATE_NOOP("QObject", "COPY")};

// m_buttons 10-15: caption and place on the bottom row; OK and Cancel have no area.
struct BottomButton
{
    const char *caption;
    QRect rect;
};
const BottomButton BottomButtons[6] = {
    {QT_TRANSLATE_NOOP("QObject", "Reset All"), {308, 588, 128, 30}},
    {QT_TRANSLATE_NOOP("QObject", "OK"), {439, 588, 0, 0}},
    {QT_TRANSLATE_NOOP("QObject", "Cancel"), {518, 588, 0, 0}},
    {QT_TRANSLATE_NOOP("QObject", "Apply"), {597, 588, 76, 30}},
    {QT_TRANSLATE_NOOP("QObject", "LOAD1"), {439, 588, 76, 30}},
    {QT_TRANSLATE_NOOP("QObject", "SAVE"), {518, 588, 76, 30}},
};
constexpr int FirstBottomButton = 10;

// Front-view hot-spots 0-6 on the mouse picture; all of them without area.
const QPoint HotspotPlaces[7] = {{756, 233}, {826, 233}, {791, 238}, {729, 239},
                                 {792, 282}, {790, 304}, {790, 304}};

// Product names whose arrow keys use the round pictures.
bool usesRoundArrows(const QString &product)
{
    return product == QLatin1String("Wireless Mouse")
           || product == QString::fromLatin1(deviceTable[0].productName);
}

void place(QWidget *widget, double scale, const QRect &r)
{
    widget->setGeometry(scaledRect(scale, r.x(), r.y(), r.width(), r.height()));
}
} // namespace

QuorPushButton *MousecfgWidget::makeButton(const QStringList &skins, int flags)
{
    QStringList paths;
    for (const QString &skin : skins)
        paths << skinPath(skin);
    auto *button = new QuorPushButton(paths, this);
    button->setGlowMode(flags & Glow);
    button->setGlowEllipse(flags & GlowEllipse);
    button->setVerticalText(flags & VerticalText);
    if (flags & Selectable)
        button->setSelectable(true);
    if (flags & Dispatch)
        connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    return button;
}

QLabel *MousecfgWidget::makeLabel(int alignment, bool hidden)
{
    auto *label = new QLabel(this);
    label->setAlignment(Qt::Alignment(alignment));
    label->setVisible(!hidden);
    return label;
}

void MousecfgWidget::buildUi()
{
    buildTopControls();
    buildTabAndActionButtons();
    buildMenus();
    buildProfileControls();
    buildViewControls();
    loadModelPictures();
    selectKeyButton(0, 0);
}

void MousecfgWidget::createMouseButton()
{
    m_mouseButton = makeButton(TabSkins, Dispatch);
    setScaledGeometry(m_mouseButton, m_dScale, 670, 33, 100, 20);
}

void MousecfgWidget::buildTopControls()
{
    const QPalette white = whiteTextPalette(palette());
    const QColor theme = themeColor();
    m_batteryBar = new QuorProcessbar(this);
    m_batteryBar->setOrientation(Qt::Horizontal);
    m_batteryBar->setRange(0, 100);
    m_batteryBar->setTextVisible(true);
    m_batteryBar->setStyleSheet(QString::asprintf(
        "                QProgressBar {                border:none;                background-color: #FFFFFF;"
        "                border-radius:2px;                }                QProgressBar::chunk {                background-color:rgb(%d,%d,%d);"
        "                border-radius:2px;                }                QProgressBar {text-align: center;"
        "                color: rgb(0, 0, 0);                }                ",
        theme.red(), theme.green(), theme.blue()));
    m_iBattery = readBattery();
    m_batteryBar->setValue(m_iBattery);

    m_hiddenLabel = makeLabel(Qt::AlignLeft | Qt::AlignVCenter, true);
    m_versionLabel = new QuorLabel(this);
    m_versionLabel->setPalette(white);
    m_versionLabel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_modelLabel = new QuorLabel(readConfigModel(), this);
    m_modelLabel->setPalette(white);
    m_modelLabel->setTextAlignment(Qt::AlignCenter);

    m_closeButton = makeButton({"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"}, Dispatch);
    m_minButton = makeButton({"/skin/min-1.png", "/skin/min-2.png", "/skin/min-3.png"}, Dispatch);
}

void MousecfgWidget::buildTabAndActionButtons()
{
    for (int i = 4; i < 10; ++i) {
        const auto &s = ProfileCommandSkins[i - 4];
        m_buttons[size_t(i)] = makeButton({s[0], s[1], s[2]}, Glow | Dispatch);
    }
    for (int i = FirstBottomButton; i < 16; ++i)
        m_buttons[size_t(i)] = makeButton(TabSkins, Glow | Dispatch);
}

void MousecfgWidget::buildMenus()
{
    const QString menuStyle = menuStyleSheet();
    m_langMenu = new QMenu(this);
    for (int i = 0; i < m_iLangCount; ++i) {
        m_langActions.push_back(std::make_unique<QuorAction>(m_languages.names[size_t(i)], this));
        connect(m_langActions.back().get(), &QAction::triggered, this, &MousecfgWidget::onLanguageAction);
        m_langMenu->addAction(m_langActions.back().get());
    }
    m_langButton = makeButton({"/skin/lang.png", "/skin/lang.png", "/skin/lang.png"}, Glow | Dispatch);
    m_langButton->setMenu(m_langMenu);
    m_langMenu->setFixedWidth(scaledPixels(105, m_dScale));
    m_langMenu->setStyleSheet(menuStyle);

    m_profileMenu = new QMenu(this);
    m_profileMenu->setFixedWidth(scaledPixels(152, m_dScale));
    m_profileMenu->setStyleSheet(menuStyle);
    for (auto &action : m_profileActions) {
        action = std::make_unique<QuorAction>(this);
        m_profileMenu->addAction(action.get());
        connect(action.get(), &QAction::triggered, this, &MousecfgWidget::onProfileMenuAction);
    }
    m_spareMenu = new QMenu(this);
    m_spareMenu->setFixedWidth(scaledPixels(152, m_dScale));
    m_spareMenu->setStyleSheet(menuStyle);
}

void MousecfgWidget::buildProfileControls()
{
    m_profileButton = makeButton({"/skin/profilesel.png", "/skin/profilesel.png", "/skin/profilesel.png"}, Dispatch);
    m_profileButton->setMenu(m_profileMenu);
    m_profileButton->setDropDownArrow(true);
    for (auto &slot : m_slotButtons)
        slot = makeButton({"/skin/profile_edit_name_1.png", "/skin/profile_edit_name_2.png",
                           "/skin/profile_edit_name_2.png"},
                          Selectable | Dispatch);
    for (int i = 0; i < TabCount; ++i) {
        m_buttons[size_t(i)] = makeButton(TabSkins, Glow | Selectable | Dispatch);
        connect(m_buttons[size_t(i)], &QuorPushButton::EnterSignal, this, &MousecfgWidget::onTabOrFirmwareButton);
    }
    m_firmwareButton = makeButton(TabSkins, Glow | Selectable);
    connect(m_firmwareButton, &QuorPushButton::EnterSignal, this, &MousecfgWidget::onTabOrFirmwareButton);

    m_profileLabel = new QLabel(this);
    m_profileLabel->setPalette(whiteTextPalette(palette()));
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setMaxLength(100);
    m_nameEdit->setStyleSheet(QStringLiteral("QToolTip{background-color:black}"));
    m_nameEdit->setAlignment(Qt::AlignCenter);
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MousecfgWidget::slotProfileNameChange);
    m_nameApplyButton = makeButton({"/skin/profile_apply1.png", "/skin/profile_apply1.png",
                                    "/skin/profile_apply1.png"},
                                   Dispatch);
    m_nameLabel = new QuorLabel(this);
    m_nameLabel->setPalette(whiteTextPalette(palette()));
}

void MousecfgWidget::buildViewControls()
{
    m_frontButton = makeButton(TabSkins, Glow | VerticalText | Selectable | Dispatch);
    m_sideButton = makeButton(TabSkins, Glow | VerticalText | Selectable | Dispatch);
    m_frontPicture = makeLabel(Qt::AlignCenter, false);
    m_sidePicture = makeLabel(Qt::AlignCenter, true);
    m_cableLabel = makeLabel(Qt::AlignCenter, true);
    m_dongleLabel = makeLabel(Qt::AlignCenter, true);
    const QStringList spotSkins = {"/skin/btn_2.png", "/skin/btn_1.png", "/skin/btn_1.png"};
    for (size_t i = 0; i < m_hotspots.size(); ++i) {
        // Only the front view's keys reach the dispatcher.
        m_hotspots[i] = makeButton(spotSkins, Glow | GlowEllipse | Selectable | (i < 20 ? Dispatch : 0));
        m_hotspots[i]->setCaption(QString::number(i < 20 ? i + 1 : i - 19));
    }
    const bool round = usesRoundArrows(readCurrentProductName());
    m_arrowUp = makeButton(round ? QStringList{"/skin/btn_up4.png", "/skin/btn_up3.png", "/skin/btn_up3.png"}
                                 : QStringList{"/skin/btn_up2.png", "/skin/btn_up1.png", "/skin/btn_up1.png"},
                           Glow | GlowEllipse | Selectable | Dispatch);
    m_arrowDown = makeButton(round ? QStringList{"/skin/btn_down4.png", "/skin/btn_down3.png", "/skin/btn_down3.png"}
                                   : QStringList{"/skin/btn_down2.png", "/skin/btn_down1.png", "/skin/btn_down1.png"},
                             Glow | GlowEllipse | Selectable | Dispatch);
}

// Pictures of the current model; hot-spots and arrow keys start without area.
void MousecfgWidget::loadModelPictures()
{
    const QString name = readCurrentProductName();
    const double s = m_dScale;
    showSkinPicture(m_frontPicture, "/skin/mouse/" + name + "/Mouse.png", scaledPixels(300, s), scaledPixels(400, s),
                Qt::KeepAspectRatio);
    showSkinPicture(m_sidePicture, "/skin/mouse/" + name + "_Side.png", scaledPixels(300, s), scaledPixels(300, s),
                Qt::IgnoreAspectRatio);
    showSkinPicture(m_cableLabel, "/skin/lightning.png", scaledPixels(26, s), scaledPixels(40, s), Qt::KeepAspectRatio);
    for (QuorPushButton *spot : m_hotspots)
        spot->setGeometry(0, 0, 0, 0);
    m_arrowUp->setGeometry(0, 0, 0, 0);
    m_arrowDown->setGeometry(0, 0, 0, 0);
    if (name == QLatin1String("Wireless Mouse")) {
        m_frontButton->setGeometry(530, 321, 96, 20);
        m_sideButton->setGeometry(631, 321, 96, 20);
    }
}

void MousecfgWidget::retranslateUi()
{
    const QString profileWord = QObject::tr("Profile");
    const QString modeWord = QObject::tr("Mode");
    m_versionLabel->setCaption(QObject::tr("Version") + " : " + modelVersion());
    m_versionLabel->repaint();
    m_nameEdit->setToolTip(QObject::tr("Press Enter To Apply"));
    m_nameLabel->setCaption(QObject::tr("NAME"));
    for (int i = 0; i < 4; ++i)
        m_buttons[size_t(6 + i)]->setToolTip(QObject::tr(ProfileCommandTips[i]));
    for (int i = 0; i < 6; ++i)
        m_buttons[size_t(FirstBottomButton + i)]->setCaption(QObject::tr(BottomButtons[i].caption));
    for (int i = 0; i < TabCount; ++i)
        m_buttons[size_t(i)]->setCaption(QObject::tr(TabCaptions[i]));
    m_firmwareButton->setCaption(QObject::tr("Firmware Update"));
    m_langButton->setCaption(m_iLangIndex < int(m_langActions.size())
                                 ? m_langActions[size_t(m_iLangIndex)]->text()
                                 : QString());
    m_frontButton->setCaption(QObject::tr("Front"));
    m_sideButton->setCaption(QObject::tr("Side"));
    for (int i = 0; i < ProfileCount; ++i) {
        m_slotButtons[size_t(i)]->setCaption(profileWord + QString::asprintf(" %d", i + 1));
        m_profileActions[size_t(i)]->setText(modeWord + QString::asprintf(" %d", i + 1));
    }
    m_profileButton->setCaption(m_profileActions[size_t(safeProfileIndex(workingSettings.currentProfile))]->text());
    // The tray entries exist once the constructor has made them.
    if (m_loadConfigAction) {
        m_loadConfigAction->setText(tr("&Load Config"));
        m_quitAction->setText(tr("&Quit"));
    }
    retranslatePages();
    showBatteryState();
    relayoutWindow();
}

void MousecfgWidget::relayoutWindow()
{
    const double s = m_dScale;
    placePages();
    placeControls();
    const QString name = readCurrentProductName();
    showSkinPicture(m_frontPicture, "/skin/mouse/" + name + "/Mouse.png", scaledPixels(300, s), scaledPixels(400, s),
                Qt::KeepAspectRatio);
    showSkinPicture(m_sidePicture, "/skin/mouse/" + name + "_Side.png", scaledPixels(300, s), scaledPixels(300, s),
                Qt::KeepAspectRatio);
    showSkinPicture(m_cableLabel, "/skin/lightning.png", scaledPixels(26, s), scaledPixels(40, s), Qt::KeepAspectRatio);
    showSkinPicture(m_dongleLabel, "/skin/dongle.png", scaledPixels(48, s), scaledPixels(48, s), Qt::KeepAspectRatio);
    showSkinPicture(m_hiddenLabel, "/skin/mouselogo.png", scaledPixels(200, s), scaledPixels(50, s), Qt::KeepAspectRatio);
    place(m_hiddenLabel, s, {69, 20, 200, 50});
    for (int i = 0; i < 7; ++i)
        place(m_hotspots[size_t(i)], s, QRect(HotspotPlaces[i], QSize(0, 0)));
    place(m_arrowUp, s, {792, 215, 0, 0});
    place(m_arrowDown, s, {792, 261, 0, 0});
    place(m_frontButton, s, {617, 99, 0, 0});
    place(m_sideButton, s, {617, 320, 0, 0});

    m_langMenu->setFixedWidth(scaledPixels(105, s));
    for (auto &action : m_langActions)
        action->applyFont();
    m_profileMenu->setFixedWidth(scaledPixels(152, s));
    for (auto &action : m_profileActions)
        action->applyFont();
    m_spareMenu->setFixedWidth(scaledPixels(152, s));
    const QFont font = languageFont();
    for (QAction *action : m_spareMenu->actions())
        action->setFont(font);
    // The tray entries exist once the constructor has made them.
    for (QuorAction *action : {m_loadConfigAction.get(), m_quitAction.get()})
        if (action)
            action->applyFont();
    QToolTip::setFont(font);
    m_nameEdit->setFont(font);
    updateAreaFocus();
}

// The fixed places of the window's own controls.
void MousecfgWidget::placeControls()
{
    const double s = m_dScale;
    for (int i = 0; i < TabCount; ++i)
        place(m_buttons[size_t(i)], s, {69, 90 + 34 * i, 154, 29});
    if (modelDisableMacro())
        place(m_buttons[MacroTab], s, {0, 0, 0, 0});
    for (int i = 4; i < 10; ++i)
        place(m_buttons[size_t(i)], s, {ProfileCommandX[i - 4], 504, 0, 0});
    for (int i = 0; i < 6; ++i)
        place(m_buttons[size_t(FirstBottomButton + i)], s, BottomButtons[i].rect);
    for (int i = 0; i < ProfileCount; ++i)
        place(m_slotButtons[size_t(i)], s, {81, 240 + 25 * i, 0, 0});
    const std::pair<QWidget *, QRect> fixed[] = {
        {m_closeButton, {924, 33, 19, 19}},   {m_minButton, {903, 33, 19, 19}},
        {m_mouseButton, {670, 33, 100, 20}},  {m_langButton, {774, 33, 105, 20}},
        {m_firmwareButton, {0, 0, 0, 0}},     {m_profileButton, {0, 0, 0, 0}},
        {m_frontButton, {530, 321, 96, 20}},  {m_sideButton, {631, 321, 96, 20}},
        {m_nameApplyButton, {202, 479, 0, 0}}, {m_nameEdit, {68, 479, 0, 0}},
        {m_nameLabel, {69, 458, 0, 0}},       {m_versionLabel, {807, 594, 140, 20}},
        {m_modelLabel, {637, 515, 300, 20}},  {m_profileLabel, {0, 0, 0, 0}},
        {m_frontPicture, {637, 99, 300, 400}}, {m_sidePicture, {637, 99, 316, 443}},
        {m_cableLabel, {174, 584, 26, 40}},   {m_dongleLabel, {174, 581, 48, 48}},
        {m_batteryBar, {75, 587, 71, 34}},
    };
    for (const auto &control : fixed)
        place(control.first, s, control.second);
}

// A control without area takes no focus, so Tab and Space never reach what no one sees.
void MousecfgWidget::updateAreaFocus()
{
    QList<QWidget *> controls;
    for (QAbstractButton *button : findChildren<QAbstractButton *>(QString(), Qt::FindDirectChildrenOnly))
        controls << button;
    controls << m_nameEdit;
    for (QWidget *control : controls)
        focusOnlyWithArea(control, Qt::StrongFocus);
}
