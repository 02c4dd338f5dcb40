#include "calc/calc_window.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "calc/calc_steps.h"
#include "calc/calc_texts.h"
#include "calc/calculator_window.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/dirty.h"
#include "sheet/draw_sheet.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <cmath>

namespace {

constexpr TextStyle kTitleStyle{1, 15.0f, true};
constexpr TextStyle kFieldStyle{1, 13.0f, true};
constexpr TextStyle kLabelStyle{0, 13.0f, false, false, 0, true};

} // namespace

void BuildCalcItem(const CalcItem& item)
{
    switch (item.kind) {
    case CalcItemKind::Group: CreateGroupBox(kCalcWnd, item.id, item.r, item.text); break;
    case CalcItemKind::Label: CreateStaticText(kCalcWnd, item.id, item.r, item.text, kLabelStyle); break;
    case CalcItemKind::Unit: CreateStaticText(kCalcWnd, item.id, item.r, item.text); break;
    case CalcItemKind::Input: CreateEditField(kCalcWnd, item.id, item.r, Str255(), kFieldStyle); break;
    case CalcItemKind::Result: CreateResultField(kCalcWnd, item.id, item.r, Str255(), kFieldStyle); break;
    }
    if (item.help) SetControlHelpTag(kCalcWnd, item.id, item.help);
}

namespace {

// The sheet must not scroll under the calculator.
void HoldSheetScrolling()
{
    if (ScrollBtn != 1) return;
    ScrollBtn = 0;
    PreScrollBtn = 1;
}

void CalcTabChange(int tab)
{
    if (calcItemID == kEffiCalc) EffiTabChange(tab);
    if (calcItemID == kFeetCalc) FeetTabChange(tab);
}

void CalcSpaceKey()
{
    if (calcItemID == kEffiCalc) CalcTabChange(effiTabID % 3 + 1);
    if (calcItemID == kFeetCalc) CalcTabChange(tabItem % 5 + 1);
}

int CalcToggleHit(int control)
{
    if (calcItemID != kFeetCalc || control < kFirstToggleCtl || control > kFirstToggleCtl + 4) return kEventNotHandled;
    FeetToggle(control - kFirstToggleCtl + 1);
    return 0;
}

void CloseCalcWindow()
{
    SheetWndClose(kCalcWnd);
    EditWndNum = 1;
    if (PreScrollBtn == 1) {
        ScrollBtn = 1;
        PreScrollBtn = 0;
    }
    CalcWndOnFlag = 0;
}

} // namespace

void BuildCalcWindow(int width, int height, const char* titleText, std::span<const CalcItem> items, int titleControl,
                     int lowerSeparatorTop)
{
    CreateDialogWindow(kCalcWnd, kMainWnd, width, height, "");
    const int inset = titleControl == kFeetTitleCtl ? 5 : 10;
    CreateStaticText(kCalcWnd, titleControl, LTRB(inset, 5, width - inset, 25), Str255(titleText) + s_SP5 + "''",
                     kTitleStyle);
    CreateSeparator(kCalcWnd, 73, LTRB(0, 25, width, 35));
    for (const CalcItem& item : items) BuildCalcItem(item);
    const int separator = lowerSeparatorTop < 0 ? height - 70 : lowerSeparatorTop;
    const int top = separator + 25;
    const int left = (width - 260) / 2; // three 70-point buttons, 95 points apart, centred
    CreateSeparator(kCalcWnd, 74, LTRB(0, separator, width, separator + 10));
    CreatePushButton(kCalcWnd, kCalcCancelCtl, LTRB(left, top, left + 70, top + 20), "Cancel");
    CreatePushButton(kCalcWnd, kCalcCalcCtl, LTRB(left + 95, top, left + 165, top + 20), "Calc.");
    CreatePushButton(kCalcWnd, kCalcOkCtl, LTRB(left + 190, top, left + 260, top + 20), "OK");
    EditWndNum = 2;
    HoldSheetScrolling();
    ShowWindow(kCalcWnd);
}

