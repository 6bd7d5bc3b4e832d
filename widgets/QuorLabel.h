#pragma once

#include <QLabel>

// A label that paints its own text with the language font; the base label's text
// and picture are never drawn.
class QuorLabel : public QLabel
{
    Q_OBJECT
public:
    explicit QuorLabel(QWidget *parent = nullptr);
    QuorLabel(const QString &text, QWidget *parent = nullptr);
    ~QuorLabel() override;

    void setCaption(const QString &text);
    QString caption() const { return m_text; }
    void setNumber(int n);
    void setTextAlignment(int flags) { m_alignment = flags; }
    int textAlignment() const { return m_alignment; }
    void setTextWrap(bool on) { m_textWrap = on; }
    void setFontSizeOverride(int size);
    void setFontShrink(int amount);
    void setFilled(int ignored);

    // The font the label paints with: the configured size, or the override, less the
    // shrink, times the UI scale factor.
    QFont paintFont() const;

signals:
    void EnterSignal(QuorLabel *label);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    bool m_textWrap = false;
    bool m_sizeOverride = false;
    bool m_shrink = false;
    int m_overrideSize = 0;
    int m_shrinkAmount = 0;
    int m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_filled = false;
};
