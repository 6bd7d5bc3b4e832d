#pragma once

#include "storage/SettingsBlock.h"

#include <QWidget>

class QSpinBox;
class QuorLabel;
class QuorSlider;

// Pointer speed (slider) and scroll speed (spin box), written straight into the
// record the panel points at.
class QuorPointSpeed : public QWidget
{
    Q_OBJECT
public:
    QuorPointSpeed(ProfileRecord *record, QWidget *parent = nullptr);
    ~QuorPointSpeed() override;

    // Shows the record's values; a value the controls clamp is stored clamped.
    void setProfileData(ProfileRecord *record);
    void retranslate();

    ProfileRecord *record() const { return m_record; }
    QuorSlider *pointerSlider() const { return m_pointerSlider; }
    QSpinBox *scrollBox() const { return m_scrollBox; }

public slots:
    void sValueChangedSlot(int value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupUi();
    void placeControls();
    void applyScrollBoxFont();
    void onPointerSpeedChanged(int value);

    ProfileRecord *m_record;
    QuorLabel *m_pointerLabel = nullptr;
    QuorLabel *m_scrollLabel = nullptr;
    QuorSlider *m_pointerSlider = nullptr;
    QSpinBox *m_scrollBox = nullptr;
};
