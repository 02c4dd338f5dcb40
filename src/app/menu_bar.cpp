#include "app/menu_bar.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_text.h"
#include "platform/events.h"
#include "platform/mac_roman.h"
#include "platform/menus.h"

#include <span>

namespace {

// An item as the tables write it: its text with the "/" key suffix, and
// whether the key also wants Shift.
struct MenuItemDef {
    const char* text;
    bool shift = false;
};

struct MenuDef {
    int number;
    const char* title;
    std::span<const MenuItemDef> items;
};

constexpr const char* kAppMenuList = "About Merestone;Check for Updates...;-;Preference.../,";

constexpr MenuItemDef kFileItems[] = {
    {"New Data Sheet.../N"},
    {"Open.../O"},
    {"Close/W"},
    {"-"},
    {"Save/S"},
    {"Save As.../S", true},
    {"Save As Stationery..."},
    {"-"},
    {"Import CSV, TXT..."},
    {"Export CSV..."},
    {"-"},
    {"Page Setup.../P", true},
    {"Print.../P"},
};
constexpr MenuItemDef kEditItems[] = {
    {"Undo/Z"}, {"Redo/Z", true}, {"-"}, {"Cut/X"}, {"Copy/C"}, {"Paste/V"}, {"Delete"}, {"Select All/A"},
};
constexpr MenuItemDef kSortItems[] = {
    {"Unsort/U"},     {"Diameter"}, {"Fs"}, {"Vas"},  {"Qts"}, {"Qes"}, {"Qms"}, {"Efficiency"},
    {"Re"},           {"Pemax"},    {"Sd"}, {"Xmax"}, {"Vd"},  {"Le"},  {"-"},   {"Ascending/D", true},
    {"Descending/D"},
};
constexpr MenuItemDef kCalcItems[] = {
    {"Vas.../1"}, {"Qts.../2"}, {"Efficiency.../3"},     {"Sd.../4"},
    {"Vd.../5"},  {"Le.../6"},  {"Feet to Metric.../7"}, {"EBP.../8"},
};
constexpr MenuItemDef kMiscItems[] = {
    {"Show Select Launch Application.../L"},
    {"-"},
    {"Show Merestone/B"},
};
constexpr MenuItemDef kFreqRangeItems[] = {
    {"Full Range"}, {"Woofer"},       {"Sub Woofer"}, {"Mid Woofer"},  {"Mid Range"},    {"Dome Mid"},
    {"Tweeter"},    {"Dome Tweeter"}, {"Coaxial"},    {"Double Corn"}, {"Ellipse Corn"},
};

constexpr MenuItemDef kHelpItems[] = {
    // item 2, the second manual, is inserted after the first
    {"Merestone's Manual//"}, {"Thiele Small Parameters Description"}, {"Release Notes"}, {"-"}, {"Kelvane Web Site"},
    {"Mail to Kelvane"},
};

void AppendItems(int menu, std::span<const MenuItemDef> items)
{
    for (const MenuItemDef& def : items) {
        const ParsedMenuItem parsed = ParseMenuItemText(def.text);
        AppendMenuItem(menu, parsed.text, parsed.key, def.shift ? kModShift : 0u);
    }
}

void BuildMenu(const MenuDef& def)
{
    CreateMenu(def.number, def.title);
    AppendItems(def.number, def.items);
    InsertMenuInBar(def.number);
}

void BuildApplicationMenu()
{
    CreateMenu(kAppMenu, "Merestone");
    for (const std::string& itemText : SplitMenuList(kAppMenuList)) {
        const ParsedMenuItem parsed = ParseMenuItemText(itemText);
        AppendMenuItem(kAppMenu, parsed.text, parsed.key);
    }
    AppendMenuItem(kAppMenu, "-");
    AppendMenuItem(kAppMenu, "Quit Merestone", 'Q', 0, kCommandQuit);
    InsertMenuInBar(kAppMenu);
}

// Help item 2's text is the second manual's name, read at start-up.
void BuildHelpMenu()
{
    CreateMenu(kHelpMenu, "Help");
    AppendItems(kHelpMenu, std::span<const MenuItemDef>(kHelpItems, 1));
    AppendMenuItem(kHelpMenu, MacRomanToUtf8(JPManualName.view()));
    AppendItems(kHelpMenu, std::span<const MenuItemDef>(kHelpItems + 1, std::size(kHelpItems) - 1));
    InsertMenuInBar(kHelpMenu);
}

} // namespace

void InitMenu1()
{
    static constexpr int kRebuilt[] = {kFileMenu, kEditMenu, kSortMenu, kCalcMenu, kMiscMenu, kWindowMenu, kHelpMenu};
    for (int menu : kRebuilt) DeleteMenu(menu);
    if (!MenuExists(kAppMenu)) BuildApplicationMenu();
    BuildMenu({kFileMenu, "File", kFileItems});
    BuildMenu({kEditMenu, "Edit", kEditItems});
    SetMenuItemEnabled(kEditMenu, kRedoItem, false); // never enabled
    BuildMenu({kSortMenu, "Sort", kSortItems});
    SetMenuItemChecked(kSortMenu, kUnsortItem, true);
    SetMenuItemChecked(kSortMenu, kAscendingItem, true);
    BuildMenu({kCalcMenu, "Calculate", kCalcItems});
    BuildMenu({kMiscMenu, "Misc.", kMiscItems});
    CreateStandardWindowMenu(kWindowMenu);
    InsertMenuInBar(kWindowMenu);
    BuildHelpMenu();
    ApplyMenuState(kStateInit1);
}

void InitMenu2()
{
    InitMenu1();
    ApplyMenuState(kStateInit2);
}

void InitMenu3()
{
    ApplyMenuState(kStateInit3);
}

void MenuEnable()
{
    ApplyMenuState(kStateEnable);
}

void MenuEnableAtClose()
{
    ApplyMenuState(kStateEnableAtClose);
}

void MenuEnableAfterWindow()
{
    if (MainWndOpenFlag == 1)
        MenuEnable();
    else
        MenuEnableAtClose();
}

void MenuDisable()
{
    ApplyMenuState(kStateDisable);
}

void ApplyMenuState(MenuState state)
{
    for (const MenuStateEntry& entry : MenuStateTable()) {
        const Switch s = entry.state[state];
        if (s == Switch::Keep) continue;
        const bool on = s == Switch::On;
        if (entry.item == kTitleEntry)
            SetMenuEnabled(entry.menu, on);
        else
            SetMenuItemEnabled(entry.menu, entry.item == kQuitEntry ? kQuitItem : entry.item, on);
    }
}

void BuildFreqRangePopMenu(int menu)
{
    CreateMenu(menu, "");
    AppendItems(menu, kFreqRangeItems);
}

void SetUndoItem(const char* text, bool enabled)
{
    SetMenuItemText(kEditMenu, kUndoItem, text);
    SetMenuItemEnabled(kEditMenu, kUndoItem, enabled);
}
