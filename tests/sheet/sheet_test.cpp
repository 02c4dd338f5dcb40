// The sheet through its real handlers: what it draws, probed pixel by pixel
// and text by text at its own coordinates; clicks, keys, the wheel and the
// controls beside it; cut, copy, paste, delete and undo through the Edit
// menu and the platform's clipboard; sorting through the Sort menu.
#include "app/alerts.h"
#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "link/link_globals.h"
#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/test_seams.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_input.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QDeadlineTimer>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <limits>
#include <map>
#include <set>

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
    // A send request came through: with no sibling installed the program
    // says so; OK ends the request.
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
    // The Undo item's text and whether it is enabled.
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

// The texts drawn on the line of `name`, left to right, blanks trimmed.
std::vector<std::string> DrawnRow(const std::string& name)
{
    const std::vector<DrawnText> texts = LastDrawnTexts();
    double y = -1;
    for (const DrawnText& t : texts)
        if (t.text == name) y = t.y;
    std::multimap<double, std::string> row;
    for (const DrawnText& t : texts)
        if (t.y == y) row.emplace(t.x, QString::fromLatin1(t.text.c_str()).trimmed().toStdString());
    std::vector<std::string> out;
    for (const auto& [x, text] : row) out.push_back(text);
    return out;
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
    ExpectColour(kSlate, {{4, 106}, {20, 70}}); // the "No" header cell too
    ExpectColour(kHeaderGrey, {{135, 70}});
    ExpectColour(kShading, {{190, 85}}); // row 1 is no longer selected
    // Every cell of a row in its column and the sheet's number format; the
    // selected row's number drawn again in white over the slate.
    ModelRecord& m = Row(2);
    m.name = Str255("KW-380");
    m.range = Str255("Woofer");
    const float values[] = {38, 22.5f, 310, 0.358f, 0.38f, 6.1f, 0.893f, 5.4f, 600, 725.8f, 9.5f, 689.54f, 2.1f};
    std::copy(std::begin(values), std::end(values), m.params);
    Select(0, 3);
    EXPECT_EQ(DrawnRow("KW-380"),
              (std::vector<std::string>{"2", "KW-380", "Woofer", "38.0", "22.5", "310", "0.358", "0.380", "6.100",
                                        "0.893", "5.400", "600", "725.8", "9.50", "689.54", "2.100"}));
    std::set<std::string> titles;
    int whiteNumbers = 0;
    for (const DrawnText& t : LastDrawnTexts()) {
        if (t.y < 80) titles.insert(t.text);
        whiteNumbers += t.text == " 3";
        // Cells in Geneva 12, row numbers and titles in Helvetica Bold 13.
        const bool cell = t.text == "KW-380" || t.text == " 22.5", title = t.text == "Fs", number = t.text == " 2";
        EXPECT_TRUE(!cell || (t.fontNum == 5 && t.size == 12)) << t.text;
        EXPECT_TRUE(!(title || number) || (t.fontNum == 8 && t.size == 13)) << t.text;
        EXPECT_TRUE(!title || t.y == 48 + 13) << t.y; // the titles' first line, under the top bar
    }
    EXPECT_EQ(whiteNumbers, 2);
    // The column titles, with the superscripts of cm² and cm³.
    for (const char* title : {"Model Name", "Vas", "(Liter)", "Sd", "(cm  )", "2", "Vd", "3", "(mH)"})
        EXPECT_TRUE(titles.count(title)) << title;
}

