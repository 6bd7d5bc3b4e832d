#pragma once

#include <QString>

// The values in which the two programs differ. Each program's variant/ source
// defines programVariant(); the libraries only read it.
struct VariantSettings
{
    QString programName;
    // Full-battery threshold: "Config/BatteryFull" when true, else fixed at 4200.
    bool batteryFullFromConfig = true;
    // Text colour rule of the battery bar's style sheet.
    QString batteryTextColour;
    // The box shown when the window opens without a mouse.
    int noMouseBoxType = 4;
    const char *noMouseMessage = "";
    // An extra "Dongle Disconnect!" box when the receiver's vendor interface goes.
    bool col04RemovalWarning = false;
    // Caption rule of the skinned buttons (QuorPushButton::setCaptionFitFirst).
    bool captionFitFirst = false;
    // Window and tray icon, a skin literal.
    QString iconSkin;
};

const VariantSettings &programVariant();
