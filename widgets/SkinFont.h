#pragma once

#include <QFont>

// The program-wide language index; it selects the font keys of Config.ini.
void setCurrentLanguageIndex(int index);
int currentLanguageIndex();

// "FONT_LIST/FONT_SIZE_<lang>" of the current language, before scaling; at most
// LargestScalableValue, so every scale of the table keeps it an int.
int configuredFontSize();
// The language font with a pixel size of designSize times the UI scale factor;
// a pixel size of 0 or less keeps the default size.
QFont languageFontOfSize(int designSize);
// The shared font rule: the language font at its configured size, read afresh.
QFont languageFont();
