#pragma once

#include <QStandardItemModel>

// A standard item model whose cells are centred both ways.
class QuorItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit QuorItemModel(QObject *parent = nullptr);
    QuorItemModel(int rows, int columns, QObject *parent = nullptr);
    ~QuorItemModel() override;

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};
