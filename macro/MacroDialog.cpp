#include "macro/MacroDialog.h"

#include "macro/MacroRows.h"
#include "macro/QuorMacroItemDelegate.h"
#include "macro/QuorTreeItem.h"
#include "macro/QuorTreeWidget.h"
#include "storage/Theme.h"
#include "widgets/BoundedIntValidator.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorLineEdit.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinFont.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QStandardItemModel>
#include <QTableView>

namespace {
QStringList skins(std::initializer_list<const char *> names)
{
    QStringList paths;
    for (const char *name : names)
        paths << skinPath(QStringLiteral("/skin/") + QLatin1String(name));
    return paths;
}

QStringList fourStates(const char *stem)
{
    QStringList paths;
    for (int i = 1; i <= 4; ++i)
        paths << skinPath(QStringLiteral("/skin/%1%2.png").arg(QLatin1String(stem)).arg(i));
    return paths;
}

QStringList tabSkins()
{
    return skins({"tabbutton-1.png", "tabbutton-3.png", "tabbutton-2.png", "tabbutton-1.png"});
}

const QString EditStyle = QStringLiteral("background-color:rgb(30,30,30);color:white;border:1px solid gray;");

QString checkBoxStyle(double s)
{
    return QStringLiteral("QCheckBox{color:rgb(255,255,255);background:transparent;spacing:%1px;}"
                          "QCheckBox::indicator{width:%2px;height:%2px;}"
                          "QCheckBox::indicator:unchecked{border-image:url(%3);}"
                          "QCheckBox::indicator:checked{border-image:url(%4);}")
        .arg(scaledPixels(6, s))
        .arg(scaledPixels(16, s))
        .arg(skinPath(QStringLiteral("/skin/checkbox1-1.png")), skinPath(QStringLiteral("/skin/checkbox1-2.png")));
}

QString scrollBarStyle(double s)
{
    return QStringLiteral("QScrollBar:vertical {width: %1px;background:rgb(30,30,30);}"
                          "QScrollBar::handle:vertical{background:rgb(90,90,90);min-height:%2px;}"
                          "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
                          "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}")
        .arg(scaledPixels(10, s))
        .arg(scaledPixels(20, s));
}

// In batch mode check boxes stand over the rows and the rows' own text is not drawn,
// selected or not, in an active window or not.
QString listStyle(double s, bool batch)
{
    const QColor c = themeColor();
    return QStringLiteral("QListWidget{background-color:rgb(30,30,30);outline:0;}"
                          "QListWidget{border:1px solid gray; color:white; }"
                          "QListWidget::Item{height:%1;border:0.5px solid gray;}"
                          "QListWidget::Item:hover{background:rgb(29,28,29);}"
                          "QListWidget::item:selected{border-width:0px; background:rgb(%2,%3,%4); color:black;}"
                          "QListWidget::item:selected:!active{border-width:0px; background:rgb(%2,%3,%4); "
                          "color:black;}")
               .arg(scaledPixels(26, s))
               .arg(c.red())
               .arg(c.green())
               .arg(c.blue())
           + (batch ? QStringLiteral("QListWidget::item,QListWidget::item:selected,"
                                    "QListWidget::item:selected:!active{color:rgba(0,0,0,0);}") : QString())
           + scrollBarStyle(s);
}

QString tableStyle(double s)
{
    const QColor c = themeColor();
    return QStringLiteral("QTableView{background-color:rgb(30,30,30);color:white;border:1px solid gray;"
                          "gridline-color:rgb(70,70,70);selection-background-color:rgb(%1,%2,%3);}")
               .arg(c.red())
               .arg(c.green())
               .arg(c.blue())
           + scrollBarStyle(s);
}
}

MacroDialog::MacroDialog(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgba(33,35,35,0.5)"));
    buildUi();
    rebuildMacroList();
    retranslate();
    applyScale();
    loadMacroFile();
    setEditPanelHidden(false);
}

MacroDialog::~MacroDialog()
{
    removeHook();
}

