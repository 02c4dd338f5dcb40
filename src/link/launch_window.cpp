#include "link/launch_window.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "link/hand_over.h"
#include "link/launch.h"
#include "link/link_globals.h"
#include "link/link_messages.h"
#include "link/messages.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "prefs/prefs.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"

#include <string>

namespace {

constexpr unsigned kErrorRed = 0xFF5A00; // 65535, 23000, 0 of 65535
constexpr Rect kAppButtons[3] = {LTRB(19, 96, 191, 146), LTRB(19, 153, 191, 203), LTRB(19, 210, 191, 260)};

int ButtonOf(int sibling)
{
    return kSelLaunchTarnCtl + sibling - kTarnwell;
}

void RestoreScrollButton()
{
    if (PreScrollBtn != 1) return;
    ScrollBtn = 1;
    PreScrollBtn = 0;
}

void MoveDefault(int step)
{
    const bool installed[3] = {SiblingInstalled(kTarnwell), SiblingInstalled(kFellmark), SiblingInstalled(kBeckline)};
    OpenAppNum = CycleSibling(OpenAppNum, step, installed);
    SelectLaunchAppWndBtnChange();
}

void ClickAppButton(int button)
{
    OpenAppNum = button - kSelLaunchTarnCtl + kTarnwell;
    OpenSelectLaunchApp(button); // the window goes at once, so its buttons are not redrawn for the choice
}

void CancelSelectLaunch()
{
    DisposeWindow(kSelectLaunchWnd);
    ModelSelFlag = 0;
    RestoreScrollButton();
    InitMenu2();
    DrawSheet();
}

void QuitFromSelectLaunch()
{
    for (int n : {kTarnwell, kFellmark, kBeckline}) SendToSibling(n, QuitKeyword(n));
    SavePrefs();
    ExitApplication(0);
}

void MissingAppQuit()
{
    DisposeWindow(kMissingAppWnd);
    CloseMainWindow();
    SavePrefs();
    ExitApplication(0);
}

} // namespace

void SelectLaunchAppWnd()
{
    if (ScrollBtn == 1) {
        ScrollBtn = 0;
        PreScrollBtn = 1;
    }
    const int w = kSelectLaunchWnd;
    CreateDialogWindow(w, kMainWnd, 210, 335, "");
    CreateStaticText(w, kSelLaunchTitleCtl, LTRB(10, 5, 200, 25), "Select Launch Application",
                     TextStyle{1, 15.0f, true});
    CreateSeparator(w, kSelLaunchTopRuleCtl, LTRB(0, 25, 210, 35));
    CreateGroupBox(w, kSelLaunchGroupCtl, LTRB(20, 40, 190, 80), "Selected Model Is");
    CreateStaticText(w, kSelLaunchModelCtl, LTRB(22, 58, 188, 73), Row(cellV).name, TextStyle{1, 13.0f, true});
    CreateSeparator(w, kSelLaunchBottomRuleCtl, LTRB(0, 270, 210, 280));
    CreatePushButton(w, kSelLaunchQuitCtl, LTRB(120, 295, 190, 315), "Quit");
    CreatePushButton(w, kSelLaunchCancelCtl, LTRB(20, 295, 90, 315), "Cancel");
    SelectLaunchAppWndBtnChange();
    ShowWindow(w);
}

void SelectLaunchAppWndBtnChange()
{
    for (int n = kTarnwell; n <= kBeckline; ++n) {
        const bool installed = SiblingInstalled(n);
        const std::string image = std::string(SiblingOf(n).processName)
            + (installed && n == OpenAppNum ? "DefaultButton.png" : "Button.png");
        CreatePictureButton(kSelectLaunchWnd, ButtonOf(n), kAppButtons[n - kTarnwell], image);
        SetControlEnabled(kSelectLaunchWnd, ButtonOf(n), installed);
        SetControlHelpTag(kSelectLaunchWnd, ButtonOf(n), "Tab or Page Up/Down Select and Return");
    }
}

void OpenSelectLaunchApp(int button)
{
    const int n = button - kSelLaunchTarnCtl + kTarnwell;
    MiscMenuForSibling();
    QuitOtherSiblings(n);
    DisposeWindow(kSelectLaunchWnd);
    HideWind();
    FastOpenFlag = 1;
    SetOpenApp(n);
    RestoreScrollButton();
    SelectOpenAppSendMasage();
}

int SelectLaunchWndEvent(const WindowEvent& e)
{
    if (e.kind == WindowEventKind::Close) return CancelSelectLaunch(), 0;
    if (e.kind != WindowEventKind::KeyDown && e.kind != WindowEventKind::KeyRepeat) return kEventNotHandled;
    switch (e.charCode) {
    case kKeyEscape: CancelSelectLaunch(); return 0;
    case kKeyReturn:
    case kKeyEnter: OpenSelectLaunchApp(ButtonOf(OpenAppNum)); return 0;
    case kKeyTab:
    case kKeyDown:
    case kKeyPageDown: MoveDefault(1); return 0;
    case kKeyUp:
    case kKeyPageUp: MoveDefault(-1); return 0;
    default: return kEventNotHandled;
    }
}

int SelectLaunchWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kSelLaunchTarnCtl:
    case kSelLaunchFellCtl:
    case kSelLaunchBeckCtl: ClickAppButton(e.control); return 0;
    case kSelLaunchCancelCtl: CancelSelectLaunch(); return 0;
    case kSelLaunchQuitCtl: QuitFromSelectLaunch(); return 0;
    default: return kEventNotHandled;
    }
}

void DoseNotExistAppWnd()
{
    const int w = kMissingAppWnd;
    CreateDialogWindow(w, kMainWnd, 400, 130, "");
    CreateIcon(w, kMissingIconCtl, LTRB(16, 16, 80, 80), StandardIcon::Caution);
    CreateIcon(w, kMissingAppIconCtl, LTRB(48, 48, 80, 80), StandardIcon::Application);
    CreateStaticText(w, kMissingTextCtl, LTRB(99, 40, 390, 60), "Dosen't Exist Launch Application !",
                     TextStyle{1, 17.0f, false, false, kErrorRed});
    CreatePushButton(w, kMissingOkCtl, LTRB(300, 90, 380, 110), "OK");
    CreatePushButton(w, kMissingQuitCtl, LTRB(180, 90, 260, 110), "Quit");
    ShowWindow(w);
}

void DoseNotExistAppOk()
{
    DisposeWindow(kMissingAppWnd);
    ModelSelFlag = 0; // the request ends here; a later save must not bring it back
    MenuEnable();
}

int MissingAppWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kMissingOkCtl: DoseNotExistAppOk(); return 0;
    case kMissingQuitCtl: MissingAppQuit(); return 0;
    default: return kEventNotHandled;
    }
}
