#include "macro/QuorItemModel.h"

QuorItemModel::QuorItemModel(QObject *parent)
    : QStandardItemModel(parent)
{
}

QuorItemModel::QuorItemModel(int rows, int columns, QObject *parent)
    : QStandardItemModel(rows, columns, parent)
{
}

QuorItemModel::~QuorItemModel() = default;

QVariant QuorItemModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return QStandardItemModel::data(index, role);
}
