#include "widgets/QuorListWidgetItem.h"

QuorListWidgetItem::QuorListWidgetItem()
    : QListWidgetItem(nullptr)
{
    setData(Qt::SizeHintRole, QVariant(sizeHint()));
}

QuorListWidgetItem::~QuorListWidgetItem() = default;
