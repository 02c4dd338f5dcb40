// The sheet through its real handlers: what it draws, probed pixel by pixel and text by text at its own coordinates;
// clicks, keys, the wheel and the controls beside it; cut, copy, paste, delete and undo through the Edit menu and the
// platform's clipboard; sorting through the Sort menu.
#include "app/alerts.h"
#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "link/link_globals.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_input.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>
#include <ranges>

namespace {

using Ints = std::vector<int>;
using Undo = std::pair<std::string, bool>;

class SheetTest : public AppTest, public Drive {
protected:
    // M1, M2 ... each a Woofer with Fs 10, 20 ..., the first whole model selected.
    static void OpenWoofers(int models)
    {
        OpenSheetOf(models);
        for (int r = 1; r <= models; ++r) {
            Row(r).range = Str255("Woofer");
            Row(r).Param(kColFs) = float(10 * r);
        }
        Select(0, 1);
    }
    static void Press(int control) { ClickControl(kMainWnd, control); }
    // A send request came through: with no sibling installed the program says so; OK ends the request.
    static int AskedToSend()
    {
        const int asked = ModelSelFlag == 1 && WindowIsVisible(kMissingAppWnd);
        if (WindowExists(kMissingAppWnd)) ClickControl(kMissingAppWnd, kMissingOkCtl);
        return asked;
    }
    // Replaces the field's text, then presses the key, if any.
    static void Type(const QString& text, Qt::Key then = Qt::Key(0))
    {
        SheetField()->selectAll();
        QTest::keyClicks(SheetField(), text);
        if (then) SheetKey(then);
    }
    static QString Label(int control) { return LabelText(kMainWnd, control); }
    // Edit and Sort commands, each answering the model names it leaves.
    static std::string Edit(int item) { return Choose(kEditMenu, item); }
    static std::string Sort(int item) { return Choose(kSortMenu, item); }
    static std::string Choose(int menu, int item)
    {
        ChooseMenuItem(menu, item);
        return Names();
    }
    static std::string EditAt(int column, int row, int item)
    {
        Select(column, row);
        return Edit(item);
    }
    static Undo UndoItem() { return {MenuItemText(kEditMenu, kUndoItem), MenuItemIsEnabled(kEditMenu, kUndoItem)}; }
    static std::string Names()
    {
        std::string out;
        for (int r = 1; r <= fNum; ++r) out += Row(r).name.str() + (r < fNum ? " " : "");
        return out;
    }
};
class DrawSheetTest : public SheetTest { };
class ModelOps : public SheetTest { };

constexpr QRgb kHeaderGrey = qRgb(222, 222, 222), kShading = qRgb(241, 245, 250), kWhite = qRgb(255, 255, 255),
               kLightBlue = qRgb(197, 222, 255), kSlate = qRgb(109, 127, 141), kFrameBlue = qRgb(147, 187, 224),
               kDarkGrid = qRgb(156, 156, 156), kLightGrid = qRgb(195, 195, 195);

// Every point within 2 of the colour in each channel.
void ExpectColour(QRgb want, std::initializer_list<QPoint> points)
{
    const QImage image = WindowDrawing(kMainWnd);
    for (const QPoint& p : points) {
        const QRgb got = image.pixelColor(p * image.devicePixelRatio()).rgb();
        EXPECT_TRUE(std::abs(qRed(got) - qRed(want)) <= 2 && std::abs(qGreen(got) - qGreen(want)) <= 2
                    && std::abs(qBlue(got) - qBlue(want)) <= 2)
            << "at " << p.x() << "," << p.y() << " got " << QColor(got).name().toStdString() << " want "
            << QColor(want).name().toStdString();
    }
}

TEST_F(DrawSheetTest, HeaderShadingGridSelectionAndCellTexts)
{
    OpenSheetOf(3);
    Select(1, 1);
    ExpectColour(kHeaderGrey, {{190, 77}, {1, 60}, {4, 200}, {10, 297}}); // the header band to the edge, "No" column
    ExpectColour(kShading, {{190, 120}, {190, 150}});                     // slots 1, 3, 5 ... are shaded
    ExpectColour(kWhite, {{190, 136}, {84, 136}});                        // no rule inside the name column
    ExpectColour(kLightBlue, {{120, 90}});                                // the selected cell's background
    ExpectColour(kSlate, {{135, 70}, {4, 90}});                           // its column's header, its row's "No" cell
    ExpectColour(kFrameBlue, {{27, 88}, {80, 79}, {80, 81}}); // outer frame's left edge and top, inner frame's top
    ExpectColour(kDarkGrid, {{500, 80}, {10, 96}, {10, 112}, {10, 304}}); // under the header, rows of "No"
    ExpectColour(kLightGrid, {{500, 96}, {476, 300}, {140, 300}});        // a row line, a column line, after the name
    const QImage image = WindowDrawing(kMainWnd);
    int white = 0;
    for (int y = 82; y < 95; ++y)
        for (int x = 14; x < 24; ++x) white += image.pixelColor(x, y) == QColor(Qt::white);
    EXPECT_GT(white, 5); // the selected row's number in white
    Select(0, 2);        // a whole model's selection spans the row
    ExpectColour(kLightBlue, {{190, 106}, {920, 100}});
    ExpectColour(kSlate, {{4, 106}, {20, 70}, {0, 70}}); // the "No" header cell too, from the window's edge
    ExpectColour(kHeaderGrey, {{135, 70}});
    ExpectColour(kShading, {{190, 85}}); // row 1 is no longer selected
    // Every cell of a row in its column and the sheet's number format; the
    // selected row's number drawn again in white over the slate.
    Row(2).name = Str255("KW-380");
    Row(2).range = Str255("Woofer");
    const float values[] = {38, 22.5f, 310, 0.358f, 0.38f, 6.1f, 0.893f, 5.4f, 600, 725.8f, 9.5f, 689.54f, 2.1f};
    std::copy(std::begin(values), std::end(values), Row(2).params);
    Select(0, 3);
    std::multimap<double, std::string> row; // the texts on model 2's baseline by their x, blanks trimmed
    std::map<std::string, double> titles;   // each title's line
    for (const DrawnText& t : LastDrawnTexts()) {
        if (t.y == 48 + 16 * 2 + 29) row.emplace(t.x, QString::fromLatin1(t.text.c_str()).trimmed().toStdString());
        if (t.y < 80) titles[t.text] = t.y;
    }
    // Cells in Geneva 12, row numbers and titles in Helvetica Bold 13.
    EXPECT_TRUE(Drew("KW-380", 5, 12) && Drew(" 22.5", 5, 12) && Drew(" 2", 8, 13) && Drew("Fs", 8, 13));
    EXPECT_EQ(std::ranges::count(LastDrawnTexts(), " 3", &DrawnText::text), 2);
    const auto cells = std::views::values(row);
    EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.end()),
              (std::vector<std::string>{"2", "KW-380", "Woofer", "38.0", "22.5", "310", "0.358", "0.380", "6.100",
                                        "0.893", "5.400", "600", "725.8", "9.50", "689.54", "2.100"}));
    // The column titles under the 48-point top bar: names at 13, units at 28 and the superscripts of cm² and cm³
    // at 24; 0 for one not drawn.
    std::vector<double> lines;
    for (const char* title : {"Model Name", "Fs", "Vas", "(Liter)", "Sd", "(cm  )", "2", "Vd", "3", "(mH)"})
        lines.push_back(titles.contains(title) ? titles[title] : 0);
    EXPECT_EQ(lines, (std::vector<double>{61, 61, 61, 76, 61, 76, 72, 61, 72, 76}));
}