void MacroDialog::buildUi()
{
    buildButtons();
    buildLabels();
    m_pNameEdit = new QuorLineEdit(this);
    m_pNameEdit->setMaxLength(20);
    m_pNameEdit->setAlignment(Qt::AlignCenter);
    m_pNameEdit->setStyleSheet(EditStyle);
    m_pMacroList = new QListWidget(this);
    m_pMacroList->setFocusPolicy(Qt::NoFocus);
    // The macro shown is the current row's, however the row became current.
    connect(m_pMacroList, &QListWidget::currentRowChanged, this, &MacroDialog::loadMacroFile);
    connect(m_pMacroList, &QListWidget::clicked, this, &MacroDialog::itemClicked);
    buildOptions();
    buildTable();
    buildEditors();
    buildTree();
    buildCommands();
    setRecordMode(false);
}

void MacroDialog::buildButtons()
{
    const std::pair<PageButton, QStringList> pictures[] = {
        {NewButton, fourStates("add")},
        // A remove picture, so the two buttons beside the name do not look alike.
        {DeleteMacroButton, skins({"profile_del1.png", "profile_del2.png"})},
        {EditButton, skins({"edit.png", "edit.png", "edit.png", "edit.png"})},
        {DeleteRowButton, fourStates("delete")},
        {MoveUpButton, fourStates("moveup")},
        {MoveDownButton, fourStates("movedown")},
        {TopButton, fourStates("top")},
        {BottomButton, fourStates("bottom")},
        {ClearButton, fourStates("clear")},
        {MouseEditorButton, skins({"rate.png"})},
        {DirectionEditorButton, skins({"rate.png"})},
    };
    for (int i = 0; i < PageButtonCount; ++i) {
        QStringList paths = tabSkins();
        for (const auto &p : pictures) {
            if (p.first == i)
                paths = p.second;
        }
        auto *b = new QuorPushButton(paths, this);
        b->setGlowMode(true);
        connect(b, &QuorPushButton::clicked, this, &MacroDialog::onButtonClicked);
        m_buttons[size_t(i)] = b;
    }
    button(MouseActionButton)->setSelectable(true);
    for (PageButton editor : {MouseEditorButton, DirectionEditorButton})
        button(editor)->setDropDownArrow(true);
    for (PageButton loop : {LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton})
        button(loop)->setSelectable(true);
    button(StopButton)->hide();
}

void MacroDialog::buildLabels()
{
    for (auto &l : m_labels) {
        l = new QuorLabel(this);
        l->setPalette(whiteTextPalette(l->palette()));
    }
    label(FocusLabel)->setFocusPolicy(Qt::NoFocus);
}

void MacroDialog::buildOptions()
{
    m_pRecordDelayBox = new QCheckBox(this);
    m_pDefaultDelayBox = new QCheckBox(this);
    m_pBatchBox = new QCheckBox(this);
    for (QCheckBox *box : {m_pRecordDelayBox, m_pDefaultDelayBox})
        connect(box, &QCheckBox::clicked, this, [this, box] { onDelayBoxClicked(box); });
    connect(m_pBatchBox, &QCheckBox::clicked, this, &MacroDialog::onBatchBoxClicked);
    m_pDefaultDelayEdit = new QuorLineEdit(this);
    setBoundedField(m_pDefaultDelayEdit, 0, MaxDefaultDelayMs);
    m_pDefaultDelayEdit->setStyleSheet(EditStyle);
    m_pLoopTimeEdit = new QuorLineEdit(this);
    setBoundedField(m_pLoopTimeEdit, 1, MaxLoopTime);
}

void MacroDialog::buildTable()
{
    m_pModel = new QStandardItemModel(this);
    m_pDelegate = new QuorMacroItemDelegate(this);
    m_pTable = new QTableView(this);
    m_pTable->setModel(m_pModel);
    for (int c = 0; c < 3; ++c)
        m_pTable->setItemDelegateForColumn(c, m_pDelegate);
    m_pTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pTable->setFocusPolicy(Qt::NoFocus);
    m_pTable->verticalHeader()->hide();
    m_pTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pTable->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section {color: white;background:rgb(30,30,30);}"));
    connect(m_pTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MacroDialog::CurrentChanged);
    setupActionTable();
}