void ReadCalcField(int field, Str255& text, float& number)
{
    text = GetControlText(kCalcWnd, field);
    number = ToStoredFloat(ReadNumber(text.view()));
}

Str255 CalcResultText(float value, int decimals)
{
    return NumberText(DecimalRound(value, decimals));
}

void FocusFirstField()
{
    SetKeyboardFocus(kCalcWnd, kCalcFirstInput);
    edtFldID = kCalcFirstInput;
    SelectWindow(kCalcWnd);
}

bool AllFinite(std::initializer_list<float> values)
{
    for (float v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

void RefuseCalcInput()
{
    SysBeep();
    UncalcFlag = 1;
}

void CalculateWndOkReturn()
{
    MenuEnable();
    if (calcItemID == kEbpCalc) return CloseCalcWindow();
    if (calcItemID == kFeetCalc) return FeetOkReturn();
    if (CalcCompute()) CalcTransfer();
    CloseCalcWindow();
    if (UncalcFlag == 1) return; // the beep has sounded: nothing changes
    DirtyFlagTrue();
    PassParamAfterCalculate();
    CalcOnFlag = 1;
    DrawSheet();
}

void CloseCalcWindowAfterOk()
{
    CloseCalcWindow();
}

void CalcCancel()
{
    CloseCalcWindow();
    MenuEnable();
    if (cellH > 0) DrawSheet();
}

void CalcButton()
{
    if (calcItemID == kEbpCalc) return;
    if (calcItemID == kFeetCalc) return FeetCalcButton();
    if (CalcCompute()) CalcDisplay();
}

// The Edit menu's keys reach the focused field as Edit commands: while the
// calculator is up the main window's menu bar cannot be reached.
int CalcEditKey(const WindowEvent& e)
{
    if (e.modifiers != kModCommand && e.modifiers != (kModCommand | kModShift)) return kEventNotHandled;
    switch (e.charCode) {
    case 'z': return e.modifiers == kModCommand ? CalcWndEditCommand(kUndoItem) : 0; // Redo: nothing
    case 'x': return CalcWndEditCommand(kCutItem);
    case 'c': return CalcWndEditCommand(kCopyItem);
    case 'v': return CalcWndEditCommand(kPasteItem);
    case 'a': return CalcWndEditCommand(kSelectAllItem);
    default: return kEventNotHandled;
    }
}

int CalcWndKey(const WindowEvent& e)
{
    if (calcItemID != kEbpCalc && CalcEditKey(e) == 0) return 0;
    if (e.modifiers == kModOption) { // any key with exactly Option: Calc., and nothing is typed
        CalcButton();
        return 0;
    }
    switch (e.charCode) {
    case kKeyReturn:
    case kKeyEnter: CalculateWndOkReturn(); return 0;
    case kKeyEscape: CalcCancel(); return 0;
    case kKeySpace: CalcSpaceKey(); return 0; // never a blank in a field
    default: return kEventNotHandled;
    }
}

int CalcWndEvent(const WindowEvent& e)
{
    switch (e.kind) {
    case WindowEventKind::KeyDown:
    case WindowEventKind::KeyRepeat: return CalcWndKey(e);
    case WindowEventKind::Close: CalcCancel(); return 0;
    default: return kEventNotHandled;
    }
}

int CalcWndControlHit(const ControlEvent& e)
{
    switch (e.control) {
    case kCalcOkCtl: CalculateWndOkReturn(); return 0;
    case kCalcCancelCtl: CalcCancel(); return 0;
    case kCalcCalcCtl: CalcButton(); return 0;
    case kCalcUnitRadioCtl: VdUnitChange(); return 0;
    case kCalcImpedanceRadioCtl: EffiImpedanceChange(); return 0;
    case kCalcTabCtl: CalcTabChange(GetControlValue(kCalcWnd, kCalcTabCtl)); return 0;
    default: return CalcToggleHit(e.control);
    }
}
