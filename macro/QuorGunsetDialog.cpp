#include "macro/QuorGunsetDialog.h"

#include "macro/MacroRows.h"
#include "macro/QuorListItem.h"
#include "storage/Theme.h"
#include "widgets/ModalGate.h"
#include "widgets/QuorAction.h"
#include "widgets/QuorLabel.h"
#include "widgets/QuorMessageBox.h"
#include "widgets/QuorPushButton.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"
#include "widgets/WidgetLook.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>

namespace {
constexpr int ColumnStep = 66;
constexpr int ShotDelayMs = 100;
constexpr int MaxShotMove = 100;
}

QuorGunsetDialog::QuorGunsetDialog(QWidget *parent, double scale, Qt::WindowFlags flags)
    : GunDialogFrame(parent, scale, flags)
{
    m_bullet = loadSkin(QStringLiteral("/skin/gunset_bullet.png"));
    setWindowTitle(QStringLiteral("Gun Set"));
    buildUi();
    showBulletRows();
}

QuorGunsetDialog::~QuorGunsetDialog() = default;

void QuorGunsetDialog::buildUi()
{
    const struct
    {
        const char *text;
        QRect place;
    } captions[] = {
        {QT_TR_NOOP("GUN SET"), {167, 25, 287, 55}},    {QT_TR_NOOP("GUNFILE NAME"), {376, 74, 105, 20}},
        {QT_TR_NOOP("BULLETS"), {29, 74, 90, 20}},      {QT_TR_NOOP("DELAY(MS)"), {29, 111, 90, 20}},
        {QT_TR_NOOP("Y"), {29, 187, 90, 20}},           {QT_TR_NOOP("X"), {29, 213, 90, 20}},
    };
    for (const auto &c : captions)
        addCaption(tr(c.text), c.place, Qt::AlignCenter);

    m_pName = new QLineEdit(this);
    m_pName->setGeometry(scaledRect(490, 74, 100, 20));
    m_pName->setMaxLength(100);
    m_pName->setAlignment(Qt::AlignCenter);
    // Its own background: the macro page's dark one would reach it and hide the black text.
    m_pName->setStyleSheet(QStringLiteral("QLineEdit{background-color:white;%1}QToolTip{background-color:black}")
                               .arg(fieldFrameStyle(QColor(160, 160, 160))));

    const QString picture = skinPath(QStringLiteral("/skin/bulletsel.png"));
    m_pCountButton = new QuorPushButton({picture, picture, picture}, this);
    m_pCountButton->setGeometry(scaledRect(120, 74, 70, 20));
    m_pCountButton->setGlowMode(true);
    m_pCountButton->setDropDownArrow(true);
    m_pCountButton->setAutoDefault(false);
    m_pCountMenu = new QMenu(this);
    m_pCountMenu->setStyleSheet(menuStyleSheet());
    m_pCountMenu->setFixedWidth(70);
    for (int i = 1; i <= MaxShots; ++i) {
        m_countActions.push_back(std::make_unique<QuorAction>(QString::number(i), this));
        m_pCountMenu->addAction(m_countActions.back().get());
        connect(m_countActions.back().get(), &QAction::triggered, this, &QuorGunsetDialog::onBulletCountAction);
    }
    m_pCountButton->setMenu(m_pCountMenu);

    for (int i = 0; i < MaxShots; ++i) {
        const int x = 176 + ColumnStep * i;
        m_delay[size_t(i)] = addSpinBox({x, 111, 50, 20}, MinEditDelayMs, MaxShotDelayMs, ShotDelayMs, MinEditDelayMs);
        m_y[size_t(i)] = addSpinBox({x, 187, 50, 20}, -MaxShotMove, MaxShotMove, 0);
        m_x[size_t(i)] = addSpinBox({x, 212, 50, 20}, -MaxShotMove, MaxShotMove, 0);
    }
    buildButtons(tr("Yes"), tr("No"));
    m_pRows = new QListWidget(this);
    m_pRows->setGeometry(0, 0, 0, 0);
}

