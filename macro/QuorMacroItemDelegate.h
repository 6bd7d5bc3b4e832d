#pragma once

#include <QColor>
#include <QItemDelegate>

// Paints the rows of the macro event table from the three numbers of each row:
// column 0 an icon and the event's name, column 1 press or release or the move
// distance, column 2 the delay in milliseconds.
class QuorMacroItemDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit QuorMacroItemDelegate(QObject *parent = nullptr);
    ~QuorMacroItemDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // What a cell shows as text (empty for none).
    static QString cellText(const QModelIndex &index);

private:
    QColor m_normalColor{255, 255, 255};
    QColor m_selectedColor{0, 0, 0};
};