void MacroDialog::buildEditors()
{
    m_pDelayEditor = new QLineEdit(this);
    // Delay rows count in steps of 10 ms.
    setBoundedField(m_pDelayEditor, MinEditDelayMs, MaxDelayMs, MinEditDelayMs);
    m_pDistanceEditor = new QLineEdit(this);
    setBoundedField(m_pDistanceEditor, 1, MaxMoveDistance);
    for (QLineEdit *edit : {m_pDelayEditor, m_pDistanceEditor}) {
        edit->setAlignment(Qt::AlignCenter);
        edit->setStyleSheet(EditStyle);
    }
    // Edits by the user write into the row, held to the editor's bounds as the editor
    // itself holds them once the edit ends; filling an editor writes nothing.
    connect(m_pDelayEditor, &QLineEdit::textEdited, this, &MacroDialog::EditDelayChanged);
    connect(m_pDistanceEditor, &QLineEdit::textEdited, this, &MacroDialog::EditMoveChanged);

    m_pMouseMenu = new QMenu(this);
    m_pDirectionMenu = new QMenu(this);
    const auto fill = [this](QMenu *menu, std::vector<std::unique_ptr<QuorAction>> &actions, int count) {
        for (int i = 0; i < count; ++i) {
            actions.push_back(std::make_unique<QuorAction>(this));
            QuorAction *action = actions.back().get();
            connect(action, &QAction::triggered, this, [this, action] { onMouseCommandMenu(action); });
            menu->addAction(action);
        }
        menu->setStyleSheet(menuStyleSheet());
    };
    fill(m_pMouseMenu, m_mouseActions, MouseButtonCount);
    fill(m_pDirectionMenu, m_directionActions, MoveDirectionCount);
    button(MouseEditorButton)->setMenu(m_pMouseMenu);
    button(DirectionEditorButton)->setMenu(m_pDirectionMenu);
}

void MacroDialog::buildTree()
{
    m_pTree = new QuorTreeWidget(this);
    m_pTree->setColumnCount(1);
    for (int row = 0; row < QuorTreeWidget::TopRowCount; ++row) {
        auto *item = new QTreeWidgetItem(m_pTree);
        item->setData(0, Qt::TextAlignmentRole, int(Qt::AlignCenter));
        item->setData(0, Qt::ForegroundRole, QColor(Qt::white));
        if (row < MouseButtonCount) {
            for (int c = 0; c < QuorTreeWidget::ChildRowCount; ++c)
                (new QTreeWidgetItem(item))->setData(0, Qt::TextAlignmentRole, int(Qt::AlignCenter));
        }
    }
    const char *pictures[MoveDirectionCount] = {"/skin/left.png", "/skin/right.png", "/skin/up.png", "/skin/down.png"};
    for (int d = 0; d < MoveDirectionCount; ++d) {
        auto *entry = new QuorTreeItem(skinPath(QLatin1String(pictures[d])), QString(), QString());
        m_pTree->setItemWidget(m_pTree->topLevelItem(MouseButtonCount + d), 0, entry);
        connect(entry, &QuorTreeItem::MouseInSignal, this, &MacroDialog::mousemove_test);
        connect(entry, &QuorTreeItem::QuorMousePressed, this, &MacroDialog::QuorItemPressed);
        m_moveEntries[size_t(d)] = entry;
    }
    connect(m_pTree, &QTreeWidget::itemClicked, this, &MacroDialog::TreeitemClick);
}

