#pragma once

#include <QListWidgetItem>

// A list row, created without a list, that keeps its size hint as a QSize.
class QuorListWidgetItem : public QListWidgetItem
{
public:
    QuorListWidgetItem();
    ~QuorListWidgetItem() override;
};
