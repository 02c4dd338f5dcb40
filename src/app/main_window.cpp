#include "app/main_window.h"

#include "app/app_globals.h"
#include "app/context_menu.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "app/start_window.h"
#include "calc/calc_globals.h"
#include "docs/doc_globals.h"
#include "link/hand_over.h"
#include "link/link_globals.h"
#include "link/messages.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_geometry.h"
#include "sheet/sheet_globals.h"

namespace {

constexpr int kMinContentHeight = 400;

void CreateMainControls()
{
    CreatePlacard(kMainWnd, kPlacardCtl, LTRB(0, 0, 941, 48));
    CreateStaticText(kMainWnd, kNoLabelCtl, LTRB(7, 17, 31, 33), "No.");
    CreatePicture(kMainWnd, kCounterBackCtl, LTRB(35, 14, 98, 35), "NumberBuleBack.png");
    CreatePushButton(kMainWnd, kAddNewModelCtl, LTRB(719, 14, 839, 34), "Add New Model");
    CreatePushButton(kMainWnd, kSelectCtl, LTRB(848, 14, 929, 34), "Select");
    SetControlHelpTag(kMainWnd, kSelectCtl, "Model Select\nShortcut is 'Option + Enter'");
    CreateBevelButton(kMainWnd, kUpArrowCtl, LTRB(651, 11, 676, 37), "UpArrow.png", "");
    SetControlHelpTag(kMainWnd, kUpArrowCtl, "Moved to Upper Selected Model");
    CreateBevelButton(kMainWnd, kDownArrowCtl, LTRB(684, 11, 709, 37), "DownArrow.png", "");
    SetControlHelpTag(kMainWnd, kDownArrowCtl, "Moved to Lower Selected Model");
    CreateBevelButton(kMainWnd, kFreqRangeCtl, LTRB(344, 14, 426, 35), "", "Freq. Range", kFreqRangeMenu);
    SetControlHelpTag(kMainWnd, kFreqRangeCtl, "Select Usable Frequency Range");
    CreateDisclosureTriangle(kMainWnd, kExplanationTriangleCtl, LTRB(433, 20, 448, 30), ExplanationState);
    SetControlHelpTag(kMainWnd, kExplanationTriangleCtl, "Show Parameter Explanation");
}

} // namespace

void MainWnd1()
{
    const bool keepPlace = BoundsCheck == 1 || RePosiFlag == 1;
    const int left = keepPlace ? Bounds.left : 0;
    const int top = keepPlace ? Bounds.top : 44;
    CreateDocumentWindow(kMainWnd, LTRB(left, top, left + kSheetWidth, top + kMinContentHeight));
    InstallBoundsChangedHandler(kMainWnd, WndLiveResizeEventHandler);
    const Rect screen = AvailableScreenBounds();
    CreateMainControls();
    SetWindowResizeLimits(kMainWnd, kSheetWidth, kMinContentHeight, kSheetWidth, screen.Height());
    SetInstallScrollButton();
    InstallContextualMenuHandler(kMainWnd);
    EditWndNum = 1;
    MainWndOpenFlag = 1;
    HideStartWindow();
    ShowWindow(kMainWnd);
    SetWindowTitle(kMainWnd, fileName1);
    if (FileOpenFlag == kSavedInItsFile) SetWindowFilePath(kMainWnd, fileUrl);
    SetWindowModifiedMark(kMainWnd, DirtyFlag == 1);
}

void CloseMainWindow()
{
    DisposeWindow(kMainWnd);
    MainWndOpenFlag = 0;
}

int WndLiveResizeEventHandler(const WindowEvent& e)
{
    if (e.sizeChanged && CalcWndOnFlag == 0) {
        SetInstallScrollButton();
        ScrollValue = 0;
        SelectBtnFlag = 1;
        DrawSheet();
    }
    return kEventNotHandled;
}

void RecordMainWindowBounds()
{
    Bounds = GetWindowContentBounds(kMainWnd);
    RePosiFlag = 1;
}

void ShowMerestone()
{
    HideOtherApp();
    ShowMereForSibling();
}

void SheetWndClose(int window)
{
    if (WindowIsSheet(window)) HideWindow(window);
    DisposeWindow(window);
}