void MacroDialog::buildCommands()
{
    m_commands = {
        {StartButton, &MacroDialog::startRecording, false},
        {StopButton, &MacroDialog::stopRecording, false},
        {SaveButton, &MacroDialog::saveCurrentMacro, true},
        {CancelButton, &MacroDialog::cancelEdits, false},
        {EditButton, &MacroDialog::editRow, false},
        {TopButton, &MacroDialog::moveRowToTop, false},
        {BottomButton, &MacroDialog::moveRowToBottom, false},
        {MoveUpButton, &MacroDialog::moveRowUp, false},
        {MoveDownButton, &MacroDialog::moveRowDown, false},
        {DeleteRowButton, &MacroDialog::deleteRow, false},
        {ClearButton, &MacroDialog::clearRows, false},
        {InsertDelayButton, &MacroDialog::insertDefaultDelay, true},
        {MouseActionButton, &MacroDialog::toggleMouseAction, false},
        {NewButton, &MacroDialog::newMacro, false},
        {ChangeNameButton, &MacroDialog::renameMacro, true},
        {DeleteMacroButton, &MacroDialog::deleteCurrentMacro, true},
        {GunSetButton, &MacroDialog::gunSet, false},
        {ImportButton, &MacroDialog::importMacros, false},
        {ExportButton, &MacroDialog::exportMacros, true},
    };
}

// The page's style sheet keeps fonts from reaching the children: each gets its own.
void MacroDialog::applyFonts()
{
    const QFont font = languageFont();
    QWidget *const widgets[] = {this, m_pNameEdit, m_pMacroList, m_pRecordDelayBox, m_pDefaultDelayBox,
                                m_pBatchBox, m_pDefaultDelayEdit, m_pLoopTimeEdit, m_pTable,
                                m_pTable->horizontalHeader(), m_pDelayEditor, m_pDistanceEditor, m_pTree,
                                m_pTree->header()};
    for (QWidget *w : widgets)
        w->setFont(font);
    for (const auto *actions : {&m_mouseActions, &m_directionActions}) {
        for (const auto &action : *actions)
            action->applyFont();
    }
}

