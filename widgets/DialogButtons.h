#pragma once

#include <QString>

class QDialog;
class QFont;
class QToolButton;

// The confirming ("msgBoxYesBtn", released accepts) or refusing ("msgBoxNoBtn",
// released rejects) button of the skinned dialogs: icon size 30 by 30 and fixed size
// 100 by 30 design pixels times scale, no focus.
QToolButton *makeDialogButton(QDialog *dialog, bool confirming, const QString &text,
                              const QString &styleSheet, const QFont &font, double scale);
