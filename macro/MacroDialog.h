#pragma once

#include "platform/KeyboardHook.h"
#include "platform/TakenKeys.h"
#include "storage/MacroFile.h"

#include <QList>
#include <QModelIndex>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QStandardItem;
class QStandardItemModel;
class QTableView;
class QTreeWidgetItem;
class QuorAction;
class QuorLabel;
class QuorLineEdit;
class QuorMacroItemDelegate;
class QuorPushButton;
class QuorTreeItem;
class QuorTreeWidget;

// The macro tab: the listed macros, the event table of the current one, recording
// through the keyboard hook, row editing and the mouse-command tree. The main window
// gives it 665 x 467 design pixels and shows it on the macro tab only.
class MacroDialog : public QWidget
{
    Q_OBJECT
public:
    enum PageButton {
        NewButton, DeleteMacroButton, ChangeNameButton, MouseActionButton, StartButton, StopButton,
        SaveButton, CancelButton, EditButton, DeleteRowButton, MoveUpButton, MoveDownButton, TopButton,
        BottomButton, ClearButton, InsertDelayButton, ImportButton, ExportButton, GunSetButton,
        LoopTimesButton, LoopWhileDownButton, LoopUntilDownButton,
        KeyEditorButton, MouseEditorButton, DirectionEditorButton,
        PageButtonCount
    };
    enum PageLabel {
        MacroCaption, ListCaption, TreeCaption, BatchCaption, KeyLabel, DelayLabel, MouseKeyLabel,
        MovementLabel, DistanceLabel, LoopTimesLabel, LoopWhileDownLabel, LoopUntilDownLabel, FocusLabel,
        PageLabelCount
    };

    explicit MacroDialog(QWidget *parent = nullptr);
    ~MacroDialog() override;

    void retranslate();

    // The macro list: Config.ini's "MACRO_LIST" shown in slot order.
    QListWidget *macroList() const { return m_pMacroList; }
    // The name of the current list row; empty when the list is empty.
    QString currentMacroName() const;
    // Makes the listed macro current and loads it; false when it is not listed.
    bool setCurrentMacro(const QString &name);
    void rebuildMacroList();
    // Lists the name in the first free slot and makes it current; false when the
    // list is full, the name invalid or Config.ini could not be written.
    bool addMacroToList(const QString &name);
    bool removeMacroFromList(const QString &name);
    // Writes the page's options and rows into the macro's file; false on failure.
    bool saveMacroFile(const QString &name);
    // Loads the current macro into the page.
    void loadMacroFile();
    // NEW: 1 when a macro was made, 0 when refused.
    int createMacro();
    // CHANGE NAME: the current macro takes the typed name, or the first free
    // name + "_2", "_3", ...; so do the button slots of the working block that name it.
    void renameMacro();
    // Removes the macro's file; true when no file is left.
    static bool deleteMacro(const QString &name);
    bool isBatchMode() const { return m_bBatch; }
    // Batch mode: the names whose check box is checked.
    QStringList checkedMacroNames() const;
    QString lastDeletedName() const { return m_lastDeletedName; }
    // Switches the commands that batch mode leaves out, without telling the main window.
    void setControlsEnabled(bool enabled);

    // The event table: one [type, DataH, DataL] row per line, as decimal text.
    void setupActionTable();
    QVector<MacroAction> actionRows() const;
    int currentRow() const;
    void setCurrentRowCells(int type, int dataH, int dataL);
    // Inserts after the current row, or at `row`; false when the mouse could not hold
    // the macro then.
    bool insertMouseButtonRow(quint8 button, bool release, int row = -1);
    bool insertMouseMoveRow(quint8 direction, int distance, int row = -1);
    bool insertDelayRow(int ms);
    void moveActionRow(int from, int to);
    bool allKeysReleased() const;
    void onCurrentRowChanged(const QModelIndex &index);
    void setEditPanelHidden(bool hidden);
    // Locks (false) or unlocks the page's commands and tells the main window.
    void setAllControlsEnabled(bool enabled, bool editing);
    // True shows the mouse-command tree in place of the macro list.
    void setRecordMode(bool showTree);

    // Keys from the hook: the recorder and the key editor.
    void OnHookKey(int keyCode, int flags);
    void setRowKeyFromHook(int keyCode, int flags);

    bool isRecording() const { return m_bRecording; }
    bool isKeyEditing() const { return m_bKeyEdit; }
    bool hasHook() const { return m_hook != 0; }
    int delayType() const { return m_delayType; }

    QuorPushButton *button(PageButton which) const { return m_buttons[size_t(which)]; }
    QuorLabel *label(PageLabel which) const { return m_labels[size_t(which)]; }
    QCheckBox *recordDelayBox() const { return m_pRecordDelayBox; }
    QCheckBox *defaultDelayBox() const { return m_pDefaultDelayBox; }
    QCheckBox *batchBox() const { return m_pBatchBox; }
    QuorLineEdit *nameEdit() const { return m_pNameEdit; }
    QuorLineEdit *defaultDelayEdit() const { return m_pDefaultDelayEdit; }
    QuorLineEdit *loopTimeEdit() const { return m_pLoopTimeEdit; }
    QLineEdit *delayEditor() const { return m_pDelayEditor; }
    QLineEdit *distanceEditor() const { return m_pDistanceEditor; }
    QTableView *actionTable() const { return m_pTable; }
    QStandardItemModel *actionModel() const { return m_pModel; }
    QuorTreeWidget *commandTree() const { return m_pTree; }
    QuorTreeItem *moveEntry(int direction) const { return m_moveEntries[size_t(direction)]; }
    QMenu *mouseButtonMenu() const { return m_pMouseMenu; }
    QMenu *directionMenu() const { return m_pDirectionMenu; }

signals:
    void EnableButtonsSignal(bool enabled);
    // A rename or a delete changed button slots of the working block.
    void RefreshButtonSlots();

public slots:
    void CurrentChanged(const QModelIndex &current, const QModelIndex &previous);
    void EditDelayChanged(const QString &text);
    void EditMoveChanged(const QString &text);
    void TreeitemClick(QTreeWidgetItem *item, int column);
    void QuorItemPressed();
    void itemClicked(const QModelIndex &index);
    void mousemove_test();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // A page button's operation; needsList: only while the macro list is not empty.
    struct Command
    {
        PageButton button;
        void (MacroDialog::*operation)();
        bool needsList;
    };

