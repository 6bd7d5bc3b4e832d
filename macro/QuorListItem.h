#pragma once

#include "storage/MacroFile.h"

#include <QWidget>

class QuorLabel;
class QuorLineEdit;

// A row of the recoil event list: its caption and its [type, DataH, DataL] bytes,
// with an editor that changes the delay of a delay row in place.
class QuorListItem : public QWidget
{
    Q_OBJECT
public:
    explicit QuorListItem(QWidget *parent = nullptr);
    ~QuorListItem() override;

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setAction(const MacroAction &action) { m_action = action; }
    MacroAction action() const { return m_action; }

    // Shows the delay editor in place of the caption (true) or the reverse; only
    // delay rows have one.
    void beginEdit(bool open);

    QuorLabel *captionLabel() const { return m_pCaption; }
    QuorLineEdit *delayEditor() const { return m_pEditor; }

public slots:
    // Return in the editor: the typed delay, 10 to 65530 ms in 10 ms steps.
    void editPressSlot();
    // The editor lost the focus: the typed text is dropped.
    void lostFocusSlot();

private:
    void buildUi();
    void closeEditor();

    QuorLabel *m_pCaption = nullptr;
    QuorLineEdit *m_pEditor = nullptr;
    QString m_text;
    MacroAction m_action;
};
