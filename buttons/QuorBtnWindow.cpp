#include "buttons/QuorBtnWindow.h"

#include "buttons/ButtonFunctions.h"
#include "storage/ConfigIni.h"
#include "storage/ModelDescriptor.h"
#include "storage/Theme.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QDebug>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

#include <algorithm>

namespace {
constexpr quint8 BadgeUp = 253;
constexpr quint8 BadgeDown = 254;
// Above this many buttons the column keeps a fixed step instead of spreading out.
constexpr int SpreadLimit = 9;
constexpr quint8 NoMatrixEntry = 255;

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QFont configuredMenuFont(int pixelSize)
{
    QFont font(readFontFamily(currentLanguageIndex()));
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}
}

QuorBtnWindow::QuorBtnWindow(ProfileRecord *record, QWidget *parent, double scale)
    : QWidget(parent)
    , m_record(record)
    , m_scale(scale)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    buildUi();
    retranslate();
}

QuorBtnWindow::~QuorBtnWindow() = default;

void QuorBtnWindow::buildUi()
{
    m_mainMenu = new QMenu(this);
    m_mainMenu->installEventFilter(this);
    m_wheelMenu = new QMenu(this);
    // A menu opened from the keyboard (Space) edits its button too, not the last one pressed.
    for (QMenu *menu : {m_mainMenu, m_wheelMenu})
        connect(menu, &QMenu::aboutToShow, this, &QuorBtnWindow::onMenuAboutToShow);
    for (const ButtonSubMenu &sub : buttonSubMenus())
        m_subMenus.push_back(new QMenu(sub.inMainMenu ? m_mainMenu : static_cast<QWidget *>(this)));
    buildMenus();
    styleMenus(160);

    const QStringList pictures{skinPath(QStringLiteral("/skin/tabbutton-1.png")),
                               skinPath(QStringLiteral("/skin/tabbutton-3.png")),
                               skinPath(QStringLiteral("/skin/tabbutton-2.png"))};
    for (int slot = 0; slot < int(m_buttons.size()); ++slot) {
        auto *button = new QuorPushButton(pictures, this);
        const bool wheel = slot >= WheelSlot;
        button->setMenu(wheel ? m_wheelMenu : m_mainMenu);
        button->setNumberBadge(wheel ? (slot == WheelSlot ? BadgeUp : BadgeDown) : quint8(slot % GroupSize + 1));
        if (slot < GroupSize) {
            button->setGlowMode(true);
            connect(button, &QuorPushButton::OverSignal, this, &QuorBtnWindow::slotMouseOver);
        }
        // Every button makes itself current when pressed, before its menu opens.
        connect(button, &QuorPushButton::EnterSignal, this, &QuorBtnWindow::slotMouseEnter);
        m_buttons[size_t(slot)] = button;
    }
    placeWheelAndSideButtons();
    layoutButtons();
    showButtonGroup(m_button, NoButton);
}

// The side buttons in a column, the two wheel buttons one under the other.
void QuorBtnWindow::placeWheelAndSideButtons()
{
    for (int i = 0; i < GroupSize; ++i)
        m_buttons[size_t(GroupSize + i)]->setGeometry(scaledRect(m_scale, 29, 62 + 25 * i, 150, 20));
    for (int i = 0; i < WheelButtons; ++i)
        m_buttons[size_t(WheelSlot + i)]->setGeometry(scaledRect(m_scale, 29, 62 + 25 * i, 150, 20));
}