    void buildUi();
    void buildButtons();
    void buildLabels();
    void buildOptions();
    void buildTable();
    void buildEditors();
    void buildTree();
    void buildCommands();
    void layoutControls();
    void applyScale();
    void applyFonts();
    void applyListStyle();
    void onButtonClicked();
    void onLoopButton(PageButton which);
    void onDelayBoxClicked(QCheckBox *box);
    void onMouseCommandMenu(QuorAction *action);
    int showMessage(int type, const char *heading, const char *text);
    int showMessageText(int type, const char *heading, const QString &text);
    void showGunSet();

    // Page-button operations.
    void startRecording();
    void stopRecording();
    void saveCurrentMacro();
    void cancelEdits();
    void editRow();
    void moveRowToTop();
    void moveRowToBottom();
    void moveRowUp();
    void moveRowDown();
    void deleteRow();
    void clearRows();
    void insertDefaultDelay();
    void toggleMouseAction();
    void newMacro();
    void deleteCurrentMacro();
    void gunSet();
    void importMacros();
    void exportMacros();
    void onBatchBoxClicked();

    bool refuseWhenListFull();
    // Lists a macro whose file was just written and loads it; on failure the file
    // goes again and a message says so.
    bool listWrittenMacro(const QString &name);
    void importOne(const QString &path);
    void importBatch(const QStringList &paths);
    void exportOne();
    void exportBatch(const QString &folder);
    bool confirmReplace(const QStringList &files);
    void resetButtonsOf(const QString &name);
    // After the stored profiles (saved: every file written) and `changedSlots` button
    // slots of the working block followed a macro.
    void buttonsFollowed(bool saved, int changedSlots);
    void appendListRow(const QString &name);
    void removeListRow(const QString &name);

    void leaveEditMode();
    void releaseHeldKeys();
    void saveRecording(const QString &name);
    void installHook();
    void removeHook();
    long hookKey(KeyHookRecord &record);
    void handHookedKey(const KeyHookRecord &record);

    QStandardItem *cell(int row, int column) const;
    MacroAction rowAt(int row) const;
    void selectRow(int row);
    void appendActionRow(const MacroAction &row);
    int insertionPoint() const;
    bool insertRows(int at, const QVector<MacroAction> &rows);
    void insertOrExplain(const QVector<MacroAction> &rows);
    QVector<MacroAction> insertedDelay() const;
    void applyColumnWidths();
    void showEditors(const QList<QWidget *> &editors);
    void setDelayType(int type);
    void applyMacroOptions(const MacroFile &macro);
    void showRows(const QVector<MacroAction> &rows);
    void noteDamagedMacro(const QString &name, bool damaged);
    void tellDamagedMacro();
    MacroFile pageMacro() const;

    std::array<QuorPushButton *, PageButtonCount> m_buttons{};
    std::array<QuorLabel *, PageLabelCount> m_labels{};
    QuorLineEdit *m_pNameEdit = nullptr;
    QListWidget *m_pMacroList = nullptr;
    QuorTreeWidget *m_pTree = nullptr;
    std::array<QuorTreeItem *, 4> m_moveEntries{};
    QCheckBox *m_pRecordDelayBox = nullptr;
    QCheckBox *m_pDefaultDelayBox = nullptr;
    QCheckBox *m_pBatchBox = nullptr;
    QuorLineEdit *m_pDefaultDelayEdit = nullptr;
    QuorLineEdit *m_pLoopTimeEdit = nullptr;
    QTableView *m_pTable = nullptr;
    QStandardItemModel *m_pModel = nullptr;
    QuorMacroItemDelegate *m_pDelegate = nullptr;
    QLineEdit *m_pDelayEditor = nullptr;
    QLineEdit *m_pDistanceEditor = nullptr;
    QMenu *m_pMouseMenu = nullptr;
    QMenu *m_pDirectionMenu = nullptr;
    // Menu entries have no QObject parent: the page owns them.
    std::vector<std::unique_ptr<QuorAction>> m_mouseActions;
    std::vector<std::unique_ptr<QuorAction>> m_directionActions;
    std::vector<Command> m_commands;

    int m_delayType = DelayNone;
    bool m_bMouseAction = false;
    bool m_bKeyEdit = false;
    bool m_bRecording = false;
    bool m_bBatch = false;
    QString m_lastDeletedName;
    int m_editDirection = 0;
    // The macro that STOP saves into: the one current at START.
    QString m_recordingMacro;
    // A damaged macro opened and not yet told, and the one told while it stays open.
    QString m_damagedToTell;
    QString m_damagedTold;
    std::optional<qint64> m_lastEventTime;
    KeyHookHandle m_hook = 0;
    TakenKeys m_takenKeys;
    QList<int> m_heldKeys;
    int m_lastCode = -1;
    int m_lastFlags = -1;
};
