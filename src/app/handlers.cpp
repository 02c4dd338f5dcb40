#include "app/handlers.h"

#include "app/ids.h"
#include "app/main_window.h"
#include "calc/calc_window.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_windows.h"
#include "link/hand_over.h"
#include "link/launch_window.h"
#include "prefs/prefs.h"
#include "prefs/update.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"
#include "sheet/sheet_input.h"

namespace {

int MainWndEvent(const WindowEvent& e)
{
    switch (e.kind) {
    case WindowEventKind::Close: CloseSequence(); return 0;
    case WindowEventKind::BoundsChanged: RecordMainWindowBounds(); return kEventNotHandled;
    case WindowEventKind::Activated: WndDeactiveFlag = 0; return kEventNotHandled;
    case WindowEventKind::Deactivated: WndDeactiveFlag = 1; return kEventNotHandled;
    case WindowEventKind::MouseDown: SheetMouseDown(e); return 0;
    case WindowEventKind::MouseWheel: SheetWheel(e); return 0;
    case WindowEventKind::KeyDown:
    case WindowEventKind::KeyRepeat: return SheetKey(e);
    default: return kEventNotHandled;
    }
}

int StartWndEvent(const WindowEvent& e)
{
    switch (e.kind) {
    case WindowEventKind::Close: QuitSequence(); return 0;
    default: return kEventNotHandled;
    }
}

int MainWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kScrollBarCtl: WindowScrollButtonHitHandler(e.part); return 0;
    case kAddNewModelCtl: AddNewModelButton(); return 0;
    case kSelectCtl: SelectButton(); return 0;
    case kUpArrowCtl: MoveUpButton(); return 0;
    case kDownArrowCtl: MoveDownButton(); return 0;
    case kFreqRangeCtl: FreqRangeChoice(e.menuItem); return 0;
    case kExplanationTriangleCtl: ExplanationToggle(); return 0;
    default: return kEventNotHandled;
    }
}

// Windows 7 and 8 have one button each.
int FileErrorWndControlHit(const ControlEvent& e, void (*button)())
{
    if (e.control != kFileErrButtonCtl) return kEventNotHandled;
    button();
    return 0;
}

// Windows 5, 7 and 8 have one safe answer: closing the window, Return,
// Enter and Escape all give it, so no way out leaves the menus off.
int SafeAnswerWndEvent(const WindowEvent& e, void (*answer)())
{
    const bool escape = e.kind == WindowEventKind::KeyDown && e.charCode == kKeyEscape;
    if (e.kind != WindowEventKind::Close && !IsDefaultButtonKey(e) && !escape) return kEventNotHandled;
    answer();
    return 0;
}

} // namespace

void InstallWindowHandlers()
{
    InstallWindowEventHandler(WindowEventHandler);
    InstallControlHitHandler(ControlHitHandler);
}

int WindowEventHandler(const WindowEvent& e)
{
    switch (e.window) {
    case kMainWnd: return MainWndEvent(e);
    case kStartWnd: return StartWndEvent(e);
    case kCalcWnd: return CalcWndEvent(e);
    case kFileDoesNotOpenWnd: return SafeAnswerWndEvent(e, FileDoesNotOpenOk);
    case kFileErrQuitWnd: return SafeAnswerWndEvent(e, FileErrQuitButton);
    case kSelectLaunchWnd: return SelectLaunchWndEvent(e);
    case kMissingAppWnd: return SafeAnswerWndEvent(e, DoseNotExistAppOk);
    case kHandOverSaveWnd: return HandOverWndEvent(e);
    case kPrefsWnd: return PrefsWndEvent(e);
    case kUpdateWnd: return UpdateWndEvent(e);
    default: return kEventNotHandled;
    }
}

int ControlHitHandler(const ControlEvent& e)
{
    if (e.kind != ControlEventKind::Hit) return kEventNotHandled;
    switch (e.window) {
    case kMainWnd: return MainWndControlHit(e);
    case kCalcWnd: return CalcWndControlHit(e);
    case kFileDoesNotOpenWnd: return FileErrorWndControlHit(e, FileDoesNotOpenOk);
    case kFileErrQuitWnd: return FileErrorWndControlHit(e, FileErrQuitButton);
    case kSelectLaunchWnd: return SelectLaunchWndControlHit(e);
    case kMissingAppWnd: return MissingAppWndControlHit(e);
    case kHandOverSaveWnd: return HandOverWndControlHit(e);
    case kPrefsWnd: return PrefsWndControlHit(e);
    case kUpdateWnd: return UpdateWndControlHit(e);
    default: return kEventNotHandled;
    }
}
