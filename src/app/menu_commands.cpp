#include "app/menu_commands.h"

#include "app/about.h"
#include "app/app_globals.h"
#include "app/help.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "calc/calc_texts.h"
#include "calc/calculator_window.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_panels.h"
#include "link/launch.h"
#include "platform/menus.h"
#include "prefs/prefs.h"
#include "prefs/update.h"
#include "print/print.h"
#include "sheet/dirty.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_ops.h"
#include "sheet/sheet_globals.h"
#include "sheet/sort.h"

namespace {

int AppMenuCommand(int item)
{
    switch (item) {
    case kAboutItem: HiAboutWnd(); break;
    case kCheckUpdatesItem: CheckForUpdatesCommand(); break;
    case kPreferenceItem: PreferenceWnd(); break;
    default: return kEventNotHandled;
    }
    return 0;
}

int FileMenuCommand(int item)
{
    itemIDPass = static_cast<std::int16_t>(item);
    switch (item) {
    case kNewItem: NewDataSheet(); break;
    case kOpenItem: OpenDialogSSTFile(); break;
    case kCloseItem: CloseSequence(); break;
    case kSaveItem: SaveRule(); break;
    case kSaveAsItem: SaveAsSSTFile(); break;
    case kSaveStationeryItem: SaveAsStationeryFile(); break;
    case kImportItem: ImportCSVFile(); break;
    case kExportItem: ExportCSVFile(); break;
    case kPageSetupItem: PageSetupSequence(); break;
    case kPrintItem: PrintSequence(); break;
    default: return kEventNotHandled;
    }
    return 0;
}

int EditMenuCommand(int item)
{
    switch (EditWndNum) {
    case 1: return EditMenuForMainWnd(item);
    case 2: return CalcWndEditCommand(item);
    default: return kEventNotHandled;
    }
}

int SortMenuCommand(int item)
{
    if (item >= kUnsortItem && item <= kLastKeyItem)
        SortKeyChoice(item);
    else if (item == kAscendingItem)
        SortDirectionChoice(1);
    else if (item == kDescendingItem)
        SortDirectionChoice(2);
    else
        return kEventNotHandled;
    SortFollowUp();
    return 0;
}

int CalcMenuCommand(int item)
{
    OpenCalculatorWindow(item);
    return 0;
}

int MiscMenuCommand(int item)
{
    switch (item) {
    case kShowSelectLaunchItem: ShowSelectLaunchApplication(); break;
    case kShowMerestoneItem: ShowMerestone(); break;
    default: return kEventNotHandled;
    }
    return 0;
}

int HelpMenuCommand(int item)
{
    switch (item) {
    case 1: OpenManual(); break;
    case 2: OpenSecondManual(); break;
    case 3: OpenParametersDescription(); break;
    case 4: OpenReleaseNotes(); break;
    case 6: LaunchMyURL(0); break;
    case 7: MailToMaker(); break;
    default: return kEventNotHandled;
    }
    return 0;
}

} // namespace

void InstallApplicationHandler()
{
    InstallCommandHandler(ApplicationEventHandler);
}

int ApplicationEventHandler(const MenuCommand& cmd)
{
    // The Edit menu works on the field itself; every other command may
    // reorder, replace, save or read the rows, so typing is stored first.
    if (cmd.menu != kEditMenu) CommitEditField();
    if (cmd.commandId == kCommandQuit) {
        QuitSequence();
        return 0;
    }
    switch (cmd.menu) {
    case kAppMenu: return AppMenuCommand(cmd.item);
    case kFileMenu: return FileMenuCommand(cmd.item);
    case kEditMenu: return EditMenuCommand(cmd.item);
    case kSortMenu: return SortMenuCommand(cmd.item);
    case kCalcMenu: return CalcMenuCommand(cmd.item);
    case kMiscMenu: return MiscMenuCommand(cmd.item);
    case kHelpMenu: return HelpMenuCommand(cmd.item);
    default: return kEventNotHandled;
    }
}

void SortKeyChoice(int item)
{
    SetMenuItemChecked(kSortMenu, sortItmID, false);
    SetMenuItemChecked(kSortMenu, item, true);
    sortItmID = static_cast<std::int16_t>(item);
    if (item == kUnsortItem)
        AscendSort();
    else
        SelectSort();
}

void SortDirectionChoice(int direction)
{
    SetMenuItemChecked(kSortMenu, kAscendingItem, direction == 1);
    SetMenuItemChecked(kSortMenu, kDescendingItem, direction == 2);
    sendItmID = static_cast<std::int16_t>(direction);
    SelectSort();
}

void SortFollowUp()
{
    cellV = 1;
    CalcParaChangBeforeSort();
    if (cellH != 0) s_PASS = CalcTextOfColumn(cellH);
    CalcOnFlag = 1;
    DrawSheet();
    DirtyFlagTrue();
}
