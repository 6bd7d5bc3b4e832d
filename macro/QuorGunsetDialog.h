#pragma once

#include "macro/GunDialogFrame.h"
#include "storage/MacroFile.h"

#include <QVector>

#include <array>
#include <memory>
#include <vector>

class QLineEdit;
class QListWidget;
class QMenu;
class QSpinBox;
class QuorAction;
class QuorPushButton;

// The recoil set: one to five shots, each a delay and a vertical and horizontal
// move, turned into the rows of a macro file (press, release, moves, delay a shot).
class QuorGunsetDialog : public GunDialogFrame
{
    Q_OBJECT
public:
    static constexpr int MaxShots = 5;

    QuorGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags);
    ~QuorGunsetDialog() override;

    // The name typed, once OK was accepted.
    QString fileName() const { return m_fileName; }
    int shotCount() const { return m_shotCount; }
    // The rows built by OK, in order.
    QVector<MacroAction> rows() const;
    // Writes the rows as a macro file (default delay 10, recorded delays, no loop);
    // false when the file could not be written.
    bool saveGunFile(const QString &name) const;

    QLineEdit *nameField() const { return m_pName; }
    QuorPushButton *countButton() const { return m_pCountButton; }
    QSpinBox *delayBox(int shot) const { return m_delay[size_t(shot)]; }
    QSpinBox *yBox(int shot) const { return m_y[size_t(shot)]; }
    QSpinBox *xBox(int shot) const { return m_x[size_t(shot)]; }

    void addMouseButtonRow(int button, bool release);
    void addMouseMoveRow(int direction, int distance);
    void addDelayRow(int ms);

public slots:
    // Checks the name, builds the rows and accepts.
    void OnYesClick();
    void accept() override;

protected:
    void paintContent(QPainter &painter) override;

private:
    void buildUi();
    void showBulletRows();
    void onBulletCountAction();
    void insertRow(const MacroAction &action, const QString &caption);
    void warn(const char *text);

    QPixmap m_bullet;
    QListWidget *m_pRows = nullptr;
    QString m_fileName;
    int m_shotCount = MaxShots;
    QLineEdit *m_pName = nullptr;
    QuorPushButton *m_pCountButton = nullptr;
    QMenu *m_pCountMenu = nullptr;
    std::vector<std::unique_ptr<QuorAction>> m_countActions;
    std::array<QSpinBox *, MaxShots> m_delay{};
    std::array<QSpinBox *, MaxShots> m_y{};
    std::array<QSpinBox *, MaxShots> m_x{};
};