void QuorBtnWindow::buildMenus()
{
    std::vector<FunctionAction> fresh;
    for (const ButtonMenuFunction &f : buttonFunctions()) {
        auto action = std::make_unique<QuorAction>(translated(f.text), this);
        connect(action.get(), &QAction::triggered, this, &QuorBtnWindow::onMenuActionTriggered);
        fresh.push_back({f.fun, std::move(action)});
    }
    // The old actions go when this function returns, after the menus hold the new ones.
    m_actions.swap(fresh);

    m_mainMenu->clear();
    for (int fun : mainMenuLeadingFuns())
        m_mainMenu->addAction(functionAction(fun));
    const std::vector<ButtonSubMenu> &subs = buttonSubMenus();
    for (size_t i = 0; i < subs.size(); ++i) {
        m_subMenus[i]->clear();
        for (int fun : subs[i].funs)
            m_subMenus[i]->addAction(functionAction(fun));
        if (subs[i].inMainMenu)
            m_mainMenu->addMenu(m_subMenus[i]);
    }
    if (modelDisableMacro() == 0)
        m_mainMenu->addAction(functionAction(FunMacro));
    for (int fun : mainMenuClosingFuns())
        m_mainMenu->addAction(functionAction(fun));

    m_wheelMenu->clear();
    for (int fun : wheelMenuFuns())
        m_wheelMenu->addAction(functionAction(fun));
}

QList<QMenu *> QuorBtnWindow::allMenus() const
{
    QList<QMenu *> menus{m_mainMenu, m_wheelMenu};
    for (QMenu *sub : m_subMenus)
        menus << sub;
    return menus;
}

void QuorBtnWindow::styleMenus(int designWidth)
{
    for (QMenu *menu : allMenus()) {
        menu->setFixedWidth(scaledPixels(designWidth, m_scale));
        menu->setStyleSheet(menuStyleSheet());
    }
}

QuorAction *QuorBtnWindow::functionAction(int fun) const
{
    const auto it = std::find_if(m_actions.begin(), m_actions.end(),
                                 [fun](const FunctionAction &a) { return a.fun == fun; });
    return it != m_actions.end() ? it->action.get() : nullptr;
}

void QuorBtnWindow::setButtonRecords(ProfileRecord *record)
{
    m_record = record;
    refreshButtonCaptions();
}

void QuorBtnWindow::showButtonGroup(quint8 button, quint8 group)
{
    m_button = button;
    if (group != NoButton)
        m_group = group;
    if (m_group > 2)
        return;
    const bool sideView = m_group == 1;
    for (int slot = 0; slot < int(m_buttons.size()); ++slot) {
        const bool side = slot >= GroupSize && slot < WheelSlot;
        m_buttons[size_t(slot)]->setVisible(side == sideView);
    }
}

void QuorBtnWindow::selectButton(quint8 button, quint8 group)
{
    m_button = button;
    m_group = group;
    showButtonGroup(button, group);
    refreshButtonCaptions();
}

void QuorBtnWindow::selectButton(int, quint8 button, quint8 group)
{
    selectButton(button, group);
}

void QuorBtnWindow::emptyButton(QuorPushButton *button)
{
    button->setGeometry(0, 0, 0, 0);
    button->setFocusPolicy(Qt::NoFocus);
}

void QuorBtnWindow::layoutButtons()
{
    std::array<quint8, MatrixSize> matrix;
    matrix.fill(NoMatrixEntry);
    const int count = loadButtonMatrix2(matrix.data());
    // No descriptor (-1) or none: no button; any count above 16 gives the 16 the
    // matrix holds, the entries the button table sends.
    const int n = std::clamp(count, 0, MatrixSize);
    const int present = int(std::count_if(matrix.begin(), matrix.begin() + n,
                                           [](quint8 e) { return e != NoMatrixEntry; }));
    const double s = m_scale;
    const int gap = present > 0 ? int((height() - 30 * s * present) / (present + 1)) : 0;
    int c = 0;
    for (int i = 0; i < GroupSize; ++i) {
        QuorPushButton *button = m_buttons[size_t(i)];
        if (i >= n || matrix[size_t(i)] == NoMatrixEntry) {
            emptyButton(button);
            continue;
        }
        const int top = present > SpreadLimit ? int(30 + c * 20 + c * 30 * s) : int(gap + c * gap + c * 30 * s);
        button->setGeometry(int(56 * s), top, int(220 * s), int(30 * s));
        button->setFocusPolicy(Qt::StrongFocus);
        button->setNumberBadge(quint8(c + 1));
        ++c;
    }
}

