#include "widgets/QuorLineEdit.h"

#include "widgets/SkinFont.h"

QuorLineEdit::QuorLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

QuorLineEdit::~QuorLineEdit() = default;

void QuorLineEdit::applyFont()
{
    setFont(languageFont());
}

void QuorLineEdit::focusOutEvent(QFocusEvent *)
{
    emit quorLostFocus();
}