TEST_F(DrawSheetTest, ShadingStaysPutAndTheSelectionFollowsTheScroll)
{
    OpenSheetOf(40);
    Select(3, 5);
    for (int k = 0; k < 10; ++k) SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ((Ints{ScrollValue, cellV}), (Ints{10, 5})); // scrolling keeps the selected row
    // Row 5 is above the top: no highlight, but its column's header is still slate, and the bands stay put.
    ExpectColour(kHeaderGrey, {{4, 90}});
    ExpectColour(kSlate, {{200, 70}});
    ExpectColour(kShading, {{190, 120}});
    ClickSheet(300, 16 * 7 + 5); // the third visible row: clicks count from the first visible row
    EXPECT_EQ(Label(kRowCounterCtl), "13/40");
    WndDeactiveFlag = 1;
    ClickSheet(300, 16 * 5 + 5);
    EXPECT_EQ(cellV, 13); // an inactive window ignores clicks
    Select(3, 13);
    ExpectColour(kLightBlue, {{248, 115}});
    ExpectColour(kSlate, {{4, 122}});
}

// Every row down to the window's bottom edge is drawn and none past it; row numbers of four and five digits, white on
// the selected row too, end before the rule that closes the "No" column.
TEST_F(DrawSheetTest, RowsDownToTheBottomEdgeAndLongRowNumbers)
{
    OpenSheetOf(kMaxModels);
    SetWindowContentSize(kMainWnd, 941, 600);
    ProcessEvents(); // the resize rebuilds the bar
    Select(0, 1);
    ASSERT_EQ(dispNum, 32);
    for (int r = 2; r <= 33; ++r) EXPECT_TRUE(Drew("M" + std::to_string(r))) << r; // 33: half in view
    EXPECT_FALSE(Drew("M40"));
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
    // The tallest sheet, taller than the test screen: the rules reach the "No" column's left edge; the last is drawn.
    SetWindowResizeLimits(kMainWnd, 941, 100, 941, 1530);
    SetWindowContentSize(kMainWnd, 941, 1530);
    ProcessEvents(); // the resize redraws
    ExpectColour(kDarkGrid, {{0, 96}, {0, 1520}});
    ExpectColour(kLightGrid, {{500, 1520}});
}