void MacroDialog::retranslate()
{
    applyFonts();
    const struct
    {
        PageButton button;
        const char *text;
        bool iconOnly;
    } buttonTexts[] = {
        {NewButton, QT_TRANSLATE_NOOP("QObject", "NEW"), true},
        {DeleteMacroButton, QT_TRANSLATE_NOOP("QObject", "DELETE"), true},
        {ChangeNameButton, QT_TRANSLATE_NOOP("QObject", "CHANGE NAME"), false},
        {MouseActionButton, QT_TRANSLATE_NOOP("QObject", "MOUSE ACTION"), false},
        {StartButton, QT_TRANSLATE_NOOP("QObject", "START"), false},
        {StopButton, QT_TRANSLATE_NOOP("QObject", "STOP"), false},
        {SaveButton, QT_TRANSLATE_NOOP("QObject", "SAVE"), false},
        {CancelButton, QT_TRANSLATE_NOOP("QObject", "CANCEL"), false},
        {EditButton, QT_TRANSLATE_NOOP("QObject", "EDIT"), true},
        {DeleteRowButton, QT_TRANSLATE_NOOP("QObject", "DELETE"), true},
        {MoveUpButton, QT_TRANSLATE_NOOP("QObject", "MOVE UP"), true},
        {MoveDownButton, QT_TRANSLATE_NOOP("QObject", "MOVE DOWN"), true},
        {TopButton, QT_TRANSLATE_NOOP("QObject", "TOP"), true},
        {BottomButton, QT_TRANSLATE_NOOP("QObject", "BOTTOM"), true},
        {ClearButton, QT_TRANSLATE_NOOP("QObject", "CLEAR"), true},
        {InsertDelayButton, QT_TRANSLATE_NOOP("QObject", "INSERT DELAY"), false},
        {ImportButton, QT_TRANSLATE_NOOP("QObject", "IMPORT"), false},
        {ExportButton, QT_TRANSLATE_NOOP("QObject", "EXPORT"), false},
        {GunSetButton, QT_TRANSLATE_NOOP("QObject", "GUN SET"), false},
    };
    for (const auto &t : buttonTexts) {
        if (t.iconOnly)
            button(t.button)->setToolTip(QObject::tr(t.text));
        else
            button(t.button)->setCaption(QObject::tr(t.text));
    }
    const std::pair<PageLabel, const char *> labelTexts[] = {
        {MacroCaption, QT_TRANSLATE_NOOP("QObject", "MACRO")},
        {ListCaption, QT_TRANSLATE_NOOP("QObject", "MACRO NAME")},
        {TreeCaption, QT_TRANSLATE_NOOP("QObject", "MOUSE ACTION")},
        {BatchCaption, QT_TRANSLATE_NOOP("QObject", "BATCH")},
        {KeyLabel, QT_TRANSLATE_NOOP("QObject", "KEY")},
        {DelayLabel, QT_TRANSLATE_NOOP("QObject", "DELAY")},
        {MouseKeyLabel, QT_TRANSLATE_NOOP("QObject", "KEY")},
        {MovementLabel, QT_TRANSLATE_NOOP("QObject", "MOVEMENT")},
        {DistanceLabel, QT_TRANSLATE_NOOP("QObject", "DISTANCE")},
        {LoopTimesLabel, QT_TRANSLATE_NOOP("QObject", "LOOPS TIME(1-255)")},
        {LoopWhileDownLabel, QT_TRANSLATE_NOOP("QObject", "REPEAT RUN WHEN KEY DOWN")},
        {LoopUntilDownLabel, QT_TRANSLATE_NOOP("QObject", "REPEAT RUN UNTIL THE KEY DOWN")},
    };
    for (const auto &t : labelTexts)
        label(t.first)->setCaption(QObject::tr(t.second));
    m_pRecordDelayBox->setText(QObject::tr("RECORD DELAYS BETWEEN ACTION"));
    m_pDefaultDelayBox->setText(QObject::tr("INSERT DEFAULT DELAY"));
    m_pBatchBox->setText(QObject::tr("BATCH"));

    m_pTree->setHeaderLabel(QObject::tr("MOUSE COMMAND"));
    for (int row = 0; row < QuorTreeWidget::TopRowCount; ++row) {
        QTreeWidgetItem *item = m_pTree->topLevelItem(row);
        if (row < MouseButtonCount) {
            item->setText(0, QObject::tr(mouseButtonName(row)));
            item->child(0)->setText(0, QObject::tr("PRESS DOWN"));
            item->child(1)->setText(0, QObject::tr("BOUNCE UP"));
        } else {
            item->setText(0, QObject::tr(moveDirectionName(row - MouseButtonCount)));
            m_moveEntries[size_t(row - MouseButtonCount)]->setText(QObject::tr(moveDirectionName(row - MouseButtonCount)));
        }
    }
    for (size_t i = 0; i < m_mouseActions.size(); ++i)
        m_mouseActions[i]->setText(QObject::tr(mouseButtonName(int(i))));
    for (size_t i = 0; i < m_directionActions.size(); ++i)
        m_directionActions[i]->setText(QObject::tr(moveDirectionName(int(i))));
    m_pModel->setHorizontalHeaderLabels({QObject::tr("KEY"), QObject::tr("ACTION"), QObject::tr("DELAY(ms)")});
    showGunSet();
}

// Shown beside the delay options, only in the languages 1 and 2.
void MacroDialog::showGunSet()
{
    const int language = currentLanguageIndex();
    const bool offered = language == 1 || language == 2;
    button(GunSetButton)->setVisible(offered && !m_pRecordDelayBox->isHidden());
}

void MacroDialog::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyScale();
}

void MacroDialog::applyScale()
{
    const double s = uiScale();
    layoutControls();
    applyFonts();
    applyListStyle();
    m_pTable->setStyleSheet(tableStyle(s));
    const QString boxStyle = checkBoxStyle(s);
    for (QCheckBox *box : {m_pRecordDelayBox, m_pDefaultDelayBox, m_pBatchBox})
        box->setStyleSheet(boxStyle);
    m_pTable->verticalHeader()->setDefaultSectionSize(scaledPixels(30, s));
    applyColumnWidths();
    m_pTree->applyStyle();
    for (QuorTreeItem *entry : m_moveEntries)
        entry->setItemGeometry();
    for (QMenu *menu : {m_pMouseMenu, m_pDirectionMenu})
        menu->setFixedWidth(scaledPixels(160, s));
}

void MacroDialog::applyListStyle()
{
    m_pMacroList->setStyleSheet(listStyle(uiScale(), m_bBatch));
}

