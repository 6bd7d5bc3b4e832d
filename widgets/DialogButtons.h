#pragma once

#include <QString>

class QColor;
class QDialog;
class QFont;
class QHBoxLayout;
class QKeyEvent;
class QToolButton;
class QWidget;

// The skinned dialogs' button look: black with white text (grey while disabled) and a
// frame in the colour; the text bold at 14 design pixels times scale.
QString dialogButtonStyleSheet(const QColor &frame);
QFont dialogButtonFont(double scale);

// The confirming ("msgBoxYesBtn", a click accepts) or refusing ("msgBoxNoBtn",
// a click rejects) button of the skinned dialogs: icon size 30 by 30 and fixed size
// 100 by 30 design pixels times scale, no focus.
QToolButton *makeDialogButton(QDialog *dialog, bool confirming, const QString &text,
                              const QString &styleSheet, const QFont &font, double scale);

// Accepts the dialog on the key press that gives its default answer: Return or Enter,
// but not the repeats of a key held since before the dialog opened. False, with the
// event left alone, for any other key.
bool acceptOnConfirmKey(QDialog *dialog, QKeyEvent *event);
// Whether the text of a field (line edit or spin box) is acceptable; true for any other
// widget.
bool fieldIsFinished(const QWidget *field);
// Return or Enter typed into the dialog's field (line edit or spin box) while its text
// is not acceptable goes straight on to the dialog, which confirms only what its OK
// would: the field does not first fix its text up into a value the user never saw.
void passConfirmKeyWhileUnfinished(QWidget *field);

// The button row under a skinned dialog: the first button centred, or both buttons
// spread evenly when there is a second one.
QHBoxLayout *makeDialogButtonRow(QToolButton *first, QToolButton *second);
