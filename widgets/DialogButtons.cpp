#include "widgets/DialogButtons.h"

#include "widgets/UiScale.h"

#include <QAbstractSpinBox>
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {
bool isReturn(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

class UnfinishedFieldFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !isReturn(static_cast<QKeyEvent *>(event)))
            return false;
        const auto *field = qobject_cast<QWidget *>(watched);
        if (!field || fieldIsFinished(field))
            return false;
        // Taken from the field and left unaccepted: the key goes on to its parents.
        event->ignore();
        return true;
    }
};
}

QString dialogButtonStyleSheet(const QColor &frame)
{
    return QStringLiteral("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);                       "
                          "border-radius: 3px;  border: 1px rgb(%1, %2, %3);                       "
                          "border-style: outset;}"
                          "QToolButton:disabled{color: rgb(110, 110, 110);}")
        .arg(frame.red()).arg(frame.green()).arg(frame.blue());
}

QFont dialogButtonFont(double scale)
{
    QFont font(QStringLiteral("Consolas"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(qMax(1, scaledPixels(14, scale)));
    return font;
}

QToolButton *makeDialogButton(QDialog *dialog, bool confirming, const QString &text,
                              const QString &styleSheet, const QFont &font, double scale)
{
    auto *button = new QToolButton(dialog);
    const QIcon icon(confirming ? QStringLiteral(":/yes_Btn") : QStringLiteral(":/no_Btn"));
    button->setIcon(icon);
    // Without a picture the space beside the icon would push the text to the left.
    const bool besideIcon = !confirming && !icon.availableSizes().isEmpty();
    button->setToolButtonStyle(besideIcon ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
    button->setIconSize(QSize(scaledPixels(30, scale), scaledPixels(30, scale)));
    button->setFixedSize(scaledPixels(100, scale), scaledPixels(30, scale));
    button->setFont(font);
    button->setObjectName(confirming ? QStringLiteral("msgBoxYesBtn") : QStringLiteral("msgBoxNoBtn"));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(styleSheet);
    button->setText(text);
    if (confirming)
        QObject::connect(button, &QToolButton::clicked, dialog, &QDialog::accept);
    else
        QObject::connect(button, &QToolButton::clicked, dialog, &QDialog::reject);
    return button;
}

bool acceptOnConfirmKey(QDialog *dialog, QKeyEvent *event)
{
    if (!isReturn(event) || event->isAutoRepeat())
        return false;
    event->accept();
    dialog->accept();
    return true;
}

bool fieldIsFinished(const QWidget *field)
{
    if (const auto *edit = qobject_cast<const QLineEdit *>(field))
        return edit->hasAcceptableInput();
    if (const auto *box = qobject_cast<const QAbstractSpinBox *>(field))
        return box->hasAcceptableInput();
    return true;
}

void passConfirmKeyWhileUnfinished(QWidget *field)
{
    field->installEventFilter(new UnfinishedFieldFilter(field));
}

QHBoxLayout *makeDialogButtonRow(QToolButton *first, QToolButton *second)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    if (second) {
        row->addStretch();
        row->addWidget(second);
    }
    row->addStretch();
    return row;
}
