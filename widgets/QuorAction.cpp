#include "widgets/QuorAction.h"

#include "widgets/SkinFont.h"

QuorAction::QuorAction(QObject *)
    : QAction(nullptr)
{
    applyFont();
}

QuorAction::QuorAction(const QString &text, QObject *)
    : QAction(nullptr)
{
    setText(text);
}

QuorAction::~QuorAction() = default;

void QuorAction::setText(const QString &text)
{
    QAction::setText(text);
    applyFont();
}

void QuorAction::applyFont()
{
    setFont(languageFont());
}