void QuorBtnWindow::applyFonts(double scale)
{
    m_scale = scale;
    const QFont font = configuredMenuFont(scaledPixels(configuredFontSize(), scale));
    for (QuorPushButton *button : m_buttons)
        emptyButton(button);
    layoutButtons();
    styleMenus(220);
    m_mainMenu->setFont(font);
    m_wheelMenu->setFont(font);
    for (const FunctionAction &a : m_actions)
        a.action->applyFont();
}

void QuorBtnWindow::retranslate()
{
    buildMenus();
    m_mainMenu->setFont(configuredMenuFont(configuredFontSize()));
    const std::vector<ButtonSubMenu> &subs = buttonSubMenus();
    for (size_t i = 0; i < subs.size(); ++i)
        m_subMenus[i]->setTitle(translated(subs[i].title));
    refreshButtonCaptions();
}

QString QuorBtnWindow::functionText(int fun) const
{
    const QuorAction *action = functionAction(fun);
    return action ? action->text() : QString();
}

QString QuorBtnWindow::captionOf(const ButtonSlot &slot) const
{
    return usesMacroFile(slot.Fun) ? slot.macroname : functionText(slot.Fun);
}

void QuorBtnWindow::refreshButtonCaptions()
{
    for (int slot = 0; slot < int(m_buttons.size()); ++slot)
        m_buttons[size_t(slot)]->setCaption(m_record ? captionOf(m_record->buttons[size_t(slot)]) : QString());
}

QVector<QuorPushButton *> QuorBtnWindow::frontButtons() const
{
    return QVector<QuorPushButton *>(m_buttons.begin(), m_buttons.begin() + GroupSize);
}

int QuorBtnWindow::slotOf(const QuorPushButton *button) const
{
    const auto it = std::find(m_buttons.begin(), m_buttons.end(), button);
    return it != m_buttons.end() ? int(it - m_buttons.begin()) : -1;
}

int QuorBtnWindow::currentSlot() const
{
    if (m_group < 2 && m_button < GroupSize)
        return m_group * GroupSize + m_button;
    if (m_group == 2 && m_button < WheelButtons)
        return WheelSlot + m_button;
    return -1;
}

void QuorBtnWindow::makeCurrent(int slot)
{
    m_group = quint8(slot / GroupSize);
    m_button = quint8(slot % GroupSize);
}

void QuorBtnWindow::slotMouseOver(QuorPushButton *button, bool over)
{
    if (slotOf(button) >= 0)
        emit SelBtnControl(button, over);
}

void QuorBtnWindow::slotMouseEnter(QuorPushButton *button)
{
    const int slot = slotOf(button);
    if (slot >= 0)
        makeCurrent(slot);
}

void QuorBtnWindow::onMenuAboutToShow()
{
    // The button that opens its menu is held down while the menu shows.
    for (int slot = 0; slot < int(m_buttons.size()); ++slot) {
        const QuorPushButton *button = m_buttons[size_t(slot)];
        if (button->isDown() && button->menu() == sender())
            makeCurrent(slot);
    }
}

void QuorBtnWindow::OnMouseEnterSlot(QuorPushButton *button)
{
    const int slot = slotOf(button);
    if (slot >= 0 && slot < GroupSize) {
        makeCurrent(slot);
        showButtonGroup(m_button, NoButton);
    }
    qDebug("OnMouseEnterSlot %d", m_button);
}

bool QuorBtnWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_mainMenu && event->type() == QEvent::Close) {
        const int slot = currentSlot();
        if (slot >= 0)
            emit SelBtnControl(m_buttons[size_t(slot)], false);
    }
    return QWidget::eventFilter(watched, event);
}