TEST_F(DrawSheetTest, TopBarFollowsTheSelection)
{
    OpenSheetOf(0); // an empty table still marks slot one, and typing stores nothing
    Select(1, 1);
    ExpectColour(kLightBlue, {{120, 90}});
    EXPECT_EQ(Label(kRowCounterCtl), "1/0");
    Select(4, 1);
    Type("38", Qt::Key_Right);
    EXPECT_EQ(Row(1).Param(kColFs), 0.0f);
    OpenSheetOf(10);
    Row(3).Param(kColEffi) = 0.5f;
    Select(9, 3);
    EXPECT_EQ(QStringList({Label(kRowCounterCtl), Label(kColumnLabelCtl), Label(kExplanationTextCtl)}),
              QStringList({"3/10", "Efficiency .. (%)", "Efficiency ( 89dB@1W1m )"}));
    EXPECT_TRUE(ControlExists(kMainWnd, kEditFieldCtl) && MenuItemIsEnabled(kEditMenu, kSelectAllItem));
    EXPECT_FALSE(ControlExists(kMainWnd, kModelNameCtl) || ControlIsEnabled(kMainWnd, kUpArrowCtl));
    Select(0, 3);
    EXPECT_EQ(Label(kModelNameCtl), "M3");
    EXPECT_TRUE(ControlExists(kMainWnd, kModelNameBackCtl) && ControlIsHighlighted(kMainWnd, kSelectCtl));
    EXPECT_TRUE(ControlIsEnabled(kMainWnd, kUpArrowCtl) && ControlIsEnabled(kMainWnd, kDownArrowCtl));
    EXPECT_FALSE(ControlExists(kMainWnd, kEditFieldCtl) || MenuItemIsEnabled(kEditMenu, kSelectAllItem));
    Select(0, 10);
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kDownArrowCtl));
    Select(0, 1);
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kUpArrowCtl));
    SetControlEnabled(kMainWnd, kSelectCtl, false); // as sending a model leaves it
    Row(2).Param(kColDia) = 16.5f;
    Select(3, 2); // the Dia cell: the field offers its value, and Select is back
    EXPECT_EQ(std::pair(ControlIsEnabled(kMainWnd, kSelectCtl), SheetField()->text().trimmed()),
              std::pair(true, QString("16.5")));
    // A redraw with a calculator's value on shows it and stores nothing; the next redraw stores what the field shows.
    Select(4, 1);
    SheetField()->setText("99");
    s_PASS = Str255(" 41.5");
    CalcOnFlag = 1;
    DrawSheet();
    EXPECT_EQ(std::tuple(Row(1).Param(kColFs), SheetField()->text(), int(CalcOnFlag)), std::tuple(0.0f, " 41.5", 0));
    DrawSheet();
    EXPECT_EQ(Row(1).Param(kColFs), 41.5f);
}

TEST_F(SheetTest, ClicksSelectColumnAndRowAndANewModelIsScrolledTo)
{
    OpenSheetOf(5);
    // Where a click lands and the cell it selects: the sheet's right edge and the header band change nothing.
    struct Case {
        int x, y, column, row;
    } cases[] = {
        {10, 90, 0, 1},    {28, 90, 0, 1},   {29, 90, 1, 1},   {140, 90, 1, 1},  {141, 90, 2, 1}, {196, 90, 3, 1},
        {923, 100, 15, 2}, {500, 150, 8, 5}, {500, 300, 8, 5}, {924, 120, 8, 5}, {300, 80, 8, 5},
    };
    for (const Case& c : cases) {
        ClickSheet(c.x, c.y);
        EXPECT_EQ((Ints{cellH, cellV}), (Ints{c.column, c.row})) << c.x << "," << c.y;
    }
    OpenSheetOf(25);                          // below the last model, and adding one to a scrolled sheet
    SetWindowContentSize(kMainWnd, 941, 412); // 20 rows and a part of the 21st
    ProcessEvents();
    for (int k = 0; k < 5; ++k) SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(ScrollValue, 5);
    ClickSheet(300, 405); // the partly shown 21st slot, below model 25
    EXPECT_EQ(cellV, 25);
    ClickSheet(10, 405); // the whole model: Select is lit
    ASSERT_TRUE(ControlIsHighlighted(kMainWnd, kSelectCtl));
    DirtyFlag = 0;
    Press(kAddNewModelCtl); // scrolls to the new model's name cell; the row count changed, and Select goes dark
    EXPECT_EQ((Ints{fNum, cellH, cellV, ScrollValue, ScrollNum, DirtyFlag, ControlIsHighlighted(kMainWnd, kSelectCtl)}),
              (Ints{26, 1, 26, 6, 6, 1, 0}));
    EXPECT_EQ(std::pair(Row(26).name.str(), SheetField()->text()), std::pair(std::string("n/a"), QString("n/a")));
    fNum = 32767;
    EXPECT_EQ((Ints{Beeps([] { Press(kAddNewModelCtl); }), fNum}), (Ints{1, 32767}));
}

