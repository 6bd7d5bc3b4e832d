#pragma once

#include "storage/SettingsBlock.h"

#include <QWidget>

#include <array>

class QuorLabel;
class QuorSingleDPI;

// The DPI stage page: eight stage rows over the page's own copy of the current
// profile, the active stage in the theme colour. Apply copies the active stage and
// the stages back (storeUiIntoRecord).
class QuorDPIWindow : public QWidget
{
    Q_OBJECT
public:
    QuorDPIWindow(const ProfileRecord &record, QWidget *parent = nullptr);
    ~QuorDPIWindow() override;

    void setProfileData(ProfileRecord *record, int sensor);
    // A stage outside 0..7 highlights no row and leaves the stored stage alone.
    void setCurrentStage(int stage);
    void setScale(double scale);
    void retranslate();

    const ProfileRecord &profileData() const { return m_ProfileData; }
    int stageCount() const { return m_stageCount; }
    QuorSingleDPI *row(int stage) const { return m_rows.at(size_t(stage)); }
    QuorLabel *titleLabel() const { return m_titleLabel; }

public slots:
    void onLinkChanged(uchar value, uchar stage);
    void onEnableChanged(uchar value, uchar stage);
    void onSliderChanged(int x, int y, uchar stage);
    void MouseinSignal(uchar stage);

private:
    void setupUi();
    void loadRows(bool keepShown);
    DpiStage *stageAt(uchar stage);

    ProfileRecord m_ProfileData;
    double m_scale;
    int m_sensor = 3325;
    int m_initialStage;
    int m_stageCount = DpiStageCount;
    std::array<QuorSingleDPI *, DpiStageCount> m_rows{};
    QuorLabel *m_titleLabel = nullptr;
};
