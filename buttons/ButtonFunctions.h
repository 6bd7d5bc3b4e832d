#pragma once

#include <vector>

// The functions the button page offers, each with the source text of its menu entry
// (translated with the context "QObject"), and where the page's menus list them.
struct ButtonMenuFunction
{
    int fun;
    const char *text;
};

struct ButtonSubMenu
{
    const char *title;
    std::vector<int> funs;
    bool inMainMenu; // the profile submenu exists but no menu lists it
};

// Every function code the page makes an action for, in the order they are made.
const std::vector<ButtonMenuFunction> &buttonFunctions();
// Source text of the code's entry; nullptr for a code the page does not produce.
const char *buttonFunctionText(int fun);

// Main menu of the front and side buttons: these entries, the submenus shown, then
// the macro entry (when the model allows macros) and the closing entries.
const std::vector<int> &mainMenuLeadingFuns();
const std::vector<ButtonSubMenu> &buttonSubMenus();
const std::vector<int> &mainMenuClosingFuns();
// Menu of the two wheel buttons.
const std::vector<int> &wheelMenuFuns();
