#pragma once

// Button function codes: the values of ButtonSlot::Fun, and the parameter values
// some of them keep in Res1.

constexpr int FunLeft = 1;
constexpr int FunRight = 2;
constexpr int FunMiddle = 3;
constexpr int FunForward = 4;
constexpr int FunBack = 5;
constexpr int FunSingleKey = 6;   // Res1: program key code
constexpr int FunComboKey = 7;    // key steps: {usage, 0x05, 0x80 press / 0x00 release}
constexpr int FunFireKey = 12;    // Res1: source, LoopNumber: times, KeyNumber: delay
constexpr int FunButtonOff = 16;
constexpr int FunCut = 17;
constexpr int FunCopy = 18;
constexpr int FunPaste = 19;
constexpr int FunSelectAll = 20;
constexpr int FunFind = 21;
constexpr int FunNew = 22;
constexpr int FunPrint = 23;
constexpr int FunSave = 24;
constexpr int FunSwitchWindow = 25;
constexpr int FunCloseWindow = 26;
constexpr int FunMyComputer = 27;
constexpr int FunRun = 28;
constexpr int FunShowDesktop = 29;
constexpr int FunLockPc = 30;
constexpr int FunBrowserHome = 31;
constexpr int FunBrowserBackward = 32;
constexpr int FunBrowserForward = 33;
constexpr int FunBrowserStop = 34;
constexpr int FunBrowserRefresh = 35;
constexpr int FunBrowserSearch = 36;
constexpr int FunBrowserFavorite = 37;
constexpr int FunMail = 38;
constexpr int FunPlayPause = 39;
constexpr int FunStop = 40;
constexpr int FunPreviousTrack = 41;
constexpr int FunNextTrack = 42;
constexpr int FunVolumeUp = 43;
constexpr int FunVolumeDown = 44;
constexpr int FunMute = 45;
constexpr int FunMediaPlayer = 46;
constexpr int FunDpiSwitch = 47;
constexpr int FunDpiUp = 48;
constexpr int FunDpiDown = 49;
constexpr int FunRateUp = 50;
constexpr int FunRateDown = 51;
constexpr int FunScrollUp = 52;
constexpr int FunScrollDown = 53;
constexpr int FunLedSwitch = 54;
constexpr int FunSniper = 55;     // Res1: sniper raw DPI value
constexpr int FunProfileUp = 57;
constexpr int FunProfileDown = 58;
constexpr int FunProfileSwitch = 59;
constexpr int FunBossKey = 62;
constexpr int FunMacro = 200;     // macroname, LoopNumber, Res1: loop mode, key steps from the file
constexpr int FunGunFile = 510;   // as FunMacro, from a recoil file

// Whether a code names a macro or recoil file in macroname.
constexpr bool usesMacroFile(int fun)
{
    return fun == FunMacro || fun == FunGunFile;
}

// Res1 of FunMacro and FunGunFile.
constexpr int MacroLoopCount = 0;        // repeat LoopNumber times
constexpr int MacroLoopWhileHeld = 1;    // repeat while the button is held
constexpr int MacroLoopUntilPressed = 2; // repeat until the button is pressed again

// Res1 of FunFireKey for the mouse buttons; any other value is a keyboard usage.
constexpr int FireLeftButton = 129;
constexpr int FireRightButton = 130;
constexpr int FireMiddleButton = 132;
