#include "app/menu_states.h"

#include "app/ids.h"

namespace {

constexpr Switch K = Switch::Keep;
constexpr Switch I = Switch::On;
constexpr Switch O = Switch::Off;

// Columns: InitMenu1, InitMenu2, InitMenu3, MenuEnable, MenuEnableAtClose, MenuDisable.
constexpr MenuStateEntry kTable[] = {
    {kAppMenu, kAboutItem, {I, I, I, I, I, O}},
    {kAppMenu, kCheckUpdatesItem, {I, I, I, I, I, O}},
    {kAppMenu, kPreferenceItem, {I, I, I, I, I, O}},
    {kAppMenu, kQuitEntry, {I, I, I, I, I, K}},
    {kFileMenu, kTitleEntry, {I, I, I, I, I, O}},
    {kFileMenu, kNewItem, {I, O, O, K, K, K}},
    {kFileMenu, kOpenItem, {I, O, O, K, K, K}},
    {kFileMenu, kCloseItem, {O, I, I, K, K, K}},
    {kFileMenu, kSaveItem, {O, I, I, K, K, K}},
    {kFileMenu, kSaveAsItem, {O, I, I, K, K, K}},
    {kFileMenu, kSaveStationeryItem, {O, I, I, K, K, K}},
    {kFileMenu, kImportItem, {I, O, O, K, K, K}},
    {kFileMenu, kExportItem, {O, I, I, K, K, K}},
    {kFileMenu, kPageSetupItem, {O, I, I, K, K, K}},
    {kFileMenu, kPrintItem, {O, I, I, K, K, K}},
    {kEditMenu, kTitleEntry, {O, I, O, I, O, I}},
    {kEditMenu, kUndoItem, {O, O, K, K, K, K}},
    {kEditMenu, kRedoItem, {O, O, K, K, K, K}},
    {kEditMenu, kCutItem, {I, I, K, K, K, K}},
    {kEditMenu, kCopyItem, {I, I, K, K, K, K}},
    {kEditMenu, kPasteItem, {I, I, K, K, K, K}},
    {kEditMenu, kDeleteItem, {I, I, K, K, K, K}},
    {kEditMenu, kSelectAllItem, {I, I, K, K, K, K}},
    {kSortMenu, kTitleEntry, {O, I, O, I, O, O}},
    {kCalcMenu, kTitleEntry, {O, I, O, I, O, O}},
    {kMiscMenu, kTitleEntry, {O, I, O, I, O, O}},
    {kMiscMenu, kShowSelectLaunchItem, {I, I, K, K, K, K}},
    {kMiscMenu, kShowMerestoneItem, {I, O, K, K, K, K}},
    {kHelpMenu, kTitleEntry, {I, I, I, I, I, O}},
};

} // namespace

std::span<const MenuStateEntry> MenuStateTable()
{
    return kTable;
}
