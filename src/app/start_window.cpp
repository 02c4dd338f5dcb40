#include "app/start_window.h"

#include "app/ids.h"
#include "platform/controls.h"
#include "platform/windows.h"

namespace {

void CreateStartWindow()
{
    CreateMenuBarWindow(kStartWnd, 480, 150, "Merestone");
    CreatePicture(kStartWnd, kStartIconCtl, LTRB(20, 20, 84, 84), "merestone-64.png");
    CreateStaticText(kStartWnd, kStartTextCtl, LTRB(100, 24, 460, 80),
                     "Start a new data sheet, or open or import one.");
    CreateMenuItemButton(kStartWnd, kStartNewCtl, LTRB(20, 104, 170, 130), "New Data Sheet...", kFileMenu, kNewItem);
    CreateMenuItemButton(kStartWnd, kStartOpenCtl, LTRB(180, 104, 290, 130), "Open...", kFileMenu, kOpenItem);
    CreateMenuItemButton(kStartWnd, kStartImportCtl, LTRB(300, 104, 460, 130), "Import CSV, TXT...", kFileMenu,
                         kImportItem);
}

} // namespace

void ShowStartWindow()
{
    if (!WindowExists(kStartWnd)) CreateStartWindow();
    ShowWindow(kStartWnd);
}

void HideStartWindow()
{
    HideWindow(kStartWnd);
}
