#pragma once

#include <QDialog>
#include <QPixmap>

#include <vector>

class QSpinBox;
class QToolButton;
class QuorLabel;

// The ground shared by the recoil dialogs: a frameless dialog of 619 x 400 design
// pixels over "/skin/dlg_gun.png" with a 2-pixel frame in the theme colour, white
// captions, grey spin boxes and the Yes ("msgBoxYesBtn") and No ("msgBoxNoBtn")
// buttons at the lower right. Yes runs accept(), No reject(); the buttons take no
// focus, so Return confirms as Yes does. Yes waits while a shown box holds no number
// it can take, and Return there does nothing; the focus shows as the focus cue.
class GunDialogFrame : public QDialog
{
    Q_OBJECT
public:
    ~GunDialogFrame() override;

    double scale() const { return m_scale; }
    QToolButton *yesButton() const { return m_yes; }
    QToolButton *noButton() const { return m_no; }

protected:
    GunDialogFrame(QWidget *parent, double scale, Qt::WindowFlags flags);

    QRect scaledRect(int x, int y, int width, int height) const;
    void buildButtons(const QString &yesText, const QString &noText);
    QuorLabel *addCaption(const QString &text, const QRect &designRect, int alignment);
    // Text typed past its bounds is held to the nearest one once the box is left; with a
    // step above 1 the value keeps to the steps from the minimum (QuorSpinBox::holdToSteps).
    QSpinBox *addSpinBox(const QRect &designRect, int minimum, int maximum, int value, int step = 1);
    // Whether every shown box holds a number it can take.
    bool fieldsFinished() const;
    void updateYesButton();
    // The box's value once the text being typed is taken, so that it shows what is taken
    // (Yes takes no focus from it).
    static int takenValue(QSpinBox *box);
    // Drawn over the ground.
    virtual void paintContent(QPainter &) {}

    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void addField(QWidget *field, const QRect &designRect);

    double m_scale;
    QPixmap m_background;
    QToolButton *m_yes = nullptr;
    QToolButton *m_no = nullptr;
    std::vector<QWidget *> m_fields;
};
