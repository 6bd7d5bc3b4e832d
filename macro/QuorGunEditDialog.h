#pragma once

#include "macro/GunDialogFrame.h"

#include <array>

class QSpinBox;
class QuorPushButton;

// One recoil move: a direction (0 left, 1 right, 2 up, 3 down) and a distance of
// 1 to 120, read back after Yes.
class QuorGunEditDialog : public GunDialogFrame
{
    Q_OBJECT
public:
    QuorGunEditDialog(int direction, int distance, QWidget *parent, double scale, Qt::WindowFlags flags);
    ~QuorGunEditDialog() override;

    int direction() const { return m_direction; }
    int distance() const { return m_distance; }

    QuorPushButton *directionBox(int direction) const { return m_boxes[size_t(direction)]; }
    QSpinBox *distanceBox() const { return m_pDistance; }

    // Shows the direction in the boxes (a code outside 0..3 leaves them) and the
    // distance in the spin box.
    void applyDirection();

public slots:
    void OnYesClick();
    void sValueChangedSlot(int value);
    void accept() override;

private:
    void buildUi();
    void onDirectionBoxClicked();

    int m_direction;
    int m_distance;
    std::array<QuorPushButton *, 4> m_boxes{};
    QSpinBox *m_pDistance = nullptr;
};