TEST_F(DrawSheetTest, ShadingStaysPutAndTheSelectionFollowsTheScroll)
{
    OpenSheetOf(40);
    Select(3, 5);
    for (int k = 0; k < 10; ++k) SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ((Ints{ScrollValue, cellV}), (Ints{10, 5})); // scrolling keeps the selected row
    // Row 5 is above the top: no highlight, but its column's header is still
    // slate, and the bands stay put.
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

// Every row down to the window's bottom edge is drawn and none past it; row
// numbers of four and five digits, white on the selected row too, end before
// the rule that closes the "No" column.
TEST_F(DrawSheetTest, RowsDownToTheBottomEdgeAndLongRowNumbers)
{
    OpenSheetOf(kMaxModels);
    SetWindowContentSize(kMainWnd, 941, 600);
    ProcessEvents();
    SetInstallScrollButton();
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
    // The tallest sheet, taller than the test screen: the rules reach the "No"
    // column's left edge, and the last one is drawn.
    SetWindowResizeLimits(kMainWnd, 941, 100, 941, 1530);
    SetWindowContentSize(kMainWnd, 941, 1530);
    ProcessEvents();
    DrawSheet();
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
    // A redraw with a calculator's value on shows it and stores nothing; the
    // next redraw stores what the field shows.
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
    struct Case {
        int x, y, column, row;
    } cases[] = {
        {10, 90, 0, 1},  {28, 90, 0, 1},    {29, 90, 1, 1},   {140, 90, 1, 1},  {141, 90, 2, 1},
        {196, 90, 3, 1}, {923, 100, 15, 2}, {500, 150, 8, 5}, {500, 300, 8, 5},
    };
    for (const Case& c : cases) {
        ClickSheet(c.x, c.y);
        EXPECT_EQ((Ints{cellH, cellV}), (Ints{c.column, c.row})) << c.x << "," << c.y;
    }
    ClickSheet(924, 120); // the sheet's right edge
    ClickSheet(300, 80);  // the header band
    EXPECT_EQ((Ints{cellH, cellV}), (Ints{8, 5}));
    // Below the last model, and adding one to a scrolled sheet.
    OpenSheetOf(25);
    SetWindowContentSize(kMainWnd, 941, 412); // 20 rows and a part of the 21st
    ProcessEvents();
    for (int k = 0; k < 5; ++k) SheetBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(ScrollValue, 5);
    ClickSheet(300, 405); // the partly shown 21st slot, below model 25
    EXPECT_EQ(cellV, 25);
    ClickSheet(10, 405); // the whole model: Select is lit
    ASSERT_TRUE(ControlIsHighlighted(kMainWnd, kSelectCtl));
    DirtyFlag = 0;
    Press(kAddNewModelCtl); // scrolls to the new model's name cell; the row count changed
    EXPECT_FALSE(ControlIsHighlighted(kMainWnd, kSelectCtl));
    EXPECT_EQ((Ints{fNum, cellH, cellV, ScrollValue, ScrollNum, DirtyFlag}), (Ints{26, 1, 26, 6, 6, 1}));
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
    Select(15, 2); // the arrows wrap round the columns and stop at the first and last rows
    SheetKey(Qt::Key_Right);
    EXPECT_EQ(cellH, 0);
    SheetKey(Qt::Key_Left);
    EXPECT_EQ(cellH, 0);
    SheetKey(Qt::Key_Up, {}, 2);
    EXPECT_EQ(cellV, 1);
    SheetKey(Qt::Key_Down, {}, 3);
    EXPECT_EQ(std::pair(int(cellV), Label(kRowCounterCtl)), std::pair(3, QString("3/3")));
    DirtyFlag = 0;
    SheetKey(Qt::Key_Return); // on a model: sends it
    EXPECT_EQ((Ints{AskedToSend(), cellH}), (Ints{1, 0}));
    Select(4, 3);
    SheetKey(Qt::Key_Return, Qt::AltModifier); // sends the model and keeps the cell
    EXPECT_EQ((Ints{AskedToSend(), cellH}), (Ints{1, 4}));
    SheetKey(Qt::Key_Enter, Qt::KeypadModifier); // moves right like Return
    EXPECT_EQ((Ints{ModelSelFlag, cellH}), (Ints{0, 5}));
    // The wheel scrolls only when the bar is live; the arrow keys scroll by
    // one row when the selection leaves the window, and never beyond ScrollNum.
    OpenSheetOf(10);
    auto wheel = [](int notches) {
        Wheel(kMainWnd, {300, 200}, 120 * notches);
        return int(ScrollValue);
    };
    EXPECT_EQ(wheel(-3), 0);
    OpenSheetOf(30);
    EXPECT_EQ((Ints{wheel(-3), wheel(-30), wheel(2), wheel(9)}), (Ints{3, 10, 8, 0}));
    struct Step {
        Qt::Key key;
        int times, row, top;
    } steps[] = {
        {Qt::Key_Down, 19, 20, 0}, {Qt::Key_Down, 1, 21, 1}, {Qt::Key_Down, 20, 30, 10},
        {Qt::Key_Up, 19, 11, 10},  {Qt::Key_Up, 1, 10, 9},
    };
    for (const Step& s : steps) {
        SheetKey(s.key, {}, s.times);
        EXPECT_EQ((Ints{cellV, ScrollValue, SheetBar()->value()}), (Ints{s.row, s.top, s.top}));
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
    button->menu()->actions().at(2)->trigger(); // "Sub Woofer"
    EXPECT_EQ(std::pair(int(DirtyFlag), SheetField()->text()), std::pair(1, QString("SubWof")));
    ClickSheet(100, 90); // the field's text is stored back as it is
    ClickSheet(150, 106);
    FreqRangeChoice(0); // the list closed without a choice
    EXPECT_EQ(Row(2).range, Str255("SubWof"));
    EXPECT_EQ((std::vector<std::string>{ShortRangeLabel(1), ShortRangeLabel(12)}),
              (std::vector<std::string>{"Full Rng", ""}));
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
        Type(column <= kColRange ? QString("Text %1").arg(column) : QString::number(column + 0.5));
    }
    SheetKey(Qt::Key_Down);
    EXPECT_EQ((std::pair{Row(1).name, Row(1).range}), (std::pair{Str255("Text 1"), Str255("Text 2")}));
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
    Press(kUpArrowCtl);
    EXPECT_EQ(Names(), "M1 M3 M2 M4");
    // The model it passed keeps the moved model's number.
    EXPECT_EQ((Ints{Row(2).entryNo, Row(3).entryNo, cellV, DirtyFlag}), (Ints{2, 3, 2, 1}));
    Press(kDownArrowCtl);
    Press(kDownArrowCtl);
    EXPECT_EQ(Row(4).name, Str255("M3"));
    EXPECT_EQ((Ints{Row(4).entryNo, cellV}), (Ints{4, 4}));
    // The triangle hides and shows the explanation.
    OpenSheetOf(1);
    EXPECT_TRUE(ControlExists(kMainWnd, kExplanationTextCtl));
    Press(kExplanationTriangleCtl);
    EXPECT_EQ(ExplanationState, 1);
    EXPECT_FALSE(ControlExists(kMainWnd, kExplanationTextCtl) || ControlExists(kMainWnd, kExplanationBackCtl));
    Press(kExplanationTriangleCtl);
    EXPECT_EQ(ExplanationState, 0);
    EXPECT_TRUE(ControlExists(kMainWnd, kExplanationTextCtl));
    EXPECT_EQ(Beeps([] { ShowAlertNumExtra(); }), 1);
    QMessageBox* box = ShownAlert();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(QStringList({box->text(), box->informativeText()}),
              QStringList({"ALERT!   Selected number doesn't correspond.", "Select the number again."}));
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    box->close();
}

// Paste inserts below with the next entry number. Undo puts back what Cut
// or Delete removed from its own copy, whatever the clipboard holds by then.
TEST_F(ModelOps, CopyPasteCutDeleteAndUndoPutTheModelsWhereTheyBelong)
{
    OpenWoofers(5);
    EditAt(0, 2, kCopyItem);
    EXPECT_EQ(ClipboardText().left(12), "M2  Woofer  ");
    EXPECT_EQ(EditAt(0, 3, kPasteItem), "M1 M2 M3 M2 M4 M5");
    EXPECT_EQ(Row(4).Param(kColFs), 20.0f);
    // The shifted rows keep their numbers.
    EXPECT_EQ((Ints{cellV, Row(4).entryNo, Row(5).entryNo, DirtyFlag}), (Ints{4, 4, 4, 1}));
    EXPECT_EQ(UndoItem(), Undo("Undo Paste", true));
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4 M5"); // removes the model at the selected row
    EXPECT_EQ(UndoItem(), Undo("Undo", false));
    OpenWoofers(4);
    EXPECT_EQ(EditAt(0, 2, kCutItem), "M1 M3 M4");
    EXPECT_EQ(UndoItem(), Undo("Undo Cut", true));
    EXPECT_TRUE(Row(4).name.empty());
    EXPECT_EQ((Ints{cellV, Row(4).entryNo}), (Ints{2, 0}));
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");
    EXPECT_EQ(EditAt(0, 4, kDeleteItem), "M1 M2 M3"); // the last model
    EXPECT_EQ(cellV, 3);                              // the new last model is selected
    EXPECT_EQ(UndoItem(), Undo("Undo", true));
    EXPECT_TRUE(ClipboardText().startsWith("M4  ")); // Delete fills the clipboard too
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");       // back as the last model
    Row(2).Param(kColVas) = 25.123456f;              // more decimals than the clipboard text carries
    EditAt(0, 2, kCutItem);
    EditAt(0, 1, kCopyItem); // the clipboard now holds another model
    EXPECT_EQ(Edit(kUndoItem), "M1 M2 M3 M4");
    EXPECT_EQ(Row(2).Param(kColVas), 25.123456f);
    EXPECT_EQ((Ints{Row(2).entryNo, cellV}), (Ints{2, 2}));
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
    // The only model; Select All and Copy from the field.
    OpenWoofers(1);
    Edit(kCutItem); // leaves an empty table
    EXPECT_EQ(fNum, 0);
    EXPECT_EQ(Beeps([] { Edit(kCutItem); }), 1); // nothing left to cut
    cellH = 0, cellV = 0;                        // the "No" title: no model to cut or copy
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
    EXPECT_EQ(std::tuple(Names(), UndoItem(), int(undoItemID)),
              std::tuple("M2 M3", Undo("Undo Cut", true), int(kCutItem)));
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
    EXPECT_EQ(std::pair(SheetField()->text(), Row(1).name),
              std::pair(QString::fromUtf8("Caf\xC3\xA9 12"), Str255("M1")));
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
        EXPECT_EQ(Sort(3), c.ascending); // Fs
        EXPECT_EQ(Sort(kDescendingItem), c.descending);
        EXPECT_EQ(Sort(kUnsortItem), c.unsorted);
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
    EXPECT_EQ(Sort(3), "M1");
    EXPECT_EQ(DirtyFlag, 1);
    fNum = 0;
    DirtyFlag = 0;
    Sort(kAscendingItem);
    EXPECT_EQ((Ints{cellV, DirtyFlag}), (Ints{1, 1}));
    setFs({50, 30});
    Select(kColFs, 2);
    SheetField()->setText("77");
    EXPECT_EQ(Sort(3), "M1 M2"); // Fs
    EXPECT_EQ(Row(2).Param(kColFs), 77.0f);
    EXPECT_EQ((Ints{cellH, cellV, DirtyFlag}), (Ints{kColFs, 1, 1}));
    EXPECT_EQ(SheetField()->text(), " 50");
    Select(kColName, 1);
    SheetField()->setText("M9");
    EXPECT_EQ(Sort(kDescendingItem), "M2 M9");
    EXPECT_EQ(SheetField()->text(), "M2");
    DirtyFlag = 0;
    EXPECT_EQ(Sort(5), "M2 M9"); // Qts: nothing moves, nothing typed, still a change
    EXPECT_EQ(DirtyFlag, 1);
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
    while (xclip.state() != QProcess::NotRunning && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        xclip.waitForFinished(20);
    }
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