void MacroDialog::layoutControls()
{
    // Wider captions than the first design had: the fonts here run wider, so the row
    // buttons gained width and BATCH moved above the list.
    const struct
    {
        QWidget *widget;
        int x, y, w, h;
    } places[] = {
        {label(MacroCaption), 150, 3, 46, 33},
        {m_pNameEdit, 198, 3, 120, 33},
        {button(NewButton), 321, 4, 31, 31},
        {button(DeleteMacroButton), 353, 4, 31, 31},
        {button(ChangeNameButton), 387, 3, 101, 33},
        {button(MouseActionButton), 491, 3, 100, 33},
        {button(StartButton), 594, 3, 70, 33},
        {button(StopButton), 594, 3, 70, 33},
        {label(ListCaption), 1, 1, 148, 32},
        {m_pMacroList, 1, 72, 148, 364},
        {m_pTree, 1, 72, 148, 364},
        {m_pTable, 159, 72, 505, 246},
        {button(InsertDelayButton), 159, 352, 100, 30},
        {button(EditButton), 305, 352, 28, 30},
        {button(TopButton), 336, 352, 28, 30},
        {button(BottomButton), 367, 352, 28, 30},
        {button(MoveUpButton), 398, 352, 28, 30},
        {button(MoveDownButton), 429, 352, 28, 30},
        {button(DeleteRowButton), 460, 352, 28, 30},
        {button(ClearButton), 491, 352, 28, 30},
        {button(SaveButton), 548, 352, 56, 30},
        {button(CancelButton), 607, 352, 57, 30},
        {m_pRecordDelayBox, 162, 385, 296, 20},
        {m_pDefaultDelayBox, 162, 406, 296, 20},
        {m_pDefaultDelayEdit, 178, 427, 48, 20},
        {button(ImportButton), 1, 438, 72, 28},
        {button(ExportButton), 77, 438, 72, 28},
        {m_pBatchBox, 4, 38, 144, 28},
        {button(GunSetButton), 564, 438, 100, 28},
        {label(KeyLabel), 162, 395, 150, 20},
        {label(DelayLabel), 162, 395, 150, 20},
        {label(MouseKeyLabel), 162, 395, 150, 20},
        {label(MovementLabel), 162, 395, 150, 20},
        {label(DistanceLabel), 162, 425, 150, 20},
        {button(KeyEditorButton), 312, 395, 150, 20},
        {m_pDelayEditor, 312, 395, 150, 20},
        {button(MouseEditorButton), 312, 395, 150, 20},
        {button(DirectionEditorButton), 312, 395, 150, 20},
        {m_pDistanceEditor, 312, 425, 150, 20},
    };
    const double s = uiScale();
    for (const auto &p : places)
        p.widget->setGeometry(scaledRect(s, p.x, p.y, p.w, p.h));
    // Kept without area: the loop options and two captions.
    QWidget *const unplaced[] = {label(TreeCaption), label(BatchCaption),
                                 button(LoopTimesButton), button(LoopWhileDownButton), button(LoopUntilDownButton),
                                 label(LoopTimesLabel), label(LoopWhileDownLabel), label(LoopUntilDownLabel),
                                 m_pLoopTimeEdit, label(FocusLabel)};
    for (QWidget *w : unplaced) {
        w->setGeometry(QRect());
        w->setFocusPolicy(Qt::NoFocus);
    }
}

void MacroDialog::onButtonClicked()
{
    auto *sender = qobject_cast<QuorPushButton *>(QObject::sender());
    for (PageButton loop : {LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton}) {
        if (sender == button(loop))
            onLoopButton(loop);
    }
    for (const Command &c : m_commands) {
        if (sender != button(c.button))
            continue;
        if (!c.needsList || m_pMacroList->count() > 0)
            (this->*c.operation)();
        return;
    }
}

void MacroDialog::onLoopButton(PageButton which)
{
    if (!button(which)->isSelected())
        return;
    for (PageButton loop : {LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton}) {
        if (loop != which)
            button(loop)->setSelected(false);
    }
}