TEST_F(SheetTest, ArrowKeysReturnEnterAndTheWheel)
{
    OpenSheetOf(3);
    SheetKey(Qt::Key_Down, Qt::AltModifier); // Option moves without a redraw
    EXPECT_EQ(std::pair(int(cellV), Label(kRowCounterCtl)), std::pair(2, QString("1/3")));
    SheetKey(Qt::Key_Right);
    EXPECT_EQ(Label(kRowCounterCtl), "2/3");
    // Presses the key; then the selected column and row, and the first row shown by the sheet and by its bar.
    const auto keys = [](Qt::Key key, int times = 1) {
        SheetKey(key, {}, times);
        return Ints{cellH, cellV, ScrollValue, SheetBar()->value()};
    };
    Select(15, 2); // the arrows wrap round the columns and stop at the first and last rows
    EXPECT_EQ((std::vector{keys(Qt::Key_Right), keys(Qt::Key_Left), keys(Qt::Key_Up, 2), keys(Qt::Key_Down, 3)}),
              (std::vector<Ints>{{0, 2, 0, 0}, {0, 2, 0, 0}, {0, 1, 0, 0}, {0, 3, 0, 0}}));
    EXPECT_EQ(Label(kRowCounterCtl), "3/3");
    DirtyFlag = 0;
    SheetKey(Qt::Key_Return); // on a model: sends it
    EXPECT_EQ((Ints{AskedToSend(), cellH}), (Ints{1, 0}));
    Select(4, 3);
    SheetKey(Qt::Key_Return, Qt::AltModifier); // sends the model and keeps the cell
    EXPECT_EQ((Ints{AskedToSend(), cellH}), (Ints{1, 4}));
    SheetKey(Qt::Key_Enter, Qt::KeypadModifier); // moves right like Return, and from the last column to the first
    EXPECT_EQ((Ints{ModelSelFlag, cellH}), (Ints{0, 5}));
    Select(14, 3);
    EXPECT_EQ((std::vector{keys(Qt::Key_Return), keys(Qt::Key_Return)}),
              (std::vector<Ints>{{15, 3, 0, 0}, {0, 3, 0, 0}}));
    // The wheel scrolls only when the bar is live; the arrow keys scroll by one row when the selection leaves the
    // window, and never beyond ScrollNum.
    OpenSheetOf(10);
    const auto wheel = [](int notches) {
        Wheel(kMainWnd, {300, 200}, 120 * notches);
        return int(ScrollValue);
    };
    EXPECT_EQ(wheel(-3), 0);
    OpenSheetOf(30);
    EXPECT_EQ((Ints{wheel(-3), wheel(-30), wheel(2), wheel(9)}), (Ints{3, 10, 8, 0}));
    EXPECT_EQ((std::vector{keys(Qt::Key_Down, 19), keys(Qt::Key_Down), keys(Qt::Key_Down, 20), keys(Qt::Key_Up, 19),
                           keys(Qt::Key_Up)}),
              (std::vector<Ints>{{0, 20, 0, 0}, {0, 21, 1, 1}, {0, 30, 10, 10}, {0, 11, 10, 10}, {0, 10, 9, 9}}));
    // Wheeled back to the top, the sheet stays there when Up moves the selection.
    EXPECT_EQ((std::pair{wheel(9), keys(Qt::Key_Up)}), (std::pair{0, Ints{0, 9, 0, 0}}));
    // The wheel, the scroll bar and the buttons beside the sheet leave the Select button as sending a model left it.
    const std::function<void()> actions[]
        = {[&] { wheel(-1); }, [] { SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
           [] { Press(kDownArrowCtl); }, [] { Press(kUpArrowCtl); }, [] { Press(kExplanationTriangleCtl); }};
    for (std::size_t k = 0; k < std::size(actions); ++k) {
        SetControlEnabled(kMainWnd, kSelectCtl, false);
        actions[k]();
        EXPECT_FALSE(ControlIsEnabled(kMainWnd, kSelectCtl)) << k;
    }
}

TEST_F(SheetTest, TypedTextTheRangeListAndDoubleClicks)
{
    OpenSheetOf(2);
    ClickSheet(290, 90); // Fs of row 1
    Type("12abc", Qt::Key_Return);
    EXPECT_EQ(std::tuple(Row(1).Param(kColFs), int(DirtyFlag), int(cellH)), std::tuple(12.0f, 1, int(kColVas)));
    Type("abc");
    ClickSheet(420, 90); // Qes: the Vas text goes first
    Type("0.4");
    ClickSheet(420, 106);
    EXPECT_EQ((std::vector{Row(1).Param(kColVas), Row(1).Param(kColQes), Row(1).Param(kColQts)}),
              (std::vector{0.0f, 0.4f, 0.0f})); // nothing derived follows
    ClickSheet(100, 106);
    Type(QString(300, QLatin1Char('x')), Qt::Key_Left);
    EXPECT_EQ(Row(2).name.size(), 255u);
    SetPopUpMenuChooser({});
    auto* button = qobject_cast<QPushButton*>(ControlWidget(kMainWnd, kFreqRangeCtl));
    ClickSheet(150, 90); // the first model takes a range too
    EXPECT_EQ(Beeps([button] { button->menu()->actions().at(0)->trigger(); }), 0);
    EXPECT_EQ(Row(1).range, Str255("Full Rng"));
    ClickSheet(150, 106); // range of row 2: the list stores the short label
    DirtyFlag = 0;
    SetControlEnabled(kMainWnd, kSelectCtl, false); // as sending a model leaves it: the choice leaves it so
    button->menu()->actions().at(2)->trigger();     // "Sub Woofer"
    EXPECT_EQ(std::tuple(int(DirtyFlag), SheetField()->text(), ControlIsEnabled(kMainWnd, kSelectCtl)),
              std::tuple(1, QString("SubWof"), false));
    ClickSheet(100, 90); // the field's text is stored back as it is
    ClickSheet(150, 106);
    FreqRangeChoice(0); // the list closed without a choice
    EXPECT_EQ(Row(2).range, Str255("SubWof"));
    ClickSheet(10, 106); // a whole model takes a range too; a choice is a change, even of the range it has
    for (int k = 0; k < 2; ++k) DirtyFlag = 0, button->menu()->actions().at(3)->trigger();
    EXPECT_EQ(std::tuple(int(DirtyFlag), cellH, Row(2).range.str()), std::tuple(1, 0, "Mid Wof"));
    DirtyFlag = 0;
    ClickSheet(300, 106); // the first click of a double click selects; the second sends the model
    QTest::mouseDClick(ContentWidget(kMainWnd), Qt::LeftButton, {}, QPoint(300, 106));
    EXPECT_EQ((Ints{AskedToSend(), cellV}), (Ints{1, 2}));
    Press(kSelectCtl);
    EXPECT_EQ(AskedToSend(), 1);
}

// Every column takes what is typed in it, the last one too, and a number
// too large for the table is kept as the largest it can hold.
TEST_F(SheetTest, EveryColumnStoresWhatIsTypedInIt)
{
    OpenSheetOf(1);
    for (int column = kColName; column <= kColLe; ++column) {
        Select(column, 1);
        Type(column <= kColRange ? QString("baffle %1").arg(column) : QString::number(column + 0.5)); // f and b type
    }
    SheetKey(Qt::Key_Down);
    EXPECT_EQ((std::pair{Row(1).name, Row(1).range}), (std::pair{Str255("baffle 1"), Str255("baffle 2")}));
    for (int column = kFirstParamColumn; column <= kColLe; ++column)
        EXPECT_EQ(Row(1).Param(column), column + 0.5f) << column;
    Select(kColLe, 1);
    Type("1e999", Qt::Key_Left);
    Type("-1e999", Qt::Key_Left);
    constexpr float kLargest = std::numeric_limits<float>::max();
    EXPECT_EQ((std::pair{Row(1).Param(kColLe), Row(1).Param(kColVd)}), (std::pair{kLargest, -kLargest}));
    ClickSheet(100, 90); // Control-F and Control-B move the insertion point and type nothing
    SheetField()->setText("abcd");
    SheetField()->setCursorPosition(1);
    SheetKey(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(SheetField()->cursorPosition(), 2);
    SheetKey(Qt::Key_B, Qt::MetaModifier);
    SheetKey(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(std::pair(SheetField()->cursorPosition(), SheetField()->text()), std::pair(0, QString("abcd")));
}

TEST_F(SheetTest, ArrowButtonsTheTriangleAndTheSelectedNumberAlert)
{
    OpenSheetOf(4);
    ClickSheet(10, 16 * 7 + 5); // model 3
    DirtyFlag = 0;
    Press(kUpArrowCtl); // the model it passes keeps the moved model's number
    EXPECT_EQ(std::tuple(Names(), int(Row(2).entryNo), int(Row(3).entryNo), int(cellV), int(DirtyFlag)),
              std::tuple("M1 M3 M2 M4", 2, 3, 2, 1));
    Press(kDownArrowCtl);
    Press(kDownArrowCtl);
    EXPECT_EQ(std::tuple(Names(), int(Row(4).entryNo), int(cellV)), std::tuple("M1 M2 M4 M3", 4, 4));
    OpenSheetOf(1);
    EXPECT_TRUE(ControlExists(kMainWnd, kExplanationTextCtl));
    Press(kExplanationTriangleCtl);
    EXPECT_EQ(ExplanationState, 1);
    EXPECT_FALSE(ControlExists(kMainWnd, kExplanationTextCtl) || ControlExists(kMainWnd, kExplanationBackCtl));
    Press(kExplanationTriangleCtl);
    EXPECT_EQ(std::tuple(ExplanationState, ControlExists(kMainWnd, kExplanationTextCtl)), std::tuple(0, true));
    EXPECT_EQ(Beeps([] { ShowAlertNumExtra(); }), 1);
    QMessageBox* box = ShownAlert();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(std::tuple(box->text(), box->informativeText(), box->windowModality()),
              std::tuple("ALERT!   Selected number doesn't correspond.", "Select the number again.", Qt::WindowModal));
    box->close();
}

// Paste inserts below with the next entry number. Undo puts back what Cut
// or Delete removed from its own copy, whatever the clipboard holds by then.
TEST_F(ModelOps, CopyPasteCutDeleteAndUndoPutTheModelsWhereTheyBelong)
{
    OpenWoofers(5);
    EditAt(0, 2, kCopyItem);
    EXPECT_EQ(ClipboardText().left(12), "M2  Woofer  ");
    EXPECT_EQ((std::tuple{EditAt(0, 3, kPasteItem), Row(4).Param(kColFs)}), std::tuple("M1 M2 M3 M2 M4 M5", 20.0f));
    // The shifted rows keep their numbers.
    EXPECT_EQ((Ints{cellV, Row(4).entryNo, Row(5).entryNo, DirtyFlag}), (Ints{4, 4, 4, 1}));
    EXPECT_EQ(UndoItem(), Undo("Undo Paste", true));
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4 M5"); // removes the model at the selected row
    EXPECT_EQ(UndoItem(), Undo("Undo", false));
    OpenWoofers(4);
    EXPECT_EQ(EditAt(0, 2, kCutItem), "M1 M3 M4");
    EXPECT_EQ(std::tuple(UndoItem(), Row(4).name.str(), int(cellV), int(Row(4).entryNo)),
              std::tuple(Undo("Undo Cut", true), "", 2, 0));
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");
    EXPECT_EQ(EditAt(0, 4, kDeleteItem), "M1 M2 M3");                               // the last model
    EXPECT_EQ(std::pair(int(cellV), UndoItem()), std::pair(3, Undo("Undo", true))); // the new last model is selected
    EXPECT_TRUE(ClipboardText().startsWith("M4  "));                                // Delete fills the clipboard too
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");                                      // back as the last model
    Row(2).Param(kColVas) = 25.123456f; // more decimals than the clipboard text carries
    EditAt(0, 2, kCutItem);
    EditAt(0, 1, kCopyItem); // the clipboard now holds another model
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");
    EXPECT_EQ(std::tuple(Row(2).Param(kColVas), int(Row(2).entryNo), int(cellV)), std::tuple(25.123456f, 2, 2));
    EditAt(0, 3, kDeleteItem);
    SetClipboardText("anything at all, even a text that is long enough to look like a model");
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");
    EditAt(kColName, 4, kCutItem);
    SetClipboardText("other");
    Edit(kUndoItem);
    EXPECT_EQ(SheetField()->text(), "M4");
}

TEST_F(ModelOps, AContextualClickTheOnlyModelSelectAllAndCopyFromTheField)
{
    OpenWoofers(15);
    Select(kColFs, 3);
    SheetField()->setText("5");
    SetPopUpMenuChooser([](int menu) { return menu == kContextMenu ? 4 : 0; }); // Delete
    RightClickSheet({10, 16 * (12 + 4) + 8});                                   // the "No" column of row 12
    EXPECT_EQ(Names(), "M1 M2 M3 M4 M5 M6 M7 M8 M9 M10 M11 M13 M14 M15");
    EXPECT_EQ(Row(3).Param(kColFs), 5.0f); // the typing was stored, as a click stores it
    OpenWoofers(1);
    Edit(kCutItem);                                                       // leaves an empty table
    EXPECT_EQ((Ints{fNum, Beeps([] { Edit(kCutItem); })}), (Ints{0, 1})); // nothing left to cut
    cellH = 0, cellV = 0;                                                 // the "No" title: no model to cut or copy
    EXPECT_EQ((Ints{Beeps([] { Edit(kCutItem); }), Beeps([] { Edit(kCopyItem); })}), (Ints{1, 1}));
    EXPECT_EQ(Edit(kUndoItem), "M1");
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kSelectAllItem), kEventNotHandled); // only for cells
    Select(1, 1);
    EXPECT_EQ(ChooseMenuItem(kEditMenu, kSelectAllItem), 0);
    EXPECT_EQ(SheetField()->selectedText(), "M1");
    SheetField()->setText("KW-380");
    SheetField()->setSelection(0, 2);
    QTest::keyClick(SheetField(), Qt::Key_C, Qt::ControlModifier); // the menu's shortcut wins over the field's
    EXPECT_EQ(ClipboardText(), "KW-380");                          // the whole field, as Copy does
}

TEST_F(ModelOps, RefusedTextsPastesIntoCellsAndClipboardFlavours)
{
    OpenWoofers(3);
    Edit(kCutItem); // a refused paste changes nothing, not even Undo
    SetClipboardText("too short for a model");
    EXPECT_EQ(Beeps([] { Edit(kPasteItem); }), 1);
    EXPECT_EQ(std::tuple(Names(), UndoItem(), undoItemID), std::tuple("M2 M3", Undo("Undo Cut", true), kCutItem));
    Edit(kUndoItem);
    // An image, texts that are no model or too long for a cell, a full table.
    QGuiApplication::clipboard()->setImage(QImage(4, 4, QImage::Format_RGB32));
    EXPECT_EQ(Beeps([] { Edit(kPasteItem); }), 1);
    SetClipboardText(QString(100000, QLatin1Char('x')));
    EXPECT_EQ(Beeps([] { Edit(kPasteItem); }), 1);
    Select(1, 1);
    EXPECT_EQ(Beeps([] { Edit(kPasteItem); }), 1);
    SetClipboardText(QString(31, QLatin1Char('y')));
    EXPECT_EQ(Beeps([] { Edit(kPasteItem); }), 1);
    EXPECT_EQ(std::pair(Names(), SheetField()->text()), std::pair(std::string("M1 M2 M3"), QString("M1")));
    EditAt(0, 1, kCopyItem);
    fNum = kMaxModels;
    EXPECT_EQ((Ints{Beeps([] { Edit(kPasteItem); }), fNum}), (Ints{1, kMaxModels}));
    fNum = 3;
    Select(1, 1); // a cell paste shows the text and stores it at the next redraw
    SetClipboardText(QString::fromUtf8("Caf\xC3\xA9 12"));
    Edit(kPasteItem);
    EXPECT_EQ(std::tuple(SheetField()->text(), Row(1).name), std::tuple("Caf\xC3\xA9 12", Str255("M1")));
    Edit(kUndoItem);
    EXPECT_EQ(SheetField()->text(), "M1");
    Edit(kPasteItem);
    Select(4, 2);
    EXPECT_EQ(Row(1).name, Str255("Caf\x8E 12"));
    Edit(kCutItem); // a cell cut empties the cell
    EXPECT_EQ(std::pair(Row(2).Param(kColFs), ClipboardText()), std::pair(0.0f, QString(" 20")));
    Edit(kUndoItem);
    EXPECT_EQ(SheetField()->text(), " 20");
    Select(1, 2);
    EXPECT_EQ(Row(2).Param(kColFs), 20.0f);
    Edit(kCutItem);
    Select(0, 1);
    EXPECT_TRUE(Row(2).name.empty());
    // The clipboard's flavours are read in their order.
    const QString a = QStringLiteral("\u00c5 first");
    const QByteArray utf16(reinterpret_cast<const char*>(a.utf16()), a.size() * 2);
    auto offer = [](std::initializer_list<std::pair<QString, QByteArray>> flavours) {
        auto* data = new QMimeData;
        for (const auto& [type, bytes] : flavours) data->setData(type, bytes);
        QGuiApplication::clipboard()->setMimeData(data);
        Str255 text;
        EXPECT_TRUE(GetTextFromClipboard(text));
        return text;
    };
    const QString u16 = "text/plain;charset=utf-16", u8 = "text/plain;charset=utf-8";
    EXPECT_EQ(offer({{u16, utf16}, {u8, "second"}}), Str255("\x81 first"));
    EXPECT_EQ(offer({{"text/html", "<b>x</b>"}, {u8, "second"}, {u16, utf16}}),
              Str255("<b>x</b>")); // any other text too
}

// Sorting is stable both ways with a NaN last both ways; Unsort is the entry order.
TEST_F(SheetTest, SortIsStableWithNaNLastUnsortInEntryOrderAndTypingStoredFirst)
{
    const auto setFs = [](std::initializer_list<float> values) {
        OpenWoofers(int(values.size()));
        int r = 1;
        for (float v : values) Row(r++).Param(kColFs) = v;
        DirtyFlag = 0;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        std::initializer_list<float> fs;
        const char *ascending, *descending, *unsorted;
    } cases[] = {
        {{50, 30, 50, 20}, "M4 M2 M1 M3", "M1 M3 M2 M4", "M1 M2 M3 M4"},
        {{nan, 30, 50, nan, 20}, "M5 M2 M3 M1 M4", "M3 M2 M5 M1 M4", "M1 M2 M3 M4 M5"},
    };
    for (const Case& c : cases) {
        setFs(c.fs);
        EXPECT_EQ((std::vector{Sort(3), Sort(kDescendingItem), Sort(kUnsortItem)}), // 3: Fs
                  (std::vector<std::string>{c.ascending, c.descending, c.unsorted}));
        Sort(kAscendingItem); // the next case starts ascending, as a new sheet does
    }
    setFs({1, 2, 3});
    Select(0, 3);
    Press(kUpArrowCtl);                           // M3 to row 2, number 2
    EXPECT_EQ(Sort(kDescendingItem), "M1 M3 M2"); // numbers 1, 2, 3 already ascending
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kUnsortItem));
    setFs({40, 10, 30, 20});
    Sort(kAscendingItem);
    Edit(kCopyItem);
    EXPECT_EQ(EditAt(0, 2, kPasteItem), "M1 M2 M1 M3 M4"); // M1 again as row 3, number 3
    EXPECT_EQ(Sort(3), "M2 M4 M3 M1 M1");
    EXPECT_EQ(Sort(kUnsortItem), "M1 M2 M3 M1 M4"); // the copy shares number 3 and stays behind M3, as sorted
    // Tables of one model and of none; what was typed is stored before the rows move.
    setFs({7});
    EXPECT_EQ((std::pair{Sort(3), int(DirtyFlag)}), (std::pair{std::string("M1"), 1}));
    setFs({});
    Sort(kAscendingItem);
    EXPECT_EQ((Ints{cellV, DirtyFlag}), (Ints{1, 1}));
    setFs({50, 30});
    Select(kColFs, 2);
    SheetField()->setText("77");
    EXPECT_EQ((std::tuple{Sort(3), Row(2).Param(kColFs), int(cellH), int(cellV), int(DirtyFlag), SheetField()->text()}),
              std::tuple("M1 M2", 77.0f, int(kColFs), 1, 1, " 50")); // 3: Fs
    Select(kColName, 1);
    SheetField()->setText("M9");
    EXPECT_EQ((std::tuple{Sort(kDescendingItem), SheetField()->text()}), std::tuple("M2 M9", "M2"));
    DirtyFlag = 0; // by Qts: nothing moves, nothing typed, still a change
    EXPECT_EQ((std::pair{Sort(5), int(DirtyFlag)}), (std::pair{std::string("M2 M9"), 1}));
}

