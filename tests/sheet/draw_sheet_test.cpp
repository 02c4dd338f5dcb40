// The drawn sheet, probed pixel by pixel at the sheet's own coordinates.
#include "app/ids.h"
#include "app/main_window.h"
#include "calc/calc_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <set>

namespace {

struct Colour {
    int r, g, b;
};

constexpr Colour kHeaderGrey{222, 222, 222};
constexpr Colour kShading{241, 245, 250};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kLightBlue{197, 222, 255};
constexpr Colour kSlate{109, 127, 141};
constexpr Colour kFrameBlue{147, 187, 224};
constexpr Colour kDarkGrid{156, 156, 156};
constexpr Colour kLightGrid{195, 195, 195};

class DrawSheetTest : public AppTest {
protected:
    void OpenWithModels(int models)
    {
        ChooseMenuItem(kFileMenu, kNewItem);
        for (int r = 1; r <= models; ++r) Row(r).name = Str255("M" + std::to_string(r));
        fNum = static_cast<std::int16_t>(models);
        SetInstallScrollButton();
    }

    void Select(int column, int row)
    {
        cellH = static_cast<std::int16_t>(column);
        cellV = static_cast<std::int16_t>(row);
        DrawSheet();
    }
};

::testing::AssertionResult IsColour(int x, int y, Colour want)
{
    const QImage image = WindowDrawing(kMainWnd);
    const QColor got = image.pixelColor(QPoint(x, y) * image.devicePixelRatio());
    if (std::abs(got.red() - want.r) <= 2 && std::abs(got.green() - want.g) <= 2 && std::abs(got.blue() - want.b) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at " << x << "," << y << " got " << got.red() << "," << got.green() << ","
                                         << got.blue() << " want " << want.r << "," << want.g << "," << want.b;
}

int WhitePixels(int x0, int y0, int x1, int y1)
{
    const QImage image = WindowDrawing(kMainWnd);
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) count += image.pixelColor(x, y) == QColor(Qt::white);
    return count;
}

TEST_F(DrawSheetTest, HeaderShadingGridAndTheSelectedCell)
{
    OpenWithModels(3);
    Select(1, 1);
    EXPECT_TRUE(IsColour(190, 77, kHeaderGrey)); // header band, range column, under "Range"
    EXPECT_TRUE(IsColour(4, 200, kHeaderGrey));  // "No" column
    EXPECT_TRUE(IsColour(190, 120, kShading));   // slots 1, 3, 5 ... are shaded
    EXPECT_TRUE(IsColour(190, 136, kWhite));
    EXPECT_TRUE(IsColour(190, 150, kShading));
    EXPECT_TRUE(IsColour(120, 90, kLightBlue));                                // the selected cell's background
    EXPECT_TRUE(IsColour(135, 70, kSlate));                                    // header cell of the selected column
    EXPECT_TRUE(IsColour(4, 90, kSlate));                                      // "No" cell of the selected row
    EXPECT_TRUE(IsColour(27, 88, kFrameBlue));                                 // outer frame, left edge
    EXPECT_TRUE(IsColour(80, 81, kFrameBlue));                                 // inner frame, top edge
    EXPECT_TRUE(IsColour(500, 80, kDarkGrid));                                 // the line under the header
    EXPECT_TRUE(IsColour(500, 96, kLightGrid));                                // a row line
    for (int y : {96, 112, 304}) EXPECT_TRUE(IsColour(10, y, kDarkGrid)) << y; // row lines of the "No" column
    EXPECT_TRUE(IsColour(10, 297, kHeaderGrey));
    EXPECT_TRUE(IsColour(476, 300, kLightGrid)); // a column line
    EXPECT_TRUE(IsColour(140, 300, kLightGrid)); // the line after the name
    EXPECT_GT(WhitePixels(14, 82, 24, 95), 5);   // the selected row's number in white
}

TEST_F(DrawSheetTest, WholeModelSelectionSpansTheRow)
{
    OpenWithModels(3);
    Select(0, 2);
    EXPECT_TRUE(IsColour(190, 106, kLightBlue));
    EXPECT_TRUE(IsColour(920, 100, kLightBlue));
    EXPECT_TRUE(IsColour(4, 106, kSlate));
    EXPECT_TRUE(IsColour(20, 70, kSlate)); // the "No" header cell
    EXPECT_TRUE(IsColour(135, 70, kHeaderGrey));
    EXPECT_TRUE(IsColour(190, 85, kShading)); // row 1 is no longer selected
}

TEST_F(DrawSheetTest, ShadingStaysPutAndSelectionFollowsTheScroll)
{
    OpenWithModels(40);
    Select(3, 5);
    auto* bar = qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl));
    for (int k = 0; k < 10; ++k) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(ScrollValue, 10);
    EXPECT_EQ(cellV, 5);                       // scrolling keeps the selected row
    EXPECT_TRUE(IsColour(4, 90, kHeaderGrey)); // row 5 is above the top: no highlight
    EXPECT_TRUE(IsColour(200, 70, kSlate));    // but its column's header is still slate
    EXPECT_TRUE(IsColour(190, 120, kShading)); // the bands stay put
    Select(3, 13);                             // the third visible row
    EXPECT_TRUE(IsColour(248, 115, kLightBlue));
    EXPECT_TRUE(IsColour(4, 122, kSlate));
}

