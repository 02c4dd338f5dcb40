// Clicks, keys, the wheel and the controls beside the sheet, through the
// real handlers.
#include "app/alerts.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "link/link_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "platform/test_seams.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "sheet/sheet_input.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>
#include <limits>

namespace {

class SheetInputTest : public AppTest {
protected:
    void Click(int x, int y) { QTest::mouseClick(ContentWidget(kMainWnd), Qt::LeftButton, {}, QPoint(x, y)); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : ContentWidget(kMainWnd);
        QTest::keyClick(target, key, mods);
    }
    QLineEdit* Field() { return qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl)); }
    QString Counter() { return qobject_cast<QLabel*>(ControlWidget(kMainWnd, kRowCounterCtl))->text(); }
    void Type(const QString& text)
    {
        Field()->selectAll();
        QTest::keyClicks(Field(), text);
    }
};

TEST_F(SheetInputTest, ClicksSelectColumnAndRow)
{
    OpenSheetOf(5);
    struct Case {
        int x, y, column, row;
    } cases[] = {
        {10, 90, 0, 1},  {28, 90, 0, 1},    {29, 90, 1, 1},   {140, 90, 1, 1},  {141, 90, 2, 1},
        {196, 90, 3, 1}, {923, 100, 15, 2}, {500, 150, 8, 5}, {500, 300, 8, 5},
    };
    for (const Case& c : cases) {
        Click(c.x, c.y);
        EXPECT_EQ(cellH, c.column) << c.x << "," << c.y;
        EXPECT_EQ(cellV, c.row) << c.x << "," << c.y;
    }
    Click(924, 120); // the sheet's right edge
    Click(300, 80);  // the header band
    EXPECT_EQ(cellH, 8);
    EXPECT_EQ(cellV, 5);
}

TEST_F(SheetInputTest, ClicksCountFromTheFirstVisibleRow)
{
    OpenSheetOf(40);
    auto* bar = qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl));
    for (int k = 0; k < 10; ++k) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    Click(300, 16 * 7 + 5); // third visible row
    EXPECT_EQ(cellV, 13);
    EXPECT_EQ(Counter(), "13/40");
    WndDeactiveFlag = 1;
    Click(300, 16 * 5 + 5);
    EXPECT_EQ(cellV, 13); // an inactive window ignores clicks
}

TEST_F(SheetInputTest, ClickBelowTheLastModelOfAScrolledSheetSelectsTheLast)
{
    OpenSheetOf(25);
    SetWindowContentSize(kMainWnd, 941, 412); // 20 rows and a part of the 21st
    ProcessEvents();
    auto* bar = qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl));
    for (int k = 0; k < 5; ++k) bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(ScrollValue, 5);
    Click(300, 405); // the partly shown 21st slot, below model 25
    EXPECT_EQ(cellV, 25);
}

TEST_F(SheetInputTest, ArrowKeysWrapAndClamp)
{
    OpenSheetOf(3);
    cellH = 15;
    DrawSheet();
    Key(Qt::Key_Right);
    EXPECT_EQ(cellH, 0);
    Key(Qt::Key_Left);
    EXPECT_EQ(cellH, 0);
    Key(Qt::Key_Up);
    EXPECT_EQ(cellV, 1);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    EXPECT_EQ(cellV, 3);
    EXPECT_EQ(Counter(), "3/3");
}

TEST_F(SheetInputTest, DownScrollsOneRowWhenTheSelectionLeavesTheWindow)
{
    OpenSheetOf(30);
    for (int k = 0; k < 19; ++k) Key(Qt::Key_Down);
    ASSERT_EQ(cellV, 20);
    EXPECT_EQ(ScrollValue, 0);
    Key(Qt::Key_Down);
    EXPECT_EQ(ScrollValue, 1);
    EXPECT_EQ(qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl))->value(), 1);
    for (int k = 0; k < 20; ++k) Key(Qt::Key_Down);
    EXPECT_EQ(cellV, 30);
    EXPECT_EQ(ScrollValue, 10); // never beyond ScrollNum
    for (int k = 0; k < 19; ++k) Key(Qt::Key_Up);
    ASSERT_EQ(cellV, 11);
    EXPECT_EQ(ScrollValue, 10);
    Key(Qt::Key_Up);
    EXPECT_EQ(ScrollValue, 9);
}

TEST_F(SheetInputTest, ReturnOnAModelSendsItOptionReturnKeepsTheCell)
{
    OpenSheetOf(3);
    Key(Qt::Key_Return);
    EXPECT_EQ(ModelSelFlag, 1);
    EXPECT_EQ(cellH, 0);
    ModelSelFlag = 0;
    cellH = 4;
    DrawSheet();
    Key(Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(ModelSelFlag, 1);
    EXPECT_EQ(cellH, 4);
    ModelSelFlag = 0;
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cellH, 5); // Enter moves right like Return
    EXPECT_EQ(ModelSelFlag, 0);
}

