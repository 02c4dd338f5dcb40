#include "link/hand_over.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_panels.h"
#include "link/launch.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "link/messages.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "prefs/prefs.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

namespace {

constexpr TextStyle kPromptText{4, 13.0f}; // Lucida Grande Bold
constexpr TextStyle kPromptInfo{1, 11.0f};

// The sibling s_OpenApp names takes the front with the whole row selected.
void FinishHandOver()
{
    const int open = OpenAppSibling(s_OpenApp);
    if (open != kNoSibling) {
        SendToSibling(open, Str255("IamFreeFromMere"));
        LaunchAppX(open);
    }
    OpenAppFlag = 1;
    FileGateFlag = 0;
    cellHbak = cellH;
    cellH = 0;
    // The prompt left the menus off: the window goes where the other way of
    // handing over puts it, so Show Merestone brings both back.
    HideWind();
}

void HandOverSave()
{
    DisposeWindow(kHandOverSaveWnd);
    if (!SaveSSTFile()) return MenuEnable(); // the document stays, unsaved, in front
    FinishHandOver();
}

void HandOverDontSave()
{
    DisposeWindow(kHandOverSaveWnd);
    FinishHandOver();
    ReOpenSSTFile();
}

} // namespace

void MiscMenuForSibling()
{
    SetMenuEnabled(kMiscMenu, true);
    SetMenuItemEnabled(kMiscMenu, kShowSelectLaunchItem, false);
    SetMenuItemEnabled(kMiscMenu, kShowMerestoneItem, true);
}

void HideWind()
{
    HideWindow(kMainWnd);
}

void ShowWind()
{
    ShowWindow(kMainWnd);
    SelectWindow(kMainWnd);
}

void ShowMereForSibling()
{
    if (MainWndOpenFlag != 1) return SelectWindow(kStartWnd);
    ShowWind();
    InitMenu2();
    cellH = cellHbak;
    DrawSheet();
}

// With no document the start window stays as it is: hiding it, or turning
// its menus off, would leave the user nothing to work with.
void HideMereForSibling()
{
    if (MainWndOpenFlag != 1) return;
    MenuDisable();
    MiscMenuForSibling();
    cellHbak = cellH;
    HideWind();
    const int open = OpenAppSibling(s_OpenApp);
    if (open != kNoSibling) LaunchAppX(open);
}

void HandOverToSibling(int number)
{
    const Sibling& s = SiblingOf(number);
    if (FileOpenFlag == kSavedInItsFile && DirtyFlag == 1) {
        SendToSibling(number, Str255("StopOpenFile") + s.shortCode + "FromMere");
        MenuDisable();
        return NavAskSaveDontWnd();
    }
    s_OpenApp = Str255(s.openApp);
    SendToSibling(number, Str255("IamFreeFromMere"));
    QuitOtherSiblings(number);
    if (MainWndOpenFlag != 1) return;
    MenuDisable();
    HideWind();
}

void QuitForSibling()
{
    if (DirtyFlag == 0) {
        SavePrefs();
        return ExitApplication(0);
    }
    // Unsaved work is never thrown away: the user answers the save prompt.
    if (QuitFlag == 1) return; // the prompt is already up
    ShowWind();
    QuitSequence();
}

void NavAskSaveDontWnd()
{
    const int open = OpenAppSibling(s_OpenApp);
    if (open == kTarnwell || open == kBeckline)
        SendToSibling(open, Str255("ActivateMe") + SiblingOf(open).shortCode + "FromMere");
    ShowWind();
    CreateDialogWindow(kHandOverSaveWnd, kMainWnd, 420, 131, "");
    CreateIcon(kHandOverSaveWnd, kHandOverIconCtl, LTRB(24, 16, 88, 80), StandardIcon::Application);
    CreateStaticText(kHandOverSaveWnd, kHandOverTextCtl, LTRB(105, 16, 410, 80),
                     "Do you want to save the changes you made to this document?", kPromptText);
    CreateStaticText(kHandOverSaveWnd, kHandOverInfoCtl, LTRB(105, 60, 455, 80),
                     "Your changes will be lost if you don't save them.", kPromptInfo);
    CreatePushButton(kHandOverSaveWnd, kHandOverSaveCtl, LTRB(320, 91, 400, 111), "Save");
    CreatePushButton(kHandOverSaveWnd, kHandOverDontSaveCtl, LTRB(170, 91, 280, 111), "Don't Save");
    ShowWindow(kHandOverSaveWnd);
}

int HandOverWndEvent(const WindowEvent& e)
{
    if (!IsDefaultButtonKey(e)) return kEventNotHandled;
    HandOverSave();
    return 0;
}

int HandOverWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kHandOverSaveCtl: HandOverSave(); return 0;
    case kHandOverDontSaveCtl: HandOverDontSave(); return 0;
    default: return kEventNotHandled;
    }
}
