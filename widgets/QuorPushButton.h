#pragma once

#include <QColor>
#include <QList>
#include <QPixmap>
#include <QPushButton>
#include <QStringList>

#include <array>
#include <memory>

// The skinned button: one picture per state, a caption in the language font, an
// optional number badge and an optional theme-coloured glow.
class QuorPushButton : public QPushButton
{
    Q_OBJECT
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit QuorPushButton(const QStringList &statePixmapPaths, QWidget *parent = nullptr,
                            const QString &iconPath = QString());
    ~QuorPushButton() override;

    void setPixmaps(const QStringList &paths);
    void setCaption(const QString &text);
    QString caption() const { return m_caption; }
    void setGlowMode(bool on) { m_glow = on; }
    void setGlowEllipse(bool on) { m_glowEllipse = on; }
    void setVerticalText(bool on) { m_verticalText = on; }
    // The pictures draw a drop-down arrow in the square of their height at their right
    // end: the caption keeps out of it.
    void setDropDownArrow(bool on);
    void setNumberBadge(quint8 badge);
    void setSelectable(bool on);
    void setSelected(bool on);
    bool isSelected() const { return m_selected; }
    void setButtonEnabled(bool on);
    bool isButtonEnabled() const { return m_enabled; }

    QSize sizeHint() const override;

    // Program-wide caption rule: false elides every caption to the width less 6 inside
    // 3-pixel margins; true draws a caption that fits whole and elides the others to
    // the width less 20 inside 10-pixel margins.
    static void setCaptionFitFirst(bool on);

signals:
    void EnterSignal(QuorPushButton *button);
    void OverSignal(QuorPushButton *button, bool entered);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    // Every click, by mouse or by keyboard, comes here before clicked(): a selectable
    // button changes its selection here and nowhere else.
    void nextCheckState() override;

private:
    void setState(int state);
    int restingState() const;
    int shownState() const;
    void paintFocusFrame(QPainter &painter) const;
    const QPixmap *pictureForState() const;
    void paintGlow(QPainter &painter) const;
    void paintCaption(QPainter &painter) const;
    QRect captionArea() const;

    QString m_caption;
    std::array<QColor, 4> m_textColors;
    bool m_glow = false;
    bool m_glowEllipse = false;
    bool m_verticalText = false;
    bool m_dropDownArrow = false;
    quint8 m_badge = 0;
    bool m_selectable = false;
    bool m_selected = false;
    bool m_enabled = true;
    std::unique_ptr<QPixmap> m_icon;
    QList<QPixmap> m_pictures;
    int m_state = Normal;
    bool m_leaveArmed = true;
    bool m_hovered = false;
};
