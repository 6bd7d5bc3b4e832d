#pragma once

#include "storage/SettingsBlock.h"

#include <QVector>
#include <QWidget>

#include <array>
#include <memory>
#include <vector>

class QMenu;
class QuorAction;
class QuorPushButton;

// The button page: one skinned button per mouse button with a menu of functions.
// Choosing an entry gives the current button's slot of the record that function,
// through a setting dialog where the function needs one. Slots 0-19 are the front
// buttons (group 0), 20-39 the side buttons (group 1), 40 and 41 the wheel (group 2).
class QuorBtnWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int GroupSize = 20;
    static constexpr int WheelButtons = 2;
    static constexpr int WheelSlot = 2 * GroupSize;
    static constexpr quint8 NoButton = 255;

    QuorBtnWindow(ProfileRecord *record, QWidget *parent, double scale);
    ~QuorBtnWindow() override;

    void setButtonRecords(ProfileRecord *record);
    // 255 for the group keeps the current group.
    void showButtonGroup(quint8 button, quint8 group);
    void selectButton(quint8 button, quint8 group);
    void selectButton(int ignored, quint8 button, quint8 group);
    void layoutButtons();
    void applyFonts(double scale);
    void retranslate();
    void refreshButtonCaptions();
    // Inserts a key's press and release into the current slot's key steps at position n.
    void storeKeyStep(int position, quint8 keyCode);

    // The front buttons, slots 0-19 in order.
    QVector<QuorPushButton *> frontButtons() const;
    QuorPushButton *slotButton(int slot) const { return m_buttons[size_t(slot)]; }
    QMenu *mainMenu() const { return m_mainMenu; }
    QMenu *wheelMenu() const { return m_wheelMenu; }
    // The current action of a function code; nullptr when none.
    QuorAction *functionAction(int fun) const;
    quint8 currentGroup() const { return m_group; }
    quint8 currentButton() const { return m_button; }

signals:
    void SelBtnControl(QuorPushButton *button, bool over);
    void GotoMacroTab(uchar tab);
    void PopOneClickBox();

public slots:
    void onMenuActionTriggered();
    void OnMouseEnterSlot(QuorPushButton *button);
    void slotMouseOver(QuorPushButton *button, bool over);
    void slotMouseEnter(QuorPushButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct FunctionAction
    {
        int fun;
        std::unique_ptr<QuorAction> action;
    };
    void onMenuAboutToShow();
    // Whether the handler goes on to its normal end.
    enum class Outcome { Finished, Stopped };

    void buildUi();
    void buildMenus();
    void styleMenus(int designWidth);
    QList<QMenu *> allMenus() const;
    void placeWheelAndSideButtons();
    void emptyButton(QuorPushButton *button);
    int slotOf(const QuorPushButton *button) const;
    int currentSlot() const;
    void makeCurrent(int slot);
    QString captionOf(const ButtonSlot &slot) const;
    QString functionText(int fun) const;

    // Assignment steps, on the slot of the current button.
    bool wouldLoseLastLeftClick(int slot, int fun) const;
    Outcome assign(int fun, ButtonSlot &slot, QuorPushButton *button);
    Outcome assignSingleKey(ButtonSlot &slot, QuorPushButton *button);
    Outcome assignComboKey(ButtonSlot &slot, QuorPushButton *button);
    Outcome assignFireKey(ButtonSlot &slot, QuorPushButton *button);
    Outcome assignSniper(ButtonSlot &slot, QuorPushButton *button);
    Outcome assignMacroFile(int code, const QString &title, ButtonSlot &slot, QuorPushButton *button);

    ProfileRecord *m_record;
    double m_scale;
    quint8 m_group = 0;
    quint8 m_button = 0;
    std::array<QuorPushButton *, 2 * GroupSize + WheelButtons> m_buttons{};
    std::vector<FunctionAction> m_actions;
    QMenu *m_mainMenu = nullptr;
    QMenu *m_wheelMenu = nullptr;
    std::vector<QMenu *> m_subMenus;
};
