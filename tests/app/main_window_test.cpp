// The main window's frame: placement, fixed controls, scroll bar, resizing.
#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "calc/calc_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QScrollBar>
#include <QTest>

namespace {

class MainWindowTest : public AppTest {
protected:
    void OpenWithModels(int models)
    {
        ChooseMenuItem(kFileMenu, kNewItem);
        fNum = static_cast<std::int16_t>(models);
        SetInstallScrollButton();
    }
    QScrollBar* Bar() { return qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl)); }
};

QRect Geometry(int control)
{
    return ControlWidget(kMainWnd, control)->geometry();
}

TEST_F(MainWindowTest, ContentIs941By400AtTheSavedPlace)
{
    Bounds = LTRB(120, 90, 1061, 700);
    ChooseMenuItem(kFileMenu, kNewItem);
    const Rect b = GetWindowContentBounds(kMainWnd);
    EXPECT_EQ(b.left, 120);
    EXPECT_EQ(b.top, 90);
    EXPECT_EQ(b.Width(), 941);
    EXPECT_EQ(b.Height(), 400); // a saved height is not restored
    EXPECT_EQ(ContentWidget(kMainWnd)->minimumWidth(), 941);
    EXPECT_EQ(ContentWidget(kMainWnd)->maximumWidth(), 941);
    EXPECT_EQ(ContentWidget(kMainWnd)->minimumHeight(), 400);
}

TEST_F(MainWindowTest, WithoutBoundsCheckItOpensTopLeftUntilMoved)
{
    BoundsCheck = 0;
    Bounds = LTRB(120, 90, 1061, 490);
    ChooseMenuItem(kFileMenu, kNewItem);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd).left, 0);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd).top, 44);
    EXPECT_EQ(RePosiFlag, 0);

    WindowWidget(kMainWnd)->move(60, 80); // the user moves it
    ProcessEvents();
    EXPECT_EQ(RePosiFlag, 1);
    const Rect moved = Bounds;
    ChooseMenuItem(kFileMenu, kCloseItem);
    ChooseMenuItem(kFileMenu, kNewItem);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd).left, moved.left);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd).top, moved.top);
}

TEST_F(MainWindowTest, ScrollBarFollowsTheModelsThatDoNotFit)
{
    OpenWithModels(20);
    EXPECT_EQ(dispNum, 20);
    EXPECT_EQ(ScrollNum, 0);
    EXPECT_EQ(ScrollBtn, 0);
    EXPECT_EQ(Bar()->maximum(), 0);

    fNum = 25;
    SetInstallScrollButton();
    EXPECT_EQ(ScrollNum, 5);
    EXPECT_EQ(ScrollBtn, 1);
    EXPECT_EQ(Bar()->maximum(), 5);
    EXPECT_EQ(Bar()->pageStep(), 20);
    EXPECT_EQ(Bar()->value(), 0);
}

TEST_F(MainWindowTest, ArrowsAndThumbScrollPageAreasDoNot)
{
    OpenWithModels(25);
    Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(ScrollValue, 0);
    EXPECT_EQ(Bar()->value(), 0);
    Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ScrollValue, 1);
    EXPECT_EQ(Bar()->value(), 1);
    for (int i = 0; i < 10; ++i) Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(ScrollValue, 5); // clamped at ScrollNum
    Bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(ScrollValue, 4);
    Bar()->setSliderDown(true);
    Bar()->setSliderPosition(2);
    Bar()->setSliderDown(false);
    EXPECT_EQ(ScrollValue, 2);
}

TEST_F(MainWindowTest, ResizingRebuildsTheBarUnlessACalculatorIsOpen)
{
    OpenWithModels(25);
    Bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_EQ(ScrollValue, 1);
    SetWindowContentSize(kMainWnd, 941, 410);
    ProcessEvents();
    EXPECT_EQ(WindowContentHeight(kMainWnd), 410);
    EXPECT_EQ(dispNum, 20); // 330 / 16 rounds down
    EXPECT_EQ(ScrollValue, 0);
    EXPECT_EQ(Geometry(kScrollBarCtl), QRect(926, 81, 15, 314));

    SetWindowContentSize(kMainWnd, 941, 500);
    ProcessEvents();
    EXPECT_EQ(dispNum, 26);
    EXPECT_EQ(ScrollNum, 0);

    CalcWndOnFlag = 1;
    SetWindowContentSize(kMainWnd, 941, 400);
    ProcessEvents();
    EXPECT_EQ(dispNum, 26);
    CalcWndOnFlag = 0;
}

} // namespace
