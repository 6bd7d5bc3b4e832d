#include "macro/QuorMacroItemDelegate.h"

#include "macro/MacroRows.h"
#include "storage/KeyCodes.h"
#include "widgets/SkinPaths.h"
#include "widgets/UiScale.h"

#include <QCoreApplication>
#include <QPainter>

namespace {
struct RowCells
{
    QString type; // column 0 as shown
    int h = 0;
    int l = 0;
};

RowCells rowCells(const QModelIndex &index)
{
    const auto cell = [&index](int column) { return index.sibling(index.row(), column).data().toString(); };
    return RowCells{cell(0), cell(1).toInt(), cell(2).toInt()};
}

struct Icon
{
    const char *skin = nullptr;
    int dx = 0;
    int width = 0;
};

QString translated(const char *text)
{
    return QCoreApplication::translate("QObject", text);
}

QString keyName(int usage)
{
    int code = 0;
    return hidUsageToKeyCode(usage, &code) ? keyCodeName(unsigned(code)) : QString();
}

QString moveName(int h, int l)
{
    if (h != 0 && l != 0)
        return QString();
    return translated(moveDirectionName(decodeMove(quint8(h), quint8(l)).direction));
}

// Column 0: by the type with the press bit cleared, except that delay and move are
// matched exactly.
QString keyColumnText(const RowCells &r, Icon *icon)
{
    const int v = r.type.toInt();
    if (v == MacroDelay) {
        *icon = {"/skin/delay.png", 17, 20};
        return QString();
    }
    if ((v & 0x7F) == MacroKeyRelease) {
        *icon = {"/skin/keybo.png", 10, 40};
        return keyName(r.l);
    }
    if ((v & 0x7F) == MacroButtonRelease) {
        *icon = {"/skin/mouse_move.png", 17, 20};
        return translated(mouseButtonName(mouseButtonIndex(r.l)));
    }
    if (v == MacroMove) {
        *icon = {"/skin/mouse_move.png", 17, 20};
        return moveName(r.h, r.l);
    }
    *icon = {"/skin/keybo.png", 10, 40};
    return QStringLiteral("driverText");
}

QString actionColumnText(const RowCells &r, const QString &ownText, Icon *icon)
{
    if (r.type == QLatin1String("6"))
        return QString();
    if (r.type == QLatin1String("132") || r.type == QLatin1String("129")) {
        *icon = {"/skin/keydown.png", 10, 20};
        return translated("Press");
    }
    if (r.type == QLatin1String("4") || r.type == QLatin1String("1")) {
        *icon = {"/skin/keyup.png", 10, 20};
        return translated("Release");
    }
    if (r.type == QLatin1String("2"))
        return QString::number(decodeMove(quint8(r.h), quint8(r.l)).distance);
    return ownText;
}

QString delayColumnText(const RowCells &r)
{
    return r.type == QLatin1String("6") ? QString::number(r.h * 2560 + r.l * 10) : QString();
}

QString cellContent(const QModelIndex &index, Icon *icon)
{
    const RowCells r = rowCells(index);
    switch (index.column()) {
    case 0:
        return keyColumnText(r, icon);
    case 1:
        return actionColumnText(r, index.data().toString(), icon);
    case 2:
        return delayColumnText(r);
    default:
        return QString();
    }
}
}

QuorMacroItemDelegate::QuorMacroItemDelegate(QObject *parent)
    : QItemDelegate(parent)
{
}

QuorMacroItemDelegate::~QuorMacroItemDelegate() = default;

QString QuorMacroItemDelegate::cellText(const QModelIndex &index)
{
    Icon icon;
    return cellContent(index, &icon);
}

void QuorMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    if (index.column() < 0 || index.column() > 2)
        return;
    const double s = uiScale();
    const QStyleOptionViewItem opt = setOptions(index, option);
    painter->setPen(opt.state & QStyle::State_Selected ? m_selectedColor : m_normalColor);
    painter->save();
    drawBackground(painter, opt, index);
    Icon icon;
    const QString text = cellContent(index, &icon);
    const QRect r = opt.rect;
    if (icon.skin) {
        const QRect target(r.left() + int(icon.dx * s), r.top() + int((r.height() - 20 * s) * 0.5),
                           int(icon.width * s), int(20 * s));
        const QPixmap picture = loadSkin(QLatin1String(icon.skin));
        if (!picture.isNull())
            painter->drawPixmap(target, picture);
    }
    if (!text.isEmpty())
        painter->drawText(r, Qt::AlignCenter, text);
    painter->restore();
}
