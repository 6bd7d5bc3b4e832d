#pragma once

#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <array>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLineEdit;
class QSpinBox;
class QToolButton;
class QuorLabel;
class SVColorArea;

// The colour edit dialog: hue bar, saturation-value square, R/G/B boxes and seven
// presets, kept in step with each other. The colour picked is color() after exec()
// returned Accepted.
class QuorColorArea : public QDialog
{
    Q_OBJECT
public:
    QuorColorArea(QWidget *parent, double scale);
    ~QuorColorArea() override;

    void setColor(const QColor &color);
    // The preview's colour, in RGB.
    QColor color() const;
    void retranslate();
    void setScale(double scale);

    HColorArea *hueBar() const { return m_hueBar; }
    SVColorArea *square() const { return m_square; }
    PreviewColorArea *preview() const { return m_preview; }
    QSpinBox *box(int index) const { return m_boxes.at(size_t(index)); } // h, s, v, r, g, b
    QLineEdit *hexEdit() const { return m_hexEdit; }
    DefaultColorArea *preset(int index) const { return m_presets.at(size_t(index)); }
    QToolButton *okButton() const { return m_okButton; }
    QToolButton *cancelButton() const { return m_cancelButton; }

    static QString hexText(const QColor &color);

signals:
    void QuorChangeColor(const QColor &color);
    void ApplyColor();

public slots:
    // Refused while a box holds no number it can take (emptied, say).
    void accept() override;
    void color_clicked();
    void hValueChangedSlot(int h);
    void sValueChangedSlot(int s);
    void vValueChangedSlot(int v);
    void rValueChangedSlot(int r);
    void gValueChangedSlot(int g);
    void bValueChangedSlot(int b);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void MouseReleaseSlot();

protected:
    // Return confirms, as OK does: the buttons take no focus.
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Box { HueBox, SatBox, ValBox, RedBox, GreenBox, BlueBox };
    void hsvBoxChanged();
    void rgbBoxChanged();
    void showRgb(const QColor &color);
    void setBoxes(const QColor &color);
    bool boxesFinished() const;
    void updateOkButton();

    HColorArea *m_hueBar;
    SVColorArea *m_square;
    PreviewColorArea *m_preview;
    bool m_propagate = true;
    std::array<QSpinBox *, 6> m_boxes{};
    QLineEdit *m_hexEdit;
    QuorLabel *m_title;
    std::array<DefaultColorArea *, 7> m_presets{};
    QToolButton *m_okButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    double m_scale;
    int m_h = 0;
    int m_s = 0;
    int m_v = 0;
    bool m_busy = false;
    QPixmap m_background;
};
