#pragma once

#include "storage/SettingsBlock.h"

#include <QColor>
#include <QWidget>

#include <array>

class DefaultColorArea;
class QCheckBox;
class QMenu;
class QuorAction;
class QuorLabel;
class QuorPushButton;
class QuorSlider;

// The lighting page: the effect, its brightness, speed and colour, the sleep time and
// the move-off switch, edited in place in the record given to setProfileData. Nothing
// happens before the first setProfileData.
class QuorColorWindow : public QWidget
{
    Q_OBJECT
public:
    QuorColorWindow(QWidget *parent, double scale);
    ~QuorColorWindow() override;

    void setProfileData(ProfileRecord *record);
    void refresh();
    void retranslate();
    void setScale(double scale);
    // Stores the effect (low 8 bits) and shows it with its own values.
    void setEffect(int effect);
    void layoutForEffect(int effect);
    void buildEffectMenu();

    ProfileRecord *record() const { return m_record; }
    QuorPushButton *effectButton() const { return m_effectButton; }
    QMenu *effectMenu() const { return m_effectMenu; }
    QuorSlider *brightnessSlider() const { return m_brightSlider; }
    QuorSlider *speedSlider() const { return m_speedSlider; }
    QuorSlider *sleepSlider() const { return m_sleepSlider; }
    DefaultColorArea *colorSwatch() const { return m_swatch; }
    QCheckBox *moveOffBox() const { return m_moveOffBox; }
    QuorLabel *minutesLabel() const { return m_minutesLabel; }
    enum Title { EffectTitle, BrightnessTitle, SpeedTitle, ColorTitle, SleepTitle };
    QuorLabel *title(Title which) const { return m_titles.at(size_t(which)); }

public slots:
    void slotSliderMouseChange();
    void slotSendLedState(const QColor &color);
    void slotApplyColor();
    void color_clicked();
    void checkbtn_clicked();

private:
    QuorSlider *makeSlider(int minimum, int maximum);
    void applyStyleSheets();
    void EffectMenuFunction();
    void onSliderValueChanged(int value);
    void showEffect(int effect);
    void showMinutes(int minutes);
    LedModeRecord *effectRecord() const;

    ProfileRecord *m_record = nullptr;
    double m_scale;
    std::array<QuorLabel *, 5> m_titles{};
    QuorSlider *m_brightSlider = nullptr;
    QuorSlider *m_speedSlider = nullptr;
    DefaultColorArea *m_swatch = nullptr;
    QuorPushButton *m_effectButton = nullptr;
    QuorLabel *m_minutesLabel = nullptr;
    QuorSlider *m_sleepSlider = nullptr;
    QCheckBox *m_moveOffBox = nullptr;
    QMenu *m_effectMenu = nullptr;
    std::array<QuorAction *, LedModeCount> m_actions{};
};
