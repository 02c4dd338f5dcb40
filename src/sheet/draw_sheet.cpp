#include "sheet/draw_sheet.h"

#include "app/ids.h"
#include "app/menu_bar.h"
#include "calc/calc_globals.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/drawing.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "sheet/dirty.h"
#include "sheet/draw_state.h"
#include "sheet/number_format.h"
#include "sheet/quartz_draw.h"
#include "sheet/row_layout.h"
#include "sheet/sheet_geometry.h"
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
        if (ScrollBtn == 1) SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
        PreDownScrollValue = ScrollValue;
    } else if (Key == 31) {
        if (cellV > dispNum + ScrollValue) ++ScrollValue;
        if (ScrollBtn == 1) SetControlValue(kMainWnd, kScrollBarCtl, ScrollValue);
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

// The text typed in the field before this redraw: kept in s_edit1 until it
// is stored in its cell.
void TakeTypedText()
{
    s_edit1 = GetControlText(kMainWnd, kEditFieldCtl);
}

void RebuildEditField(const Str255& cellText)
{
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
    if (preCellV < 1 || preCellV > fNum) return; // no model there: nothing to store into
    ModelRecord& m = Row(preCellV);
    if (preCellH == kColName)
        m.name = s_edit1;
    else if (preCellH == kColRange)
        m.range = s_edit1;
    else if (preCellH > kColRange && preCellH <= kColLe)
        m.Param(preCellH) = ToStoredFloat(ReadNumber(s_edit1.view()));
}

// The field as the redraw offers it for a cell: when it still says that,
// the person has typed nothing.
Str255 UntouchedFieldText(int row, int column)
{
    const ModelRecord& m = Row(row);
    if (column == kColName) return m.name;
    if (column == kColRange) return m.range;
    return DigitOpt(NumberText(m.Param(column)), column);
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
        CreateStaticText(kMainWnd, kModelNameCtl, LTRB(205, 17, 335, 33), Row(cellVscroll).name, kBarText);
    }
    CreateStaticText(kMainWnd, kColumnLabelCtl, LTRB(105, 17, 201, 33), ColumnLabel(cellH));
    DisposeControl(kMainWnd, kExplanationTextCtl);
    DisposeControl(kMainWnd, kExplanationBackCtl);
    if (ExplanationState != 0) return;
    CreatePicture(kMainWnd, kExplanationBackCtl, LTRB(450, 14, 640, 36), "ExplanationBuleBack.png");
    CreateStaticText(kMainWnd, kExplanationTextCtl, LTRB(450, 17, 640, 33),
                     ExplanationLine(cellH, Row(cellVscroll).Param(kColEffi)), kBarText);
}

constexpr float kHeaderGrey = 0.87f;
constexpr float kTextGrey = 0.122f;
constexpr float kDarkGridGrey = 0.61f;
constexpr float kLightGridGrey = 0.763f;

void Corners(float x0, float y0, float x1, float y1)
{
    xx = x0;
    yy = y0;
    xx1 = x1;
    yy1 = y1;
}

void Fill(float x0, float y0, float x1, float y1)
{
    Corners(x0, y0, x1, y1);
    s_FrameFill = Str255("Fill");
    QuartzDrawRect();
}

void Frame(float x0, float y0, float x1, float y1)
{
    Corners(x0, y0, x1, y1);
    QuartzDrawRect();
}

void Line(float x0, float y0, float x1, float y1)
{
    Corners(x0, y0, x1, y1);
    QuartzDrawLine();
}

void PaintBackground()
{
    SetDrawGrey(kHeaderGrey);
    Fill(0.5f, kTopBarHeight + 0.5f, kSheetWidth + 0.5f, kHeaderBottom + 0.5f);
    Fill(0.5f, kHeaderBottom + 1.5f, kNoColumnRight + 0.5f, kSheetBottom + 0.5f);
    SetDrawColour(0.9451f, 0.9608f, 0.9804f); // every second slot; the bands stay put
    for (int y0 = kHeaderBottom; y0 <= kSheetBottom; y0 += 2 * kRowHeight)
        Fill(kNoColumnRight + 1.5f, y0 + 0.5f, kLastColumnRight + 0.5f, y0 + kRowHeight + 0.5f);
}

// Rows whose baseline lies below the window are clipped anyway: they are
// not drawn, so a redraw costs the same whatever the table's size.
void PaintRows()
{
    const int lastBaseline = WindowContentHeight(kMainWnd) + kRowHeight;
    for (ii = ScrollValue + 1, i = ScrollValue + 1; ii <= fNum; ++ii, ++i) {
        if (kRowHeight * i + kRowBaseline - j + ySft > lastBaseline) break;
        DrawLongCell(kTextGrey);
    }
}

