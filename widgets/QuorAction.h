#pragma once

#include <QAction>

// A menu entry whose text takes the language font. It has no QObject parent: its
// creator keeps the pointer and deletes it.
class QuorAction : public QAction
{
public:
    explicit QuorAction(QObject *parent = nullptr);
    QuorAction(const QString &text, QObject *owner);
    ~QuorAction() override;

    void setText(const QString &text);
    void applyFont();
};
