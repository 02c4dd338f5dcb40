#include "calc/calculator_window.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "calc/calc_steps.h"
#include "calc/calc_texts.h"
#include "calc/calc_window.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/services.h"

namespace {

Str255 FocusedText()
{
    return GetControlText(kCalcWnd, edtFldID);
}

void SetFocusedText(const Str255& text)
{
    SetControlText(kCalcWnd, edtFldID, text);
}

// Focusing the field again selects its whole text.
void RefocusField()
{
    SetKeyboardFocus(kCalcWnd, edtFldID);
}

void PasteIntoFocusedField()
{
    Str255 text;
    if (GetTextFromClipboard(text))
        SetFocusedText(text);
    else
        SysBeep();
}

void CalcUndo()
{
    SetUndoItem("Undo", false);
    if (undoItemID == kCutItem)
        PasteIntoFocusedField();
    else if (undoItemID == kPasteItem)
        SetFocusedText(UndoText);
    RefocusField();
}

void CalcCutOrDelete(int item)
{
    if (item == kCutItem) SetUndoItem("Undo Cut", true);
    undoItemID = static_cast<std::int16_t>(item);
    UndoText = FocusedText();
    PutTextToClipboard(UndoText);
    SetFocusedText(Str255());
}

void CalcCopy()
{
    UndoText = FocusedText();
    PutTextToClipboard(UndoText);
}

void CalcPaste()
{
    SetUndoItem("Undo Paste", true);
    undoItemID = kPasteItem;
    UndoText = FocusedText();
    PasteIntoFocusedField();
    RefocusField();
}

} // namespace

void OpenCalculatorWindow(int item)
{
    calcItemID = static_cast<std::int16_t>(item);
    CalcWndOnFlag = 1;
    MenuDisable();
    if (item == kFeetCalc) {
        tabItem = 1;
        FTMCancelFlag = 0;
        keepBtn1 = keepBtn2 = keepBtn3 = keepBtn4 = keepBtn5 = 0;
    }
    CalcParaChang();
    if (item == kVdCalc) CalcParaChangVd();
    if (item == kFeetCalc) FtToMetParaChange();
    CalcBuildWindow();
    CalcDisplay();
}

int CalcWndEditCommand(int item)
{
    const int focused = FocusedControl(kCalcWnd);
    if (focused >= kCalcFirstInput && focused <= kCalcLastInput) edtFldID = static_cast<std::int16_t>(focused);
    switch (item) {
    case kUndoItem: CalcUndo(); return 0;
    case kRedoItem: return 0;
    case kCutItem: CalcCutOrDelete(kCutItem); return 0;
    case kCopyItem: CalcCopy(); return 0;
    case kPasteItem: CalcPaste(); return 0;
    case kDeleteItem: CalcCutOrDelete(kDeleteItem); return 0;
    case kSelectAllItem: RefocusField(); return 0;
    default: return kEventNotHandled;
    }
}
