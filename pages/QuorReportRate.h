#pragma once

#include "storage/SettingsBlock.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QMenu;
class QRadioButton;
class QuorAction;
class QuorLabel;
class QuorPushButton;

// The report rate of the current profile (a copy, read back by Apply) and the
// lift-off distance, which the panel hands to the main window through RefreshLift.
class QuorReportRate : public QWidget
{
    Q_OBJECT
public:
    QuorReportRate(const ProfileRecord &record, QWidget *parent = nullptr);
    ~QuorReportRate() override;

    // A lift outside 1..2 is shown as 2 and reported through RefreshLift(2).
    void setProfileData(ProfileRecord *record, int lift);
    void retranslate();

    const ProfileRecord &profileData() const { return m_record; }
    quint8 lift() const { return m_iLift; }
    QuorPushButton *rateButton() const { return m_rateButton; }
    QMenu *rateMenu() const { return m_rateMenu; }
    QRadioButton *liftButton(int id) const { return m_liftButtons.at(size_t(id)); }

signals:
    void RefreshLift(quint8 lift);

public slots:
    void onRadioChanged();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupUi();
    void placeControls();
    void applyLiftStyle(double s);
    void onRateAction();
    void showRate();
    void checkLift(int lift);

    std::array<QRadioButton *, 2> m_liftButtons{};
    QButtonGroup *m_liftGroup = nullptr;
    quint8 m_iLift = 2;
    ProfileRecord m_record;
    QuorLabel *m_liftLabel = nullptr;
    QuorLabel *m_titleLabel = nullptr;
    QuorPushButton *m_rateButton = nullptr;
    QMenu *m_rateMenu = nullptr;
    std::array<QuorAction *, 4> m_rateActions{};
};