void PaintSelection(Span sel, int y1, int y2)
{
    if (y1 > kRowHeight) {
        SetDrawColour(0.7725f, 0.8706f, 1.0f);
        Fill(sel.left + 0.5f, kTopBarHeight + y1 + 0.5f, sel.right + 0.5f, kTopBarHeight + y2 + 0.5f);
    }
    PaintRows();
    SetDrawColour(0.4258f, 0.4961f, 0.5547f);
    const Span header = cellH == 0 ? Span{0, kNoColumnRight} : sel;
    Fill(header.left, kTopBarHeight, header.right, kHeaderBottom);
    if (y1 <= kRowHeight) return;
    Fill(0, kTopBarHeight + y1, kNoColumnRight, kTopBarHeight + y2);
    SetDrawColour(0.5764f, 0.7333f, 0.8784f);
    Frame(sel.left - 0.5f, kTopBarHeight + y1 - 0.5f, sel.right + 1.5f, kTopBarHeight + y2 + 1.5f);
    Frame(sel.left + 1.5f, kTopBarHeight + y1 + 1.5f, sel.right - 0.5f, kTopBarHeight + y2 - 0.5f);
}

void PaintGrid()
{
    SetDrawGrey(kDarkGridGrey);
    Line(0, kTopBarHeight + 0.5f, kSheetWidth, kTopBarHeight + 0.5f);
    Line(0, kHeaderBottom + 0.5f, kSheetWidth, kHeaderBottom + 0.5f);
    Line(kNoColumnRight + 0.5f, kTopBarHeight, kNoColumnRight + 0.5f, kSheetBottom);
    for (int c = 2; c <= kColLe + 1; ++c)
        Line(ColumnLeft(c) + 0.5f, kTopBarHeight, ColumnLeft(c) + 0.5f, kHeaderBottom);
    for (int y = kHeaderBottom; y <= kSheetBottom; y += kRowHeight) Line(0, y + 0.5f, kNoColumnRight, y + 0.5f);
    SetDrawGrey(kLightGridGrey);
    for (int y = kHeaderBottom + kRowHeight; y <= kSheetBottom; y += kRowHeight)
        Line(kNoColumnRight + 1, y + 0.5f, kLastColumnRight, y + 0.5f);
    for (int c = 2; c <= kColLe + 1; ++c)
        Line(ColumnLeft(c) + 0.5f, kHeaderBottom + 1, ColumnLeft(c) + 0.5f, kSheetBottom);
}

void PaintSheet(Span sel, int y1, int y2)
{
    if (!BeginWindowDrawing(kMainWnd)) return;
    DrawErase(0, kTopBarHeight, kLastColumnRight + 2, kSheetBottom + 2 * kRowHeight);
    xSft = 0;
    ySft = kTopBarHeight;
    LineW = 0;
    PaintBackground();
    DrawAllTopLabel(kTextGrey);
    PaintSelection(sel, y1, y2);
    DrawOneTopWhiteLabel();
    PaintGrid();
    EndWindowDrawing(kMainWnd);
}

void FinishRedraw()
{
    preCellH = cellH;
    preCellV = precCellVscroll = cellVscroll;
    Key = 0;
    ScrollBtnClick = MouseClickOnSheet = AddNewModel = CalcOnFlag = SelectBtnFlag = 0;
}

} // namespace

void CommitEditField()
{
    if (preCellH <= 0 || preCellH > kColLe || !ControlExists(kMainWnd, kEditFieldCtl)) return;
    const Str255 typed = GetControlText(kMainWnd, kEditFieldCtl);
    if (typed == UntouchedFieldText(preCellV, preCellH)) return;
    s_edit1 = typed;
    StoreTypedText();
    if (RowDiffersFromSnapshot(preCellV)) DirtyFlagTrue();
    TakeEditSnapshot(preCellV);
}

bool RevertEditField()
{
    if (CalcOnFlag == 1 || cellH <= 0 || cellH > kColLe || !ControlExists(kMainWnd, kEditFieldCtl)) return false;
    SetControlText(kMainWnd, kEditFieldCtl, UntouchedFieldText(cellVscroll, cellH));
    SetKeyboardFocus(kMainWnd, kEditFieldCtl);
    return true;
}

void DrawSheet()
{
    const Span sel = SelectionExtent(cellH);
    NormaliseSelection();
    ScrollToEndAfterAdd();
    FollowArrowKeys();
    const int y1 = kRowHeight * (cellV - ScrollValue + 1); // below the top bar
    const int y2 = y1 + kRowHeight;
    j = kRowHeight * ScrollValue;
    if (ScrollBtnClick == 1) cellVscroll = precCellVscroll;
    UpdateRowButtons();
    // The commit of typing: take the field's text, store it in the cell the
    // field was on, then offer the new cell (as its stored value read before
    // the store, which touches only the cell left).
    const Str255 offer = SelectedCellText();
    TakeTypedText();
    StoreTypedText();
    RebuildEditField(offer);
    DetectChange();
    RebuildLabels();
    PaintSheet(sel, y1, y2);
    FinishRedraw();
}