TEST_F(SheetInputTest, OptionArrowsMoveWithoutARedraw)
{
    OpenSheetOf(3);
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(cellV, 2);
    EXPECT_EQ(Counter(), "1/3");
    Key(Qt::Key_Right);
    EXPECT_EQ(Counter(), "2/3");
}

TEST_F(SheetInputTest, TypedTextIsStoredWhenTheSelectionMoves)
{
    OpenSheetOf(2);
    Click(290, 90); // Fs of row 1
    Type("12abc");
    Key(Qt::Key_Return);
    EXPECT_EQ(Row(1).Param(kColFs), 12.0f);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(cellH, kColVas);
    Type("abc");
    Click(420, 90); // Qes: the Vas text goes first
    EXPECT_EQ(Row(1).Param(kColVas), 0.0f);
    Type("0.4");
    Click(420, 106);
    EXPECT_EQ(Row(1).Param(kColQes), 0.4f);
    EXPECT_EQ(Row(1).Param(kColQts), 0.0f); // nothing derived follows
    Click(100, 106);
    Type(QString(300, QLatin1Char('x')));
    Key(Qt::Key_Left);
    EXPECT_EQ(Row(2).name.size(), 255u);
}

// Every column takes what is typed in it, the last one too, and a number
// too large for the table is kept as the largest it can hold.
TEST_F(SheetInputTest, EveryColumnStoresWhatIsTypedInIt)
{
    OpenSheetOf(1);
    cellV = 1;
    for (int column = kColName; column <= kColLe; ++column) {
        cellH = static_cast<std::int16_t>(column);
        DrawSheet();
        Type(column <= kColRange ? QString("Text %1").arg(column) : QString::number(column + 0.5));
    }
    Key(Qt::Key_Down);
    EXPECT_EQ(Row(1).name, Str255("Text 1"));
    EXPECT_EQ(Row(1).range, Str255("Text 2"));
    for (int column = kFirstParamColumn; column <= kColLe; ++column)
        EXPECT_EQ(Row(1).Param(column), column + 0.5f) << column;
    cellV = 1;
    cellH = kColLe;
    DrawSheet();
    Type("1e999");
    Key(Qt::Key_Left);
    EXPECT_EQ(Row(1).Param(kColLe), std::numeric_limits<float>::max());
    Type("-1e999");
    Key(Qt::Key_Left);
    EXPECT_EQ(Row(1).Param(kColVd), -std::numeric_limits<float>::max());
}

TEST_F(SheetInputTest, TypingWithNoModelStoresNothing)
{
    OpenSheetOf(0);
    cellH = 4;
    DrawSheet();
    Type("38");
    Key(Qt::Key_Right);
    EXPECT_EQ(Row(1).Param(kColFs), 0.0f);
}

TEST_F(SheetInputTest, ControlFAndBMoveTheInsertionPoint)
{
    OpenSheetOf(1);
    Click(100, 90);
    Field()->setText("abcd");
    Field()->setCursorPosition(1);
    Key(Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(Field()->cursorPosition(), 2);
    Key(Qt::Key_B, Qt::MetaModifier);
    Key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Field()->cursorPosition(), 0);
    EXPECT_EQ(Field()->text(), "abcd");
}

