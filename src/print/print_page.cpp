#include "print/print_page.h"

#include "print/print_layout.h"
#include "sheet/draw_state.h"
#include "sheet/quartz_draw.h"
#include "sheet/sheet_geometry.h"
#include "sheet/sheet_globals.h"

#include <cstdint>

namespace {

constexpr int kHelveticaBold = 8;
constexpr int kGeneva = 5;
constexpr int kTitleBaseline = -10;
constexpr int kHeaderRule = kHeaderBottom - kTopBarHeight; // the column titles' band is 32 high

// The sheet's drawing state, as the window left it: printing lends it.
class DrawStateLoan {
public:
    DrawStateLoan()
        : x_(xSft)
        , y_(ySft)
        , ii_(ii)
        , i_(i)
        , j_(j)
        , lineW_(LineW)
    {
    }
    ~DrawStateLoan() { xSft = x_, ySft = y_, ii = ii_, i = i_, j = j_, LineW = lineW_; }
    DrawStateLoan(const DrawStateLoan&) = delete;
    DrawStateLoan& operator=(const DrawStateLoan&) = delete;

private:
    std::int16_t x_, y_;
    std::int32_t ii_, i_, j_;
    float lineW_;
};

void Text(const std::string& text, int x, int fontNum, float size)
{
    QuartzText = Str255(text);
    QzFontNum = std::int16_t(fontNum);
    fontSize = size;
    xx = float(xSft + x);
    yy = float(ySft + kTitleBaseline);
    QuartzDrawText();
}

void Rule(float width, int x0, int y0, int x1, int y1)
{
    LineW = width;
    xx = float(xSft + x0);
    yy = float(ySft + y0);
    xx1 = float(xSft + x1);
    yy1 = float(ySft + y1);
    QuartzDrawLine();
}

void DrawRows(int page)
{
    j = 0;
    for (i = 1, ii = FirstRowOfPage(page); ii <= LastRowOfPage(page, fNum); ++i, ++ii) DrawLongCell(0.0f);
}

// The frame and the heavy rule first, then the light rules.
void DrawRules()
{
    LineW = 1.0f;
    xx = float(xSft), yy = float(ySft);
    xx1 = float(xSft + kLastColumnRight), yy1 = float(ySft + kPrintTableHeight);
    QuartzDrawRect();
    Rule(1.0f, 0, kHeaderRule, kLastColumnRight, kHeaderRule);
    Rule(0.5f, kNoColumnRight, 0, kNoColumnRight, kPrintTableHeight);
    for (int y = kHeaderRule + kRowHeight; y < kPrintTableHeight; y += kRowHeight)
        Rule(0.5f, 0, y, kLastColumnRight, y);
    for (int x = kNameColumnRight; x < kLastColumnRight; x += kColumnWidth) Rule(0.5f, x, 0, x, kPrintTableHeight);
}

} // namespace

void PrintSheet(int page, int lastPage, std::string_view documentName)
{
    DrawStateLoan loan;
    xSft = kPrintLeft;
    ySft = kPrintTop;
    SetDrawGrey(0.0f);
    Text(PrintTitle(documentName), 0, kHelveticaBold, 17.0f);
    Text(PageCounterText(page, lastPage), kPageCounterX, kGeneva, 13.0f);
    DrawAllTopLabel(0.0f);
    DrawRows(page);
    DrawRules(); // the titles and the rows leave the pen black
}
