#include "buttons/ButtonFunctions.h"

#include "storage/FunctionCodes.h"

#include <algorithm>

const std::vector<ButtonFunction> &buttonFunctions()
{
    static const std::vector<ButtonFunction> table{
        {FunLeft, "Left"},
        {FunRight, "Right"},
        {FunMiddle, "Middle"},
        {FunForward, "Forward"},
        {FunBack, "Back"},
        {FunSingleKey, "SINGLE KEY"},
        {FunComboKey, "COMBO KEY"},
        {FunFireKey, "FIRE KEY"},
        {FunButtonOff, "Button Off"},
        {FunCut, "Cut"},
        {FunCopy, "Copy"},
        {FunPaste, "Paste"},
        {FunSelectAll, "All"},
        {FunFind, "Find"},
        {FunNew, "New"},
        {FunPrint, "Print"},
        {FunSave, "Save"},
        {FunSwitchWindow, "Switch Window"},
        {FunCloseWindow, "Close Window"},
        {FunMyComputer, "My Computer"},
        {FunRun, "Run"},
        {FunShowDesktop, "Show Desktop"},
        {FunLockPc, "Lock PC"},
        {FunBrowserHome, "Browser Home"},
        {FunBrowserBackward, "Browser Backward"},
        {FunBrowserForward, "Browser Forward"},
        {FunBrowserStop, "Browser Stop"},
        {FunBrowserRefresh, "Browser Refresh"},
        {FunBrowserSearch, "Browser Search"},
        {FunBrowserFavorite, "Browser Favorite"},
        {FunMail, "Mail"},
        {FunPlayPause, "Play/Pause"},
        {FunStop, "Stop"},
        {FunPreviousTrack, "Previous Track"},
        {FunNextTrack, "Next Track"},
        {FunVolumeUp, "Volume Up"},
        {FunVolumeDown, "Volume Down"},
        {FunMute, "Mute"},
        {FunMediaPlayer, "Media Player"},
        {FunDpiSwitch, "DPI Switch"},
        {FunDpiUp, "DPI +"},
        {FunDpiDown, "DPI -"},
        {FunRateUp, "Rate +"},
        {FunRateDown, "Rate -"},
        {FunScrollUp, "Scroll Up"},
        {FunScrollDown, "Scroll Down"},
        {FunLedSwitch, "Led Switch"},
        {FunSniper, "SNIPER"},
        {FunProfileUp, "Profile +"},
        {FunProfileDown, "Profile -"},
        {FunProfileSwitch, "Profile Switch"},
        {FunBossKey, "Boss Key"},
        {FunMacro, "Macro Manager"},
        {FunGunFile, "GunFile Manager"},
    };
    return table;
}

const char *buttonFunctionText(int fun)
{
    const std::vector<ButtonFunction> &table = buttonFunctions();
    const auto it = std::find_if(table.begin(), table.end(), [fun](const ButtonFunction &f) { return f.fun == fun; });
    return it != table.end() ? it->text : nullptr;
}

const std::vector<int> &mainMenuLeadingFuns()
{
    static const std::vector<int> funs{FunLeft, FunRight, FunMiddle, FunForward, FunBack};
    return funs;
}

const std::vector<ButtonSubMenu> &buttonSubMenus()
{
    static const std::vector<ButtonSubMenu> menus{
        {"Basic", {FunCut, FunCopy, FunPaste, FunSelectAll, FunFind, FunNew, FunPrint, FunSave}, true},
        {"Windows",
         {FunSwitchWindow, FunCloseWindow, FunMyComputer, FunRun, FunShowDesktop, FunLockPc, FunBrowserHome,
          FunBrowserBackward, FunBrowserForward, FunBrowserStop, FunBrowserRefresh, FunBrowserSearch,
          FunBrowserFavorite, FunMail, FunBossKey},
         true},
        {"Advance", {FunSingleKey, FunComboKey, FunFireKey, FunSniper}, true},
        {"Media",
         {FunPlayPause, FunStop, FunPreviousTrack, FunNextTrack, FunVolumeUp, FunVolumeDown, FunMute,
          FunMediaPlayer},
         true},
        {"DPI", {FunDpiSwitch, FunDpiUp, FunDpiDown}, true},
        {"Profile Menu", {FunProfileSwitch, FunProfileUp, FunProfileDown, FunGunFile}, false},
        {"Polling Rate", {FunRateUp, FunRateDown}, true},
    };
    return menus;
}

const std::vector<int> &mainMenuClosingFuns()
{
    static const std::vector<int> funs{FunLedSwitch, FunButtonOff};
    return funs;
}

const std::vector<int> &wheelMenuFuns()
{
    static const std::vector<int> funs{FunScrollUp, FunScrollDown, FunVolumeUp, FunVolumeDown, FunLeft, FunRight,
                                       FunMiddle,   FunForward,    FunBack,     FunSingleKey,  FunComboKey};
    return funs;
}
