#pragma once

class QWidget;

// Shows the keyboard focus of every control in window that does not show it itself (all
// but the skinned buttons): the focus cue over the control.
void showFocusFrames(QWidget *window);

// Moves the focus from the Tab stop that has it to the next (or previous) stop of root in
// screen order, and brings that into view in a scroll area. The stops are the shown and
// enabled widgets that take the focus by Tab and have an area inside their parent; among
// siblings, a widget wholly above another, or beside it (their heights overlap) and on
// its left, comes first, and the stops inside a widget follow it. False when the focus
// is on no stop of root.
bool focusNextStopInScreenOrder(QWidget *root, bool next);
