#include "sheet/sheet_input.h"

#include "app/ids.h"
#include "calc/calc_globals.h"
#include "calc/calc_texts.h"
#include "link/launch.h"
#include "link/link_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/dirty.h"
#include "sheet/draw_sheet.h"
#include "sheet/row_moves.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_geometry.h"
#include "sheet/sheet_globals.h"

#include <algorithm>

namespace {

constexpr const char* kShortRangeLabels[] = {
    "Full Rng", "Woofer", "SubWof",  "Mid Wof", "Mid Rng", "Dom Mid",
    "Tweeter",  "Dom Tw", "Coaxial", "W Corn",  "Ellipse",
};

void SelectClickedCell()
{
    if (mouseH <= kNoColumnRight)
        cellH = 0;
    else if (mouseH <= kNameColumnRight)
        cellH = 1;
    else
        cellH = static_cast<std::int16_t>((mouseH - kNameColumnRight) / kColumnWidth + 2);
    int row = (mouseV - kTopBarHeight) / kRowHeight - 1; // the title row is slot 0
    // Below the last model the last one is selected, also in a scrolled sheet.
    if (row + ScrollValue > fNum) row = fNum - ScrollValue;
    cellV = static_cast<std::int16_t>(row < 0 ? 0 : row);
    MouseClickOnSheet = 1;
    DrawSheet();
}

void StartModelSelect()
{
    ModelSelFlag = 1;
    ModelSelectSequence1();
}

// Moves the selection for one of the six navigation keys; false for others.
bool MoveSelection(int key)
{
    switch (key) {
    case kKeyLeft: cellH = static_cast<std::int16_t>(cellH > 0 ? cellH - 1 : 0); return true;
    case kKeyRight:
    case kKeyEnter:
    case kKeyReturn: cellH = static_cast<std::int16_t>(cellH >= 15 ? 0 : cellH + 1); return true;
    case kKeyUp: cellV = static_cast<std::int16_t>(cellV > 1 ? cellV - 1 : 0); return true;
    case kKeyDown: cellV = static_cast<std::int16_t>(cellV < fNum ? cellV + 1 : fNum); return true;
    default: return false;
    }
}

// Control-F and Control-B move the edit field's insertion point.
bool MoveInsertionPoint(const WindowEvent& e)
{
    if (!(e.modifiers & (kModCommand | kModControl)) || !ControlExists(kMainWnd, kEditFieldCtl)) return false;
    if (e.charCode != 'f' && e.charCode != 'b') return false;
    MoveTextCursor(kMainWnd, kEditFieldCtl, e.charCode == 'f' ? 1 : -1);
    return true;
}

// Scrolls the sheet, if need be, so that the selected row is in view, and
// redraws.
void ShowSelectedRow()
{
    if (cellV <= ScrollValue) ScrollValue = static_cast<std::int16_t>(cellV - 1);
    if (cellV > ScrollValue + dispNum) ScrollValue = static_cast<std::int16_t>(cellV - dispNum);
    ScrollValue = static_cast<std::int16_t>(std::clamp<int>(ScrollValue, 0, std::max<int>(ScrollNum, 0)));
    if (ScrollBtn == 1) SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
    PreDownScrollValue = ScrollValue;
    Key = 0; // not an arrow key: the redraw scrolls no further
    DrawSheet();
}

// Page Up and Page Down: the sheet scrolls by the rows it shows, and the
// selection moves as far.
int PageSheet(int direction)
{
    if (fNum < 1) return 0;
    const int rows = std::max<int>(dispNum, 1);
    ScrollValue
        = static_cast<std::int16_t>(std::clamp<int>(ScrollValue + direction * rows, 0, std::max<int>(ScrollNum, 0)));
    cellV = static_cast<std::int16_t>(std::clamp<int>(cellV + direction * rows, 1, fNum));
    ShowSelectedRow();
    return 0;
}

// Ctrl+Home and Ctrl+End: the first or the last model.
int GoToModel(const WindowEvent& e, int row)
{
    if (!(e.modifiers & (kModCommand | kModControl))) return kEventNotHandled; // Home and End move in the field
    if (fNum < 1) return 0;
    cellV = static_cast<std::int16_t>(row);
    ShowSelectedRow();
    return 0;
}

// Delete with the whole model selected is the Edit menu's Delete; in the
// edit field it deletes text.
int DeleteKey()
{
    if (cellH != 0) return kEventNotHandled;
    ChooseMenuItem(kEditMenu, kDeleteItem);
    return 0;
}

int EscapeKey()
{
    return RevertEditField() ? 0 : kEventNotHandled;
}

int NavigationKey(const WindowEvent& e)
{
    const std::int16_t columnBefore = cellH;
    const bool onlyOption = e.modifiers == kModOption;
    const bool sends = e.charCode == kKeyReturn || e.charCode == kKeyEnter;
    if (!MoveSelection(e.charCode)) return kEventNotHandled;
    Key = static_cast<std::int16_t>(e.charCode);
    if (onlyOption && sends) {
        cellH = 0;
        StartModelSelect();
        cellH = columnBefore;
    } else if (!onlyOption && sends && cellH == 1) {
        cellH = 0; // Return on a selected model sends it
        StartModelSelect();
    } else if (!onlyOption) {
        DrawSheet();
    }
    return 0;
}

} // namespace

