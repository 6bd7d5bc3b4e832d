#pragma once

#include "buttons/QuorParamDialog.h"

#include <array>
#include <memory>

class QLineEdit;
class QMenu;
class QuorAction;
class QuorLabel;
class QuorPushButton;

// Picks a listed macro (or recoil file) for a button and how it repeats: a count of
// 1 to 255, while the button is held, or until it is pressed again. Yes (or Return)
// waits until a macro is chosen and the count field holds a count; a stored count
// past the bounds is shown, and returned, held to them.
class QuorMacroSelect : public QuorParamDialog
{
    Q_OBJECT
public:
    static constexpr int LoopOptionCount = 3;

    // The parent and the flags are not used: the dialog is a window of its own.
    QuorMacroSelect(const QString &info, const QString &title, const QString &name, int count, int mode,
                    QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~QuorMacroSelect() override;

    int loopMode() const;
    // 0 while the field holds no count.
    int loopCount() const;
    QString macroName() const { return m_name; }
    void selectLoopOption(int index);

    QuorPushButton *macroSelector() const { return m_selector; }
    QMenu *macroMenu() const { return m_menu; }
    QuorPushButton *loopOption(int index) const { return m_options[size_t(index)]; }
    QLineEdit *countEdit() const { return m_count; }

public slots:
    void onMacroAction();
    void onLoopOptionClicked();

protected:
    bool canAccept() const override;

private:
    void buildUi(const QString &title, int count, int mode);
    void buildLayout();

    QString m_name;
    QuorLabel *m_info = nullptr;
    QLineEdit *m_count = nullptr;
    std::array<QuorPushButton *, LoopOptionCount> m_options{};
    std::array<QuorLabel *, LoopOptionCount> m_optionLabels{};
    QuorPushButton *m_selector = nullptr;
    QMenu *m_menu = nullptr;
    std::vector<std::unique_ptr<QuorAction>> m_actions;
};
