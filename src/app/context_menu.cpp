#include "app/context_menu.h"

#include "app/ids.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "sheet/model_ops.h"
#include "sheet/sheet_globals.h"
#include "sheet/sheet_input.h"

namespace {

// The menu's geometry was measured from the top of the window frame, with
// a 22-point title bar above the content.
constexpr int kTitleBarHeight = 22;

} // namespace

void InstallContextualMenuHandler(int window)
{
    InstallContextMenuHandler(window, ContextualMenuHandler);
}

bool ContextMenuAllowedAt(int x, int frameY, int column)
{
    if (frameY > 104) return true;                                          // the rows of the sheet
    return column != 0 && x > 207 && x < 319 && frameY > 36 && frameY < 57; // the edit field
}

int ContextualMenuHandler(int window, int x, int y)
{
    // The menu acts on what is under the pointer: select it as a plain
    // click would (storing any typing) before offering the commands.
    WindowEvent click;
    click.kind = WindowEventKind::MouseDown;
    click.window = window;
    click.x = x;
    click.y = y;
    click.clickCount = 1;
    SheetMouseDown(click);
    if (ContextMenuAllowedAt(x, y + kTitleBarHeight, cellH)) ShowContextMenuForClickOnSheet(x, y);
    return 0;
}

void ShowContextMenuForClickOnSheet(int x, int y)
{
    CreateMenu(kContextMenu, "");
    for (const char* text : {"Cut", "Copy", "Past", "Delete", "Select All"}) AppendMenuItem(kContextMenu, text);
    const int item = PopUpMenuSelect(kContextMenu, kMainWnd, x, y - 20);
    if (item > 0) PostContextualMenuEvents(item);
    DeleteMenu(kContextMenu);
}

void PostContextualMenuEvents(int item)
{
    static constexpr int kEditItems[] = {kCutItem, kCopyItem, kPasteItem, kDeleteItem, kSelectAllItem};
    if (item >= 1 && item <= 5) EditMenuForMainWnd(kEditItems[item - 1]);
}
