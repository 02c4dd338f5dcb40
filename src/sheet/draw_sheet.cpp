#include "sheet/draw_sheet.h"

#include "app/ids.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "sheet/dirty.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"
#include "sheet/sheet_texts.h"

namespace {

constexpr TextStyle kBarText{1, 13.0f, true, true}; // Lucida Grande 13, centred, light blue

void NormaliseSelection()
{
    if (MouseClickOnSheet == 1) {
        cellV = static_cast<std::int16_t>(cellV + ScrollValue);
        PreDownScrollValue = ScrollValue;
    }
    if (cellV == 0) cellV = 1;
    cellVscroll = cellV;
}

void ScrollToEndAfterAdd()
{
    if (AddNewModel != 1) return;
    ScrollValue = ScrollNum;
    SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
    SetControlEnabled(kMainWnd, kSelectCtl, true);
    SetControlHighlighted(kMainWnd, kSelectCtl, false);
}

// The keyboard scrolls by one row when the selection leaves the visible rows.
void FollowArrowKeys()
{
    if (Key == 30) {
        if (cellV <= PreDownScrollValue && ScrollValue > 0) --ScrollValue;
        if (ScrollBtn == 1 && ScrollValue >= 0) SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
        PreDownScrollValue = ScrollValue;
    } else if (Key == 31) {
        if (cellV > dispNum + ScrollValue) ++ScrollValue;
        if (ScrollBtn == 1 && ScrollValue >= 1) SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
        if (ScrollValue >= ScrollNum) ScrollValue = ScrollNum;
        PreDownScrollValue = ScrollValue;
    }
}

void UpdateRowButtons()
{
    const bool wholeModel = cellH == 0;
    SetMenuItemEnabled(kEditMenu, kSelectAllItem, !wholeModel);
    if (SelectBtnFlag != 1) {
        SetControlEnabled(kMainWnd, kSelectCtl, true);
        SetControlHighlighted(kMainWnd, kSelectCtl, wholeModel);
    }
    SetControlEnabled(kMainWnd, kUpArrowCtl, wholeModel && cellVscroll != 1);
    SetControlEnabled(kMainWnd, kDownArrowCtl, wholeModel && cellVscroll != fNum);
}

// The text of the selected cell as the stored value gives it, unrounded.
Str255 SelectedCellText()
{
    const ModelRecord& m = Row(cellVscroll);
    if (cellH == kColName) return m.name;
    if (cellH == kColRange) return m.range;
    if (cellH >= kFirstParamColumn && cellH <= kColLe) return NumberText(m.Param(cellH));
    return {};
}

Str255 EditFieldText(const Str255& cellText)
{
    if (CalcOnFlag == 1) return s_PASS;
    if (cellVscroll == preCellV && cellH == preCellH) return s_edit1;
    if (NewFileFlag == 1) return Str255("n/a");
    return DigitOpt(cellText);
}

void RebuildEditField(const Str255& cellText)
{
    s_edit1 = GetControlText(kMainWnd, kEditFieldCtl);
    DisposeControl(kMainWnd, kEditFieldCtl);
    DisposeControl(kMainWnd, kModelNameCtl);
    DisposeControl(kMainWnd, kModelNameBackCtl);
    if (cellH <= 0) return;
    CreateEditField(kMainWnd, kEditFieldCtl, LTRB(205, 17, 335, 33), EditFieldText(cellText),
                    TextStyle{1, 13.0f, true, false});
    SetControlHelpTag(kMainWnd, kEditFieldCtl, "Move the Cursor : Control + F/B");
    SetKeyboardFocus(kMainWnd, kEditFieldCtl);
}

// Typing lives in the edit field until a redraw stores it into its cell.
void StoreTypedText()
{
    if (CalcOnFlag == 1 || preCellH == 0) return;
    ModelRecord& m = Row(preCellV);
    if (preCellH == kColName) m.name = s_edit1;
    else if (preCellH == kColRange) m.range = s_edit1;
    else if (preCellH > kColRange && preCellH <= kColLe)
        m.Param(preCellH) = ToStoredFloat(ReadNumber(s_edit1.view()));
}

void DetectChange()
{
    if (RowDiffersFromSnapshot(preCellV)) DirtyFlagTrue();
    TakeEditSnapshot(cellVscroll);
}

void RebuildLabels()
{
    const Str255 counter = NumberText(cellVscroll);
    const Str255 total = NumberText(fNum);
    CreateStaticText(kMainWnd, kRowCounterCtl, LTRB(37, 17, 96, 33),
                     Str255(counter.view().substr(1)) + "/" + total.view().substr(1), kBarText);
    if (cellH == 0) {
        CreatePicture(kMainWnd, kModelNameBackCtl, LTRB(205, 14, 335, 36), "TitleBuleBack.png");
        CreateStaticText(kMainWnd, kModelNameCtl, LTRB(205, 17, 335, 33), Row(cellVscroll).name,
                         kBarText);
    }
    CreateStaticText(kMainWnd, kColumnLabelCtl, LTRB(105, 17, 201, 33), ColumnLabel(cellH));
    DisposeControl(kMainWnd, kExplanationTextCtl);
    DisposeControl(kMainWnd, kExplanationBackCtl);
    if (ExplanationState != 0) return;
    CreatePicture(kMainWnd, kExplanationBackCtl, LTRB(450, 14, 640, 36), "ExplanationBuleBack.png");
    CreateStaticText(kMainWnd, kExplanationTextCtl, LTRB(450, 17, 640, 33),
                     ExplanationLine(cellH, Row(cellVscroll).Param(kColEffi)), kBarText);
}

void FinishRedraw()
{
    preCellH = cellH;
    preCellV = precCellVscroll = cellVscroll;
    Key = 0;
    ScrollBtnClick = MouseClickOnSheet = AddNewModel = CalcOnFlag = SelectBtnFlag = 0;
}

} // namespace

void DrawSheet()
{
    NormaliseSelection();
    ScrollToEndAfterAdd();
    FollowArrowKeys();
    if (ScrollBtnClick == 1) cellVscroll = precCellVscroll;
    UpdateRowButtons();
    RebuildEditField(SelectedCellText());
    StoreTypedText();
    DetectChange();
    RebuildLabels();
    FinishRedraw();
}