TEST_F(SheetInputTest, TheWheelScrollsOnlyWhenTheBarIsLive)
{
    OpenSheetOf(10);
    auto wheel = [](int notches) {
        QWheelEvent e(QPointF(300, 200), QPointF(300, 200), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(ContentWidget(kMainWnd), &e);
    };
    wheel(-3);
    EXPECT_EQ(ScrollValue, 0);
    OpenSheetOf(30);
    wheel(-3);
    EXPECT_EQ(ScrollValue, 3);
    wheel(-30);
    EXPECT_EQ(ScrollValue, 10);
    wheel(2);
    EXPECT_EQ(ScrollValue, 8);
}

TEST_F(SheetInputTest, AddNewModelScrollsToTheNewNameCell)
{
    OpenSheetOf(25);
    QTest::mouseClick(ControlWidget(kMainWnd, kAddNewModelCtl), Qt::LeftButton);
    EXPECT_EQ(fNum, 26);
    EXPECT_EQ(cellV, 26);
    EXPECT_EQ(cellH, 1);
    EXPECT_EQ(ScrollValue, ScrollNum);
    EXPECT_EQ(ScrollNum, 6);
    EXPECT_EQ(Row(26).name, Str255("n/a"));
    EXPECT_EQ(Field()->text(), "n/a");
    EXPECT_EQ(DirtyFlag, 1); // the row count changed

    const int beeps = SysBeepCount();
    fNum = 32767;
    QTest::mouseClick(ControlWidget(kMainWnd, kAddNewModelCtl), Qt::LeftButton);
    EXPECT_EQ(fNum, 32767);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
}

TEST_F(SheetInputTest, ArrowButtonsMoveTheModelAndItsEntryNumber)
{
    OpenSheetOf(4);
    Click(10, 16 * 7 + 5); // model 3
    DirtyFlag = 0;
    QTest::mouseClick(ControlWidget(kMainWnd, kUpArrowCtl), Qt::LeftButton);
    EXPECT_EQ(Row(2).name, Str255("M3"));
    EXPECT_EQ(Row(2).entryNo, 2);
    EXPECT_EQ(Row(3).name, Str255("M2"));
    EXPECT_EQ(Row(3).entryNo, 3); // the model it passed keeps the moved model's number
    EXPECT_EQ(cellV, 2);
    EXPECT_EQ(DirtyFlag, 1);
    QTest::mouseClick(ControlWidget(kMainWnd, kDownArrowCtl), Qt::LeftButton);
    QTest::mouseClick(ControlWidget(kMainWnd, kDownArrowCtl), Qt::LeftButton);
    EXPECT_EQ(Row(4).name, Str255("M3"));
    EXPECT_EQ(Row(4).entryNo, 4);
    EXPECT_EQ(cellV, 4);
    EXPECT_FALSE(ControlIsEnabled(kMainWnd, kDownArrowCtl));
}

TEST_F(SheetInputTest, TheRangeListStoresTheShortLabel)
{
    OpenSheetOf(2);
    Click(150, 106); // range of row 2
    DirtyFlag = 0;
    SetPopUpMenuChooser({});
    auto* button = qobject_cast<QPushButton*>(ControlWidget(kMainWnd, kFreqRangeCtl));
    button->menu()->actions().at(2)->trigger(); // "Sub Woofer"
    EXPECT_EQ(Row(2).range, Str255("SubWof"));
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(Field()->text(), "SubWof");
    Click(100, 90); // the field's text is stored back as it is
    EXPECT_EQ(Row(2).range, Str255("SubWof"));
    Click(150, 106);
    FreqRangeChoice(0); // the list closed without a choice
    EXPECT_EQ(Row(2).range, Str255("SubWof"));
    EXPECT_STREQ(ShortRangeLabel(10), "W Corn");
    EXPECT_STREQ(ShortRangeLabel(1), "Full Rng");
    EXPECT_STREQ(ShortRangeLabel(12), "");
}

TEST_F(SheetInputTest, TheTriangleHidesAndShowsTheExplanation)
{
    OpenSheetOf(1);
    EXPECT_TRUE(ControlExists(kMainWnd, kExplanationTextCtl));
    QTest::mouseClick(ControlWidget(kMainWnd, kExplanationTriangleCtl), Qt::LeftButton);
    EXPECT_EQ(ExplanationState, 1);
    EXPECT_FALSE(ControlExists(kMainWnd, kExplanationTextCtl));
    EXPECT_FALSE(ControlExists(kMainWnd, kExplanationBackCtl));
    QTest::mouseClick(ControlWidget(kMainWnd, kExplanationTriangleCtl), Qt::LeftButton);
    EXPECT_EQ(ExplanationState, 0);
    EXPECT_TRUE(ControlExists(kMainWnd, kExplanationTextCtl));
}

TEST_F(SheetInputTest, DoubleClickAndSelectStartModelSelect)
{
    OpenSheetOf(2);
    Click(300, 106); // the first click of the pair selects
    QTest::mouseDClick(ContentWidget(kMainWnd), Qt::LeftButton, {}, QPoint(300, 106));
    EXPECT_EQ(ModelSelFlag, 1);
    EXPECT_EQ(cellV, 2);
    ModelSelFlag = 0;
    QTest::mouseClick(ControlWidget(kMainWnd, kSelectCtl), Qt::LeftButton);
    EXPECT_EQ(ModelSelFlag, 1);
}

TEST_F(SheetInputTest, SelectedNumberAlertBeepsAndShowsASheet)
{
    OpenSheetOf(1);
    const int beeps = SysBeepCount();
    ShowAlertNumExtra();
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "SheetAlert" && w->isVisible()) box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "ALERT!   Selected number doesn't correspond.");
    EXPECT_EQ(box->informativeText(), "Select the number again.");
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    box->close();
}

} // namespace