// The texts drawn on the line of `name`, left to right, blanks trimmed.
std::vector<std::string> DrawnRow(const std::string& name)
{
    const std::vector<DrawnText> texts = LastDrawnTexts();
    double y = -1;
    for (const DrawnText& t : texts)
        if (t.text == name) y = t.y;
    std::vector<std::pair<double, std::string>> row;
    for (const DrawnText& t : texts)
        if (t.y == y) row.push_back({t.x, QString::fromLatin1(t.text.c_str()).trimmed().toStdString()});
    std::sort(row.begin(), row.end());
    std::vector<std::string> out;
    for (const auto& [x, text] : row) out.push_back(text);
    return out;
}

// The sheet shows what the table holds: every cell of a row, in its column
// and in the sheet's number format; the selected row's number is drawn
// again in white over the slate.
TEST_F(DrawSheetTest, EveryCellIsDrawnWithItsText)
{
    OpenWithModels(3);
    ModelRecord& m = Row(2);
    m.name = Str255("KW-380");
    m.range = Str255("Woofer");
    const float values[] = {38, 22.5f, 310, 0.358f, 0.38f, 6.1f, 0.893f, 5.4f, 600, 725.8f, 9.5f, 689.54f, 2.1f};
    std::copy(std::begin(values), std::end(values), m.params);
    Select(0, 3);
    EXPECT_EQ(DrawnRow("KW-380"),
              (std::vector<std::string>{"2", "KW-380", "Woofer", "38.0", "22.5", "310", "0.358", "0.380", "6.100",
                                        "0.893", "5.400", "600", "725.8", "9.50", "689.54", "2.100"}));
    // The column titles, with the superscripts of cm² and cm³.
    std::vector<std::string> titles;
    for (const DrawnText& t : LastDrawnTexts())
        if (t.y < 80) titles.push_back(t.text);
    for (const char* title : {"Model Name", "Vas", "(Liter)", "Sd", "(cm  )", "2", "Vd", "3", "(mH)"})
        EXPECT_NE(std::find(titles.begin(), titles.end(), title), titles.end()) << title;
    // Cells in Geneva 12, row numbers and titles in Helvetica Bold 13.
    for (const DrawnText& t : LastDrawnTexts()) {
        const bool cell = t.text == "KW-380" || t.text == " 22.5", title = t.text == "Fs", number = t.text == " 2";
        EXPECT_TRUE(!cell || (t.fontNum == 5 && t.size == 12)) << t.text;
        EXPECT_TRUE(!(title || number) || (t.fontNum == 8 && t.size == 13)) << t.text;
    }
    int whiteNumbers = 0;
    for (const DrawnText& t : LastDrawnTexts()) whiteNumbers += t.text == " 3";
    EXPECT_EQ(whiteNumbers, 2); // the row's number, and again in white for the selection
}

// Every row down to the window's bottom edge is drawn, and none past it.
TEST_F(DrawSheetTest, RowsAreDrawnDownToTheBottomEdge)
{
    OpenWithModels(200);
    SetWindowContentSize(kMainWnd, 941, 600);
    ProcessEvents();
    SetInstallScrollButton();
    Select(0, 1);
    ASSERT_EQ(dispNum, 32);
    std::set<std::string> names;
    for (const DrawnText& t : LastDrawnTexts()) names.insert(t.text);
    for (int r = 2; r <= 33; ++r) EXPECT_TRUE(names.count("M" + std::to_string(r))) << r; // 33: half in view
    EXPECT_FALSE(names.count("M40"));
}