void MacroDialog::onDelayBoxClicked(QCheckBox *box)
{
    if (!box->isChecked())
        setDelayType(DelayNone);
    else
        setDelayType(box == m_pRecordDelayBox ? DelayRecorded : DelayDefault);
}

void MacroDialog::setDelayType(int type)
{
    m_delayType = type;
    m_pRecordDelayBox->setChecked(type == DelayRecorded);
    m_pDefaultDelayBox->setChecked(type == DelayDefault);
}

void MacroDialog::toggleMouseAction()
{
    m_bMouseAction = button(MouseActionButton)->isSelected();
    setRecordMode(m_bMouseAction);
}

void MacroDialog::setRecordMode(bool showTree)
{
    m_pTree->setVisible(showTree);
    label(TreeCaption)->setVisible(showTree);
    m_pMacroList->setVisible(!showTree);
    label(ListCaption)->setVisible(!showTree);
}

void MacroDialog::setEditPanelHidden(bool hidden)
{
    QWidget *const group[] = {button(ImportButton), button(ExportButton), m_pBatchBox, button(InsertDelayButton),
                              m_pDefaultDelayEdit, m_pLoopTimeEdit, m_pRecordDelayBox, m_pDefaultDelayBox};
    for (QWidget *w : group)
        w->setHidden(hidden);
    showGunSet();
    showEditors({});
}

void MacroDialog::showEditors(const QList<QWidget *> &editors)
{
    QWidget *const all[] = {label(KeyLabel), label(DelayLabel), label(MouseKeyLabel), label(MovementLabel),
                            label(DistanceLabel), button(KeyEditorButton), m_pDelayEditor,
                            button(MouseEditorButton), button(DirectionEditorButton), m_pDistanceEditor};
    for (QWidget *w : all)
        w->setVisible(editors.contains(w));
}

void MacroDialog::setAllControlsEnabled(bool enabled, bool editing)
{
    const PageButton locked[] = {NewButton, DeleteMacroButton, ChangeNameButton, MouseActionButton,
                                 LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton, EditButton,
                                 DeleteRowButton, MoveUpButton, MoveDownButton, TopButton, BottomButton,
                                 ClearButton, InsertDelayButton, ImportButton, ExportButton, GunSetButton};
    for (PageButton b : locked)
        button(b)->setButtonEnabled(enabled);
    QWidget *const widgets[] = {m_pBatchBox, m_pNameEdit, m_pDefaultDelayEdit, m_pLoopTimeEdit, m_pMacroList,
                                m_pTree};
    for (QWidget *w : widgets)
        w->setEnabled(enabled);
    button(SaveButton)->setButtonEnabled(editing || enabled);
    button(CancelButton)->setButtonEnabled(editing || enabled);
    button(StartButton)->setButtonEnabled(!editing);
    emit EnableButtonsSignal(enabled);
}

// Batch mode leaves the list, IMPORT, EXPORT, INSERT DELAY, GUN SET, the boxes and
// MOUSE ACTION, which brings the list back when the tree stands in its place.
void MacroDialog::setControlsEnabled(bool enabled)
{
    const PageButton switched[] = {NewButton, DeleteMacroButton, ChangeNameButton, StartButton, StopButton, SaveButton, CancelButton, EditButton,
                                   DeleteRowButton, MoveUpButton, MoveDownButton, TopButton, BottomButton,
                                   ClearButton, LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton};
    for (PageButton b : switched)
        button(b)->setButtonEnabled(enabled);
    for (QWidget *w : {static_cast<QWidget *>(m_pNameEdit), static_cast<QWidget *>(m_pDefaultDelayEdit),
                       static_cast<QWidget *>(m_pLoopTimeEdit), static_cast<QWidget *>(m_pTree)})
        w->setEnabled(enabled);
}

int MacroDialog::showMessage(int type, const char *heading, const char *text)
{
    return showMessageText(type, heading, QObject::tr(text));
}

int MacroDialog::showMessageText(int type, const char *heading, const QString &text)
{
    QuorMessageBox box(type, QString(), QObject::tr(heading), text, this, false, Qt::FramelessWindowHint);
    return ModalGate::exec(box);
}
