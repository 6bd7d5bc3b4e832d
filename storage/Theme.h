#pragma once

#include <QColor>
#include <QString>

constexpr int ThemeColorCount = 7;

QColor themePaletteColor(int index); // entry 0 for an index outside 0..6
int readThemeColorId();
bool writeThemeColorId(int index); // true when written
// The theme colour every widget draws with: the palette entry of "Config/GColorID".
QColor themeColor();
QString menuStyleSheet();
// The same text; the colour does not change it.
QString menuStyleSheet(const QColor &color);
