#include "buttons/QuorMacroSelect.h"

#include "storage/MacroFile.h"
#include "storage/Theme.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
const char *const loopTexts[QuorMacroSelect::LoopOptionCount] = {
    QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)"), QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN"),
    QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTILL THE KEY DOWN")};
constexpr int loopRowTops[QuorMacroSelect::LoopOptionCount] = {100, 152, 182};
constexpr int MaxLoopCount = 255;
constexpr int CountPadding = 4;
}

QuorMacroSelect::QuorMacroSelect(const QString &info, const QString &title, const QString &name, int count,
                                 int mode, QWidget *, Qt::WindowFlags)
    : QuorParamDialog(nullptr, 478, 309)
    , m_name(name)
{
    buildUi(title, count, mode);
    buildLayout();
    setWindowTitle(info);
}

QuorMacroSelect::~QuorMacroSelect() = default;

void QuorMacroSelect::buildUi(const QString &title, int count, int mode)
{
    const double s = scale();
    const QPalette white = whiteTextPalette(palette());
    m_title->setObjectName(QStringLiteral("msgBoxInfoLabel1"));
    m_title->setCaption(title);
    m_title->setTextAlignment(Qt::AlignCenter);
    m_title->setTextWrap(true);
    m_title->setFixedSize(scaledPixels(299, s), scaledPixels(20, s));
    m_title->move(scaledPixels(82, s), scaledPixels(20, s));

    m_info = new QuorLabel(this);
    m_info->setObjectName(QStringLiteral("msgBoxInfoLabel2"));
    m_info->setPalette(white);
    m_info->setTextWrap(true);

    buildButtons(QObject::tr("Yes"), QObject::tr("No"));

    m_count = new QLineEdit(this);
    m_count->setGeometry(scaledRect(s, 102, 127, 80, 20));
    setNumberField(m_count, 1, MaxLoopCount);
    showBoundedValue(m_count, count);
    updateOkButton();
    // The text keeps clear of the frame at every scale.
    m_count->setStyleSheet(QStringLiteral("background:rgb(30,30,30);color:white;padding:0px %1px;")
                               .arg(qMax(1, scaledPixels(CountPadding, s)))
                           + fieldFrameStyle());
    m_count->setFont(scaledLanguageFont());

    const QStringList pictures{skinPath(QStringLiteral("/skin/checkbox2-1.png")),
                               skinPath(QStringLiteral("/skin/checkbox2-2.png"))};
    for (int i = 0; i < LoopOptionCount; ++i) {
        auto *option = new QuorPushButton(pictures, this);
        option->setSelectable(true);
        option->setAutoDefault(false);
        option->setGeometry(scaledRect(s, 82, loopRowTops[i], 24, 24));
        connect(option, &QPushButton::clicked, this, &QuorMacroSelect::onLoopOptionClicked);
        m_options[size_t(i)] = option;
        auto *label = new QuorLabel(QObject::tr(loopTexts[i]), this);
        label->setPalette(white);
        label->setGeometry(scaledRect(s, 110, loopRowTops[i], 300, 24));
        m_optionLabels[size_t(i)] = label;
    }
    selectLoopOption(mode);

    m_selector = new QuorPushButton({skinPath(QStringLiteral("/skin/profilesel.png"))}, this);
    m_selector->setAutoDefault(false);
    m_selector->setDropDownArrow(true);
    m_selector->setGeometry(scaledRect(s, 82, 66, 150, 24));
    m_selector->setCaption(m_name);

    m_menu = new QMenu(this);
    const QStringList names = readMacroList();
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        m_actions.push_back(std::make_unique<QuorAction>(name, this));
        m_menu->addAction(m_actions.back().get());
        connect(m_actions.back().get(), &QAction::triggered, this, &QuorMacroSelect::onMacroAction);
    }
    // A stored name the macro list no longer holds is no choice: Yes waits for a pick.
    if (!names.contains(m_name)) {
        m_name.clear();
        m_selector->setCaption(m_name);
        updateOkButton();
    }
    m_menu->setFixedWidth(m_selector->width());
    m_menu->setStyleSheet(menuStyleSheet());
    m_selector->setMenu(m_menu);
}

void QuorMacroSelect::buildLayout()
{
    const double s = scale();
    auto *infoRow = new QHBoxLayout;
    infoRow->addSpacing(scaledPixels(30, s));
    infoRow->addWidget(m_info);
    auto *column = new QVBoxLayout;
    column->addLayout(infoRow);
    column->addLayout(buttonRow());
    column->addSpacing(scaledPixels(30, s));
    setDialogLayout(column);
}

int QuorMacroSelect::loopMode() const
{
    for (int i = 0; i < LoopOptionCount; ++i) {
        if (m_options[size_t(i)]->isSelected())
            return i;
    }
    return 0;
}

int QuorMacroSelect::loopCount() const
{
    int count = 0;
    return boundedFieldValue(m_count, &count) ? count : 0;
}

void QuorMacroSelect::selectLoopOption(int index)
{
    // A stored mode that no option stands for shows, and gives, the first.
    if (index < 0 || index >= LoopOptionCount)
        index = 0;
    for (QuorPushButton *option : m_options)
        option->setSelected(false);
    m_options[size_t(index)]->setSelected(true);
}

void QuorMacroSelect::onMacroAction()
{
    for (const auto &action : m_actions) {
        if (sender() == action.get()) {
            m_name = action->text();
            m_selector->setCaption(m_name);
            updateOkButton();
            return;
        }
    }
}

void QuorMacroSelect::onLoopOptionClicked()
{
    for (int i = 0; i < LoopOptionCount; ++i) {
        if (sender() == m_options[size_t(i)]) {
            selectLoopOption(i);
            return;
        }
    }
}

bool QuorMacroSelect::canAccept() const
{
    return !m_name.isEmpty() && m_count->hasAcceptableInput();
}
