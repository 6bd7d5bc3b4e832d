#include "macro/QuorGunEditDialog.h"

#include "macro/MacroRows.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinPaths.h"

#include <QSpinBox>

namespace {
constexpr int LeftAligned = Qt::AlignLeft | Qt::AlignVCenter;
// Box places in direction order: left, right, up, down.
constexpr QPoint BoxPlaces[MoveDirectionCount] = {{158, 120}, {158, 150}, {298, 120}, {298, 150}};
}

QuorGunEditDialog::QuorGunEditDialog(int direction, int distance, QWidget *parent, double scale,
                                     Qt::WindowFlags flags)
    : GunDialogFrame(parent, scale, flags)
    , m_direction(direction)
    , m_distance(distance)
{
    buildUi();
    applyDirection();
    setWindowTitle(QStringLiteral("Gun Edit"));
}

QuorGunEditDialog::~QuorGunEditDialog() = default;

void QuorGunEditDialog::buildUi()
{
    addCaption(QObject::tr("GUN EDIT"), {167, 25, 287, 30}, Qt::AlignCenter);
    addCaption(QObject::tr("MOUSE ACTION"), {158, 90, 287, 20}, LeftAligned);
    addCaption(QObject::tr("Distance"), {158, 190, 287, 20}, LeftAligned);
    const QStringList pictures{skinPath(QStringLiteral("/skin/checkbox1-1.png")),
                               skinPath(QStringLiteral("/skin/checkbox1-2.png")),
                               skinPath(QStringLiteral("/skin/checkbox1-2.png"))};
    for (int d = 0; d < MoveDirectionCount; ++d) {
        const QPoint at = BoxPlaces[d];
        auto *box = new QuorPushButton(pictures, this);
        box->setGeometry(scaledRect(at.x(), at.y(), 20, 20));
        box->setSelectable(true);
        box->setGlowMode(true);
        box->setAutoDefault(false);
        connect(box, &QuorPushButton::clicked, this, &QuorGunEditDialog::onDirectionBoxClicked);
        m_boxes[size_t(d)] = box;
        addCaption(QObject::tr(moveDirectionName(d)), {at.x() + 27, at.y(), 100, 20}, LeftAligned);
    }
    m_pDistance = addSpinBox({158, 220, 50, 20}, 1, MaxMoveDistance, 1);
    connect(m_pDistance, SIGNAL(valueChanged(int)), this, SLOT(sValueChangedSlot(int)));
    buildButtons(tr("Yes"), tr("No"));
}

void QuorGunEditDialog::onDirectionBoxClicked()
{
    for (int d = 0; d < MoveDirectionCount; ++d) {
        if (sender() == m_boxes[size_t(d)]) {
            m_direction = d;
            applyDirection();
        }
    }
}

void QuorGunEditDialog::applyDirection()
{
    if (m_direction >= 0 && m_direction < MoveDirectionCount) {
        for (int d = 0; d < MoveDirectionCount; ++d)
            m_boxes[size_t(d)]->setSelected(d == m_direction);
    }
    m_pDistance->setValue(m_distance);
}

void QuorGunEditDialog::sValueChangedSlot(int value)
{
    m_distance = value;
}

void QuorGunEditDialog::accept()
{
    OnYesClick();
}

void QuorGunEditDialog::OnYesClick()
{
    if (!fieldsFinished())
        return;
    m_distance = takenValue(m_pDistance);
    QDialog::accept();
}
