#pragma once

#include <QDialog>
#include <QPixmap>

class QHBoxLayout;
class QLineEdit;
class QToolButton;
class QuorLabel;
class QuorPushButton;

// The frame of the button page's setting dialogs: a frameless, translucent dialog of a
// fixed design size over "/skin/dlg.png" with a 2-pixel border in the theme colour, a
// white title and the OK ("msgBoxYesBtn", a click accepts) and Cancel
// ("msgBoxNoBtn", a click rejects) buttons. A dialog that holds no usable result yet
// refuses OK, however accept() is reached (Return included).
class QuorParamDialog : public QDialog
{
    Q_OBJECT
public:
    ~QuorParamDialog() override;

    QuorLabel *titleLabel() const { return m_title; }
    QToolButton *okButton() const { return m_ok; }
    QToolButton *cancelButton() const { return m_cancel; }
    double scale() const { return m_scale; }

public slots:
    void accept() override;

protected:
    QuorParamDialog(QWidget *parent, int designWidth, int designHeight);

    void setTitleSize(int designWidth, int designHeight);
    // The buttons with their first texts; the dialog button font unless a font is given.
    void buildButtons(const QString &okText, const QString &cancelText);
    void setButtonFont(const QFont &font);
    // The language font at its configured size times the scale.
    QFont scaledLanguageFont() const;
    // A caption field on "/skin/tabbutton-1.png" that shows a key name; clicking it does nothing.
    QuorPushButton *makeKeyField(int designWidth, int designHeight);
    // Row of the title, then of the OK and Cancel buttons.
    QHBoxLayout *titleRow(int designSpacing);
    QHBoxLayout *buttonRow();
    // The key dialogs' layout: title, key field and buttons in a column.
    void setKeyFieldLayout(QWidget *field);
    // Replaces the dialog's layout.
    void setDialogLayout(QLayout *layout);

    // A field of a bounded number that OK waits for: its text counts once acceptable,
    // and Return there confirms only what OK would.
    void setNumberField(QLineEdit *field, int bottom, int top);

    // Whether OK may close the dialog now; enables OK accordingly.
    virtual bool canAccept() const { return true; }
    void updateOkButton();
    // Whether keys typed are being captured: Escape and Return are then keys, not a way
    // out and the confirmation. Otherwise Return confirms, as OK does: the buttons take
    // no focus.
    virtual bool keysCaptured() const { return false; }

    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

    QuorLabel *m_title = nullptr;
    QToolButton *m_ok = nullptr;
    QToolButton *m_cancel = nullptr;

private:
    QPixmap m_background;
    double m_scale;
};