void SheetMouseDown(const WindowEvent& e)
{
    mouseH = static_cast<std::int16_t>(e.x);
    mouseV = static_cast<std::int16_t>(e.y);
    const bool onRows = mouseV > kHeaderBottom;
    if (e.clickCount == 1 && onRows && mouseH < kLastColumnRight && WndDeactiveFlag == 0)
        SelectClickedCell();
    else if (e.clickCount == 2 && onRows && mouseH <= kLastColumnRight)
        StartModelSelect();
}

void SheetWheel(const WindowEvent& e)
{
    if (ScrollBtn != 1) return;
    SetControlValue(kMainWnd, kScrollBarCtl, GetControlValue(kMainWnd, kScrollBarCtl) - e.wheelDelta);
    const int value = GetControlValue(kMainWnd, kScrollBarCtl);
    ScrollValue = static_cast<std::int16_t>(value < 0 ? 0 : value > ScrollNum ? ScrollNum : value);
    SelectBtnFlag = 1;
    DrawSheet();
}

int SheetKey(const WindowEvent& e)
{
    if (MoveInsertionPoint(e)) return 0;
    switch (e.charCode) {
    case kKeyPageUp: return PageSheet(-1);
    case kKeyPageDown: return PageSheet(1);
    case kKeyHome: return GoToModel(e, 1);
    case kKeyEnd: return GoToModel(e, fNum);
    case kKeyDelete: return DeleteKey();
    case kKeyEscape: return EscapeKey();
    default: return NavigationKey(e);
    }
}

void AddNewModelButton()
{
    if (!TableHasRoom()) return SysBeep();
    ++fNum;
    cellV = fNum;
    cellH = 1;
    SelectWindow(kMainWnd);
    SetInstallScrollButton();
    AddNewModel = 1;
    NewOrAddModelInit();
    SelectBtnFlag = 1;
    DrawSheet();
}

void SelectButton()
{
    StartModelSelect();
}

void MoveUpButton()
{
    MoveToUpper();
    SelectBtnFlag = 1;
    DrawSheet();
    DirtyFlagTrue();
}

void MoveDownButton()
{
    MoveToLower();
    SelectBtnFlag = 1;
    DrawSheet();
    DirtyFlagTrue();
}

void FreqRangeChoice(int item)
{
    if (item < 1 || item > 11) return;               // the list was closed without a choice
    if (cellV < 1 || cellV > fNum) return SysBeep(); // no model to give the range to
    CommitEditField();
    CalcParaChang();
    s_RANG5 = Str255(kShortRangeLabels[item - 1]);
    CalcOnFlag = 1;
    Row(cellV).range = s_RANG5;
    DirtyFlagTrue();
    PassParamAfterCalculate();
    SelectBtnFlag = 1;
    DrawSheet();
}

void ExplanationToggle()
{
    ExplanationState = GetControlValue(kMainWnd, kExplanationTriangleCtl);
    SelectBtnFlag = 1;
    DrawSheet();
}
