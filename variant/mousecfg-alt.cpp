#include "app/VariantSettings.h"

#include <QtGlobal>

const VariantSettings &programVariant()
{
    static const VariantSettings settings = [] {
        VariantSettings v;
        v.programName = QStringLiteral("mousecfg-alt");
        v.batteryFullFromConfig = false;
        v.batteryTextColour = QStringLiteral("color: rgb(250, 250, 250);");
        v.noMouseBoxType = 2;
        v.noMouseMessage = QT_TRANSLATE_NOOP("QObject", "NO MOUSE DETECTED!");
        v.col04RemovalWarning = true;
        v.captionFitFirst = true;
        v.iconSkin = QStringLiteral("/skin/icon-alt.ico");
        return v;
    }();
    return settings;
}