// The drawn sheet and a printed job, call by call, against the records kept in tests/sheet/records: any change to
// what is drawn, where, in which colour, face or size shows here, to a hundredth of a point. After a deliberate
// change to the drawing, run this test with MERESTONE_UPDATE_RECORDS=1 and read the records' diff before committing.
void ExpectKept(const char* name)
{
    const QString path = QStringLiteral(MERESTONE_SOURCE_DIR "/tests/sheet/records/") + QLatin1String(name);
    const QByteArray drawn = QByteArray::fromStdString(LastDrawingRecord());
    if (qEnvironmentVariableIsSet("MERESTONE_UPDATE_RECORDS")) Drive::WriteFile(path, drawn);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    EXPECT_EQ(drawn.toStdString(), file.readAll().toStdString()) << name; // GoogleTest shows the lines that differ
}

TEST_F(DrawSheetTest, TheSheetAndAPrintedJobDrawAsKept)
{
    // Models of every kind: long and accented names, blank ranges and cells, values from a thousandth to tens of
    // thousands, negative ones.
    const char* names[]
        = {"Halden R\x8Ev\x8Elator", "\xAFrsted & S\xBFn", "", "Norvik 8\" paper woofer, long name", "Vale"};
    const char* ranges[] = {"Woofer", "Tweeter", "", "SubWof"};
    OpenSheetOf(45);
    for (int r = 1; r <= 45; ++r) {
        Row(r).name = Str255(std::string(names[r % 5]) + " " + std::to_string(r));
        Row(r).range = Str255(ranges[r % 4]);
        for (int c = kColDia; c <= kColLe; ++c)
            Row(r).Param(c)
                = (r + c) % 7 == 0 ? 0.0f : float((r * 37 + c * 11) % 101 * std::pow(10.0, (r + c) % 6 - 3));
        Row(r).Param(kColQes) *= r % 9 == 0 ? -1 : 1;
    }
    SetWindowContentSize(kMainWnd, 941, 520);
    ProcessEvents();
    Select(kColVas, 3); // a cell: its frame, its column's header, its row's number
    ExpectKept("cell.txt");
    for (int k = 0; k < 4; ++k) SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Select(kColName, 12); // a whole model, scrolled
    ExpectKept("model.txt");
    QTemporaryDir dir; // both pages, the second holding five models
    answers.push_back("1-2 " + dir.filePath("pages.pdf").toStdString());
    ChooseMenuItem(kFileMenu, kPrintItem);
    ProcessEvents();
    ExpectKept("pages.txt");
    OpenSheetOf(kMaxModels); // five-digit row numbers, fitted to their column
    ScrollValue = 32750;
    Select(kColLe, 32760);
    ExpectKept("last_rows.txt");
}

// Runs xclip while this program keeps answering the X server.
QByteArray RunXclip(const QStringList& args, const QByteArray& input = {})
{
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), args);
    if (!xclip.waitForStarted(5000)) return "xclip did not start";
    xclip.write(input);
    xclip.closeWriteChannel();
    const QDeadlineTimer deadline(10000);
    while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired() && !xclip.waitForFinished(20))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return xclip.readAllStandardOutput();
}

// The real X11 clipboard, shared with another program (xclip). Runs only on
// the xcb platform, which the x11_clipboard test gives it under Xvfb.
TEST(X11Clipboard, OtherProgramsReadAndWriteItAsUtf8)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X server";
    PutTextToClipboard(Str255("Caf\x8E  Woofer"));
    EXPECT_EQ(RunXclip({"-o", "-selection", "clipboard"}), QByteArray("Caf\xC3\xA9  Woofer"));
    RunXclip({"-i", "-selection", "clipboard"}, QByteArray("12\xE2\x82\xAC fifty"));
    Str255 text;
    const QDeadlineTimer deadline(5000);
    while (!(GetTextFromClipboard(text) && text == Str255("12\xDB fifty")) && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(text, Str255("12\xDB fifty"));
}

} // namespace
