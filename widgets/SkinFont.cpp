#include "widgets/SkinFont.h"

#include "storage/ConfigIni.h"
#include "widgets/UiScale.h"

namespace {
int g_languageIndex = 0;
}

void setCurrentLanguageIndex(int index)
{
    g_languageIndex = index;
}

int currentLanguageIndex()
{
    return g_languageIndex;
}

int configuredFontSize()
{
    return qMin(readFontSize(g_languageIndex), LargestScalableValue);
}

QFont languageFontOfSize(int designSize)
{
    QFont font(readFontFamily(g_languageIndex));
    const int pixels = scaledPixels(designSize);
    if (pixels > 0)
        font.setPixelSize(pixels);
    return font;
}

QFont languageFont()
{
    return languageFontOfSize(configuredFontSize());
}
