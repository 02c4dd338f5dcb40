#include "sheet/quartz_draw.h"

#include "platform/drawing.h"
#include "sheet/draw_state.h"
#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/row_layout.h"
#include "sheet/sheet_geometry.h"
#include "sheet/sheet_globals.h"

namespace {

constexpr int kHelveticaBold = 8;
constexpr int kGeneva = 5;

Rgb Current()
{
    return {RedCol, GrnCol, BleCol};
}

double LineWidth()
{
    return LineW > 0.0f ? LineW : 1.0;
}

void Text(const char* text, int x, int y, float size)
{
    QuartzText = Str255(text);
    xx = float(xSft + x);
    yy = float(ySft + y);
    fontSize = size;
    QuartzDrawText();
}

void DrawLabel(const HeaderLabel& label)
{
    QzFontNum = kHelveticaBold;
    Text(label.name, label.nameX, 13, 13.0f);
    if (*label.unit) Text(label.unit, label.unitX, 28, 13.0f);
    if (*label.superscript) Text(label.superscript, label.superX, 24, 9.0f);
}

int RowBaseline(int slot)
{
    return kRowHeight * slot + kRowBaseline - j + ySft;
}

// The "No" column ends at 28 points: a number of four or five digits,
// too wide for it at 13 points, is drawn smaller so it ends before the rule.
constexpr double kNoColumnRoom = 27.0;

void DrawRowNumber(int row, int slot)
{
    const Str255 number = NumberText(row);
    QzFontNum = kHelveticaBold;
    QuartzText = number;
    const int x = CellTextX(kColNo, number, 0.0f);
    fontSize = 13.0f;
    while (fontSize > 7.0f && x + TextWidth(number, QzFontNum, fontSize) > kNoColumnRoom) fontSize -= 0.5f;
    xx = float(xSft + x);
    yy = float(RowBaseline(slot));
    QuartzDrawText();
}

} // namespace

void QuartzDrawRect()
{
    if (s_FrameFill == std::string_view("Fill"))
        DrawFillRect(xx, yy, xx1, yy1, Current());
    else
        DrawFrameRect(xx, yy, xx1, yy1, Current(), LineWidth());
    s_FrameFill = Str255("Frame");
}

void QuartzDrawLine()
{
    DrawLine(xx, yy, xx1, yy1, Current(), LineWidth(), DashLineType);
    DashLineType = 0;
}

void QuartzDrawText()
{
    DrawText(QuartzText, xx, yy, QzFontNum, fontSize, Current());
}

void SetDrawColour(float red, float green, float blue)
{
    RedCol = red;
    GrnCol = green;
    BleCol = blue;
}

void SetDrawGrey(float level)
{
    SetDrawColour(level, level, level);
}

void DrawAllTopLabel(float grey)
{
    SetDrawGrey(grey);
    for (const HeaderLabel& label : HeaderLabels()) DrawLabel(label);
}

void DrawOneTopWhiteLabel()
{
    SetDrawGrey(1.0f);
    DrawLabel(HeaderLabelOf(cellH));
    if (cellV > ScrollValue) DrawRowNumber(cellVscroll, cellVscroll);
}

void DrawLongCell(float grey)
{
    SetDrawGrey(grey);
    DrawRowNumber(ii, i);
    SetDrawGrey(0.0f);
    QzFontNum = kGeneva;
    fontSize = 12.0f;
    yy = float(RowBaseline(i));
    for (int column = kColName; column <= kColLe; ++column) {
        const float value = column >= kFirstParamColumn ? Row(ii).Param(column) : 0.0f;
        QuartzText = CellText(column, ii);
        xx = float(xSft + CellTextX(column, QuartzText, value));
        QuartzDrawText();
    }
}
