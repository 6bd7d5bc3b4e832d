#pragma once

#include <QStringList>

class QWidget;

// Every child widget of the window, in creation order, one line each: its place, size
// limits, font, style sheet, picture and the fonts of its actions. A hidden control
// lays itself out when shown, so its line says only that; a popup (a menu) is shown
// with its owner and counts with its size limits and entry fonts.
QStringList controlLooks(const QWidget &window);
// The lines of two walks that differ, as "got <> expected".
QStringList lookDifferences(const QStringList &got, const QStringList &expected);
// Shown controls with area that reach outside the window; a scroll area's content
// counts through its viewport.
QStringList controlsOutside(const QWidget &window);