// Row numbers of four and five digits, white on the selected row too, end
// before the rule that closes the "No" column.
TEST_F(DrawSheetTest, LongRowNumbersStayInTheirColumn)
{
    OpenWithModels(kMaxModels);
    for (int top : {0, 9990, 32750}) {
        ScrollValue = static_cast<std::int16_t>(top);
        Select(2, top + 3);
        const QImage image = WindowDrawing(kMainWnd);
        const qreal ratio = image.devicePixelRatio();
        int inkInColumn = 0;
        for (int y = 82; y < 82 + 16 * 10; ++y) {
            if (y % 16 == 0) continue; // a rule between rows
            for (int x = 29; x <= 32; ++x)
                EXPECT_GT(image.pixelColor(QPoint(x, y) * ratio).lightness(), 200) << top << " at " << x << "," << y;
            for (int x = 4; x < 28; ++x) inkInColumn += image.pixelColor(QPoint(x, y) * ratio).lightness() < 100;
        }
        EXPECT_GT(inkInColumn, 100) << top; // the numbers are drawn
    }
}

TEST_F(DrawSheetTest, EmptyTableStillMarksSlotOne)
{
    OpenWithModels(0);
    Select(1, 1);
    EXPECT_TRUE(IsColour(120, 90, kLightBlue));
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kRowCounterCtl))->text(), "1/0");
}

TEST_F(DrawSheetTest, TopBarFollowsTheSelection)
{
    OpenWithModels(10);
    Row(3).Param(kColEffi) = 0.5f;
    Select(9, 3);
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kRowCounterCtl))->text(), "3/10");
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kColumnLabelCtl))->text(), "Efficiency .. (%)");
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kExplanationTextCtl))->text(), "Efficiency ( 89dB@1W1m )");
    EXPECT_TRUE(ControlExists(kMainWnd, kEditFieldCtl));
    EXPECT_FALSE(ControlExists(kMainWnd, kModelNameCtl));
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kUpArrowCtl));
    EXPECT_TRUE(MenuItemIsEnabled(kEditMenu, kSelectAllItem));

    Select(0, 3);
    EXPECT_FALSE(ControlExists(kMainWnd, kEditFieldCtl));
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kModelNameCtl))->text(), "M3");
    EXPECT_TRUE(ControlExists(kMainWnd, kModelNameBackCtl));
    EXPECT_TRUE(ControlIsHighlighted(kMainWnd, kSelectCtl));
    EXPECT_TRUE(ControlIsEnabled(kMainWnd, kUpArrowCtl));
    EXPECT_TRUE(ControlIsEnabled(kMainWnd, kDownArrowCtl));
    EXPECT_FALSE(MenuItemIsEnabled(kEditMenu, kSelectAllItem));
    Select(0, 10);
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kDownArrowCtl));
    Select(0, 1);
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kUpArrowCtl));
    SetControlEnabled(kMainWnd, kSelectCtl, false); // as sending a model leaves it
    Row(2).Param(kColDia) = 16.5f;
    Select(3, 2); // the Dia cell: the field offers its value, and Select is back
    EXPECT_TRUE(ControlIsEnabled(kMainWnd, kSelectCtl));
    EXPECT_EQ(qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl))->text().trimmed(), "16.5");
}

TEST_F(DrawSheetTest, ARedrawWithCalcOnShowsPassAndStoresNothing)
{
    OpenWithModels(2);
    Select(4, 1);
    auto* field = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    field->setText("99");
    s_PASS = Str255(" 41.5");
    CalcOnFlag = 1;
    DrawSheet();
    EXPECT_EQ(Row(1).Param(kColFs), 0.0f);
    EXPECT_EQ(qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl))->text(), " 41.5");
    EXPECT_EQ(CalcOnFlag, 0);
    DrawSheet(); // the next redraw stores what the field shows
    EXPECT_EQ(Row(1).Param(kColFs), 41.5f);
}

} // namespace