void QuorGunsetDialog::showBulletRows()
{
    for (int i = 0; i < MaxShots; ++i) {
        for (QWidget *box : std::initializer_list<QWidget *>{m_delay[size_t(i)], m_y[size_t(i)], m_x[size_t(i)]})
            box->setVisible(i < m_shotCount);
    }
    m_pCountButton->setCaption(QString::number(m_shotCount));
    updateYesButton();
}

void QuorGunsetDialog::onBulletCountAction()
{
    for (size_t i = 0; i < m_countActions.size(); ++i) {
        if (sender() != m_countActions[i].get())
            continue;
        m_shotCount = int(i) + 1;
        update(scaledRect(159, 137, 297, 48));
        showBulletRows();
    }
}

// A slot for each of the five shots, the shot picture in those counted.
void QuorGunsetDialog::paintContent(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1));
    painter.setBrush(QColor(0, 0, 0, 60));
    for (int i = 0; i < MaxShots; ++i) {
        painter.drawRoundedRect(scaledRect(161 + ColumnStep * i, 139, 13, 43), 3, 3);
        if (i < m_shotCount)
            painter.drawPixmap(scaledRect(163 + ColumnStep * i, 141, 9, 39), m_bullet);
    }
}

void QuorGunsetDialog::accept()
{
    OnYesClick();
}

void QuorGunsetDialog::warn(const char *text)
{
    QuorMessageBox box(2, QString(), QObject::tr("Warning"), QObject::tr(text), this, false, Qt::FramelessWindowHint);
    ModalGate::exec(box);
}

void QuorGunsetDialog::OnYesClick()
{
    if (!fieldsFinished())
        return;
    const QString name = m_pName->text();
    if (name.isEmpty()) {
        warn("Please input file name.");
        return;
    }
    if (!isValidMacroName(name)) {
        warn(InvalidMacroNameText);
        return;
    }
    m_pRows->clear();
    for (int i = 0; i < m_shotCount; ++i) {
        addMouseButtonRow(0, false);
        addMouseButtonRow(0, true);
        const int d = takenValue(m_delay[size_t(i)]);
        const int y = takenValue(m_y[size_t(i)]);
        const int x = takenValue(m_x[size_t(i)]);
        if (y != 0)
            addMouseMoveRow(y > 0 ? MoveDown : MoveUp, std::abs(y));
        if (x != 0)
            addMouseMoveRow(x > 0 ? MoveRight : MoveLeft, std::abs(x));
        addDelayRow(d);
    }
    m_fileName = name;
    QDialog::accept();
}

void QuorGunsetDialog::insertRow(const MacroAction &action, const QString &caption)
{
    auto *row = new QuorListItem;
    row->setAction(action);
    row->setText(caption);
    auto *item = new QListWidgetItem;
    const int at = m_pRows->currentRow() + 1;
    m_pRows->insertItem(at, item);
    m_pRows->setItemWidget(item, row);
    m_pRows->setCurrentRow(at);
}

void QuorGunsetDialog::addMouseButtonRow(int button, bool release)
{
    insertRow(mouseButtonRow(button, release),
              QLatin1String(mouseButtonName(button)) + (release ? QStringLiteral(" UP") : QStringLiteral(" DOWN")));
}

void QuorGunsetDialog::addMouseMoveRow(int direction, int distance)
{
    insertRow(mouseMoveRow(direction, distance),
              QLatin1String(moveDirectionName(direction)) + QStringLiteral(" : %1").arg(distance));
}

void QuorGunsetDialog::addDelayRow(int ms)
{
    insertRow(delayRow(ms), QStringLiteral("%1 ms").arg(ms));
}

QVector<MacroAction> QuorGunsetDialog::rows() const
{
    QVector<MacroAction> rows;
    for (int i = 0; i < m_pRows->count(); ++i) {
        if (const auto *row = qobject_cast<QuorListItem *>(m_pRows->itemWidget(m_pRows->item(i))))
            rows.append(row->action());
    }
    return rows;
}

bool QuorGunsetDialog::saveGunFile(const QString &name) const
{
    MacroFile macro;
    macro.defaultDelay = MinEditDelayMs;
    macro.delayType = DelayRecorded;
    macro.loopType = 0;
    macro.loopTime = 1;
    macro.rows = rows();
    return writeMacroFile(name, macro, WriteSign::Leave);
}
