#include "app/VariantSettings.h"

#include <QtGlobal>

const VariantSettings &programVariant()
{
    static const VariantSettings settings = [] {
        VariantSettings v;
        v.programName = QStringLiteral("mousecfg");
        v.batteryFullFromConfig = true;
        v.batteryTextColour = QStringLiteral("color: rgb(0, 0, 0);");
        v.noMouseBoxType = 4;
        v.noMouseMessage = QT_TRANSLATE_NOOP("QObject", "Dongle Disconnect!");
        v.col04RemovalWarning = false;
        v.captionFitFirst = false;
        v.iconSkin = QStringLiteral("/skin/icon.ico");
        return v;
    }();
    return settings;
}
