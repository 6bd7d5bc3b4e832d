#include "buttons/ButtonFunctions.h"

#include "storage/FunctionCodes.h"

#include <QtGlobal>

#include <algorithm>

const std::vector<ButtonMenuFunction> &buttonFunctions()
{
    static const std::vector<ButtonMenuFunction> table{
        {FunLeft, QT_TRANSLATE_NOOP("QObject", "Left")},
        {FunRight, QT_TRANSLATE_NOOP("QObject", "Right")},
        {FunMiddle, QT_TRANSLATE_NOOP("QObject", "Middle")},
        {FunForward, QT_TRANSLATE_NOOP("QObject", "Forward")},
        {FunBack, QT_TRANSLATE_NOOP("QObject", "Back")},
        {FunSingleKey, QT_TRANSLATE_NOOP("QObject", "SINGLE KEY")},
        {FunComboKey, QT_TRANSLATE_NOOP("QObject", "COMBO KEY")},
        {FunFireKey, QT_TRANSLATE_NOOP("QObject", "FIRE KEY")},
        {FunButtonOff, QT_TRANSLATE_NOOP("QObject", "Button Off")},
        {FunCut, QT_TRANSLATE_NOOP("QObject", "Cut")},
        {FunCopy, QT_TRANSLATE_NOOP("QObject", "Copy")},
        {FunPaste, QT_TRANSLATE_NOOP("QObject", "Paste")},
        {FunSelectAll, QT_TRANSLATE_NOOP("QObject", "All")},
        {FunFind, QT_TRANSLATE_NOOP("QObject", "Find")},
        {FunNew, QT_TRANSLATE_NOOP("QObject", "New")},
        {FunPrint, QT_TRANSLATE_NOOP("QObject", "Print")},
        {FunSave, QT_TRANSLATE_NOOP("QObject", "Save")},
        {FunSwitchWindow, QT_TRANSLATE_NOOP("QObject", "Switch Window")},
        {FunCloseWindow, QT_TRANSLATE_NOOP("QObject", "Close Window")},
        {FunMyComputer, QT_TRANSLATE_NOOP("QObject", "My Computer")},
        {FunRun, QT_TRANSLATE_NOOP("QObject", "Run")},
        {FunShowDesktop, QT_TRANSLATE_NOOP("QObject", "Show Desktop")},
        {FunLockPc, QT_TRANSLATE_NOOP("QObject", "Lock PC")},
        {FunBrowserHome, QT_TRANSLATE_NOOP("QObject", "Browser Home")},
        {FunBrowserBackward, QT_TRANSLATE_NOOP("QObject", "Browser Backward")},
        {FunBrowserForward, QT_TRANSLATE_NOOP("QObject", "Browser Forward")},
        {FunBrowserStop, QT_TRANSLATE_NOOP("QObject", "Browser Stop")},
        {FunBrowserRefresh, QT_TRANSLATE_NOOP("QObject", "Browser Refresh")},
        {FunBrowserSearch, QT_TRANSLATE_NOOP("QObject", "Browser Search")},
        {FunBrowserFavorite, QT_TRANSLATE_NOOP("QObject", "Browser Favorite")},
        {FunMail, QT_TRANSLATE_NOOP("QObject", "Mail")},
        {FunPlayPause, QT_TRANSLATE_NOOP("QObject", "Play/Pause")},
        {FunStop, QT_TRANSLATE_NOOP("QObject", "Stop")},
        {FunPreviousTrack, QT_TRANSLATE_NOOP("QObject", "Previous Track")},
        {FunNextTrack, QT_TRANSLATE_NOOP("QObject", "Next Track")},
        {FunVolumeUp, QT_TRANSLATE_NOOP("QObject", "Volume Up")},
        {FunVolumeDown, QT_TRANSLATE_NOOP("QObject", "Volume Down")},
        {FunMute, QT_TRANSLATE_NOOP("QObject", "Mute")},
        {FunMediaPlayer, QT_TRANSLATE_NOOP("QObject", "Media Player")},
        {FunDpiSwitch, QT_TRANSLATE_NOOP("QObject", "DPI Switch")},
        {FunDpiUp, QT_TRANSLATE_NOOP("QObject", "DPI +")},
        {FunDpiDown, QT_TRANSLATE_NOOP("QObject", "DPI -")},
        {FunRateUp, QT_TRANSLATE_NOOP("QObject", "Rate +")},
        {FunRateDown, QT_TRANSLATE_NOOP("QObject", "Rate -")},
        {FunScrollUp, QT_TRANSLATE_NOOP("QObject", "Scroll Up")},
        {FunScrollDown, QT_TRANSLATE_NOOP("QObject", "Scroll Down")},
        {FunLedSwitch, QT_TRANSLATE_NOOP("QObject", "Led Switch")},
        {FunSniper, QT_TRANSLATE_NOOP("QObject", "SNIPER")},
        {FunProfileUp, QT_TRANSLATE_NOOP("QObject", "Profile +")},
        {FunProfileDown, QT_TRANSLATE_NOOP("QObject", "Profile -")},
        {FunProfileSwitch, QT_TRANSLATE_NOOP("QObject", "Profile Switch")},
        {FunBossKey, QT_TRANSLATE_NOOP("QObject", "Boss Key")},
        {FunMacro, QT_TRANSLATE_NOOP("QObject", "Macro Manager")},
        {FunGunFile, QT_TRANSLATE_NOOP("QObject", "GunFile Manager")},
    };
    return table;
}

const char *buttonFunctionText(int fun)
{
    const std::vector<ButtonMenuFunction> &table = buttonFunctions();
    const auto it =
        std::find_if(table.begin(), table.end(), [fun](const ButtonMenuFunction &f) { return f.fun == fun; });
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
        {QT_TRANSLATE_NOOP("QObject", "Basic"),
         {FunCut, FunCopy, FunPaste, FunSelectAll, FunFind, FunNew, FunPrint, FunSave},
         true},
        {QT_TRANSLATE_NOOP("QObject", "Windows"),
         {FunSwitchWindow, FunCloseWindow, FunMyComputer, FunRun, FunShowDesktop, FunLockPc, FunBrowserHome,
          FunBrowserBackward, FunBrowserForward, FunBrowserStop, FunBrowserRefresh, FunBrowserSearch,
          FunBrowserFavorite, FunMail, FunBossKey},
         true},
        {QT_TRANSLATE_NOOP("QObject", "Advance"), {FunSingleKey, FunComboKey, FunFireKey, FunSniper}, true},
        {QT_TRANSLATE_NOOP("QObject", "Media"),
         {FunPlayPause, FunStop, FunPreviousTrack, FunNextTrack, FunVolumeUp, FunVolumeDown, FunMute, FunMediaPlayer},
         true},
        {QT_TRANSLATE_NOOP("QObject", "DPI"), {FunDpiSwitch, FunDpiUp, FunDpiDown}, true},
        {QT_TRANSLATE_NOOP("QObject", "Profile Menu"),
         {FunProfileSwitch, FunProfileUp, FunProfileDown, FunGunFile},
         false},
        {QT_TRANSLATE_NOOP("QObject", "Polling Rate"), {FunRateUp, FunRateDown}, true},
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
