// The main window: placement and width, the scroll bar and resizing, the
// file panels it opens and the keys people reach for on a Linux desktop.
#include "app/app_globals.h"
#include "calc/calc_globals.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QFileDialog>
#include <QMenuBar>

namespace {

class MainWindowTest : public AppTest, public Drive {
protected:
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QApplication::setActiveWindow(WindowWidget(kMainWnd));
        SheetKey(key, mods);
    }
    // The filters of the real panel the menu item opens, which is then closed.
    static QStringList PanelFilters(int menu, int item)
    {
        SetDialogAnswerer({});
        ChooseMenuItem(menu, item);
        QFileDialog* panel = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) panel = d;
        if (!panel) return {};
        const QStringList filters = panel->nameFilters();
        panel->reject();
        ProcessEvents();
        return filters;
    }
};

// Opens at the saved place, 941 wide and never wider, even maximised, and 400 high: a saved height is not restored.
TEST_F(MainWindowTest, OpensAtTheSavedPlaceAsWideAsTheSheet)
{
    Bounds = LTRB(120, 90, 1061, 700);
    ChooseMenuItem(kFileMenu, kNewItem);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd), LTRB(120, 90, 1061, 490));
    QWidget *content = ContentWidget(kMainWnd), *window = WindowWidget(kMainWnd);
    EXPECT_EQ(std::tuple(content->minimumSize(), content->maximumWidth(), window->maximumWidth()),
              std::tuple(QSize(941, 400), 941, content->width()));
    window->showMaximized();
    ProcessEvents();
    EXPECT_LE(window->width(), 941);
}

TEST_F(MainWindowTest, WithoutBoundsCheckItOpensTopLeftUntilMoved)
{
    BoundsCheck = 0;
    Bounds = LTRB(120, 90, 1061, 490);
    ChooseMenuItem(kFileMenu, kNewItem);
    EXPECT_EQ(std::tuple(GetWindowContentBounds(kMainWnd), RePosiFlag), std::tuple(LTRB(0, 44, 941, 444), 0));
    WindowWidget(kMainWnd)->move(60, 80); // the user moves it
    ProcessEvents();
    EXPECT_EQ(RePosiFlag, 1);
    const Rect moved = Bounds;
    ChooseMenuItem(kFileMenu, kCloseItem);
    ChooseMenuItem(kFileMenu, kNewItem);
    EXPECT_EQ(GetWindowContentBounds(kMainWnd), moved);
}

// The bar appears for the models that do not fit; its arrows and thumb scroll, its page areas do not.
TEST_F(MainWindowTest, ScrollBarFollowsTheModelsThatDoNotFitAndTheHeight)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    // The rows shown, the rows hidden, whether the bar is on, and its range.
    const auto bar = [](int models) {
        fNum = static_cast<std::int16_t>(models);
        SetInstallScrollButton();
        return std::vector<int>({dispNum, ScrollNum, ScrollBtn, SheetBar()->maximum()});
    };
    EXPECT_EQ((std::vector{bar(20), bar(25)}), (std::vector<std::vector<int>>{{20, 0, 0, 0}, {20, 5, 1, 5}}));
    EXPECT_EQ(std::tuple(SheetBar()->pageStep(), SheetBar()->value()), std::tuple(20, 0));
    const auto scrolled = [](QAbstractSlider::SliderAction action, int times = 1) {
        for (int k = 0; k < times; ++k) SheetBar()->triggerAction(action);
        return std::vector<int>({ScrollValue, SheetBar()->value()});
    };
    EXPECT_EQ(scrolled(QAbstractSlider::SliderPageStepAdd), std::vector<int>({0, 0}));
    EXPECT_EQ(scrolled(QAbstractSlider::SliderSingleStepAdd), std::vector<int>({1, 1}));
    EXPECT_EQ(scrolled(QAbstractSlider::SliderSingleStepAdd, 10), std::vector<int>({5, 5})); // clamped at ScrollNum
    EXPECT_EQ(scrolled(QAbstractSlider::SliderSingleStepSub), std::vector<int>({4, 4}));
    SheetBar()->setSliderDown(true);
    SheetBar()->setSliderPosition(2);
    SheetBar()->setSliderDown(false);
    EXPECT_EQ(ScrollValue, 2);
    // Resizing rebuilds the bar and goes back to the top, unless a calculator
    // is open. The height, then the rows shown and hidden and the first shown.
    const auto resize = [](int height) {
        SetWindowContentSize(kMainWnd, 941, height);
        ProcessEvents();
        return std::vector<int>({WindowContentHeight(kMainWnd), dispNum, ScrollNum, ScrollValue});
    };
    EXPECT_EQ(resize(410), std::vector<int>({410, 20, 5, 0})); // 330 / 16 rounds down
    EXPECT_EQ(SheetBar()->geometry(), QRect(926, 81, 15, 314));
    EXPECT_EQ(resize(500), std::vector<int>({500, 26, 0, 0}));
    CalcWndOnFlag = 1;
    EXPECT_EQ(resize(400), std::vector<int>({400, 26, 0, 0}));
    CalcWndOnFlag = 0;
}

TEST_F(MainWindowTest, FilePanelsNameTheKindsTheyShow)
{
    EXPECT_EQ(PanelFilters(kFileMenu, kOpenItem),
              QStringList({"Data Sheet and Stationery (*.spdata *.spdatasta)", "Data Sheet (*.spdata)",
                           "Stationery (*.spdatasta)"}));
    const QStringList import = PanelFilters(kFileMenu, kImportItem);
    EXPECT_TRUE(import.contains("CSV (*.csv)") && import.contains("Text (*.txt)")) << import.join('|').toStdString();
    OpenSheetOf(1);
    EXPECT_EQ(PanelFilters(kFileMenu, kSaveAsItem), QStringList({"Data Sheet (*.spdata)", "All Files (*)"}));
    EXPECT_EQ(PanelFilters(kFileMenu, kSaveStationeryItem), QStringList({"Stationery (*.spdatasta)", "All Files (*)"}));
    EXPECT_EQ(PanelFilters(kFileMenu, kExportItem), QStringList({"CSV (*.csv)", "All Files (*)"}));
}

// Page Up and Page Down move the view and the selection by the rows shown, and stop at the ends; Ctrl+Home and Ctrl+End
// go to the first and last model, while Home and End stay with the edit field.
TEST_F(MainWindowTest, PageAndDocumentKeysMoveThroughTheSheet)
{
    OpenSheetOf(100);
    Select(1, cellV);
    ASSERT_EQ(dispNum, 20);
    // The selected column and row, the first row shown and the scroll bar, after each key.
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        Key(key, mods);
        return std::vector<int>({cellH, cellV, ScrollValue, SheetBar()->value()});
    };
    EXPECT_EQ(press(Qt::Key_PageDown), std::vector<int>({1, 21, 20, 20}));
    EXPECT_EQ(SheetField()->text(), "M21");
    for (int k = 0; k < 5; ++k) Key(Qt::Key_PageDown);
    EXPECT_EQ((std::vector{press(Qt::Key_PageDown), press(Qt::Key_PageUp), press(Qt::Key_Home, Qt::ControlModifier),
                           press(Qt::Key_PageUp), press(Qt::Key_End, Qt::ControlModifier)}),
              (std::vector<std::vector<int>>{
                  {1, 100, 80, 80}, {1, 80, 60, 60}, {1, 1, 0, 0}, {1, 1, 0, 0}, {1, 100, 80, 80}}));
    SheetField()->setCursorPosition(0);
    Key(Qt::Key_End);
    EXPECT_EQ(std::tuple(cellV, SheetField()->cursorPosition()), std::tuple(100, 4)); // "M100"
    Select(1, 25); // with the view scrolled away below it, Page Up brings the selection to the top
    ScrollValue = 80;
    EXPECT_EQ(press(Qt::Key_PageUp), std::vector<int>({1, 5, 4, 4}));
}

// Delete removes a whole selected model, and in the field one character;
// Escape drops what was typed in the field; F10 opens the first menu.
TEST_F(MainWindowTest, DeleteEscapeAndF10)
{
    OpenSheetOf(3);
    Key(Qt::Key_Delete);
    EXPECT_EQ(std::tuple(fNum, Row(1).name), std::tuple(2, Str255("M2")));
    Select(1, cellV);
    SheetField()->setCursorPosition(0);
    Key(Qt::Key_Delete);
    EXPECT_EQ(std::tuple(fNum, SheetField()->text().toStdString()), std::tuple(2, "2"));
    Row(1).Param(kColLe) = 0.75f;
    Select(kColLe, cellV); // the last column too
    DirtyFlag = 0;
    const QString offered = SheetField()->text();
    ASSERT_TRUE(offered.contains("0.75"));
    SheetField()->setText("99");
    Key(Qt::Key_Escape);
    EXPECT_EQ(QStringList({SheetField()->text(), SheetField()->selectedText()}), QStringList({offered, offered}));
    Key(Qt::Key_Down);
    EXPECT_EQ(std::tuple(Row(1).Param(kColLe), DirtyFlag), std::tuple(0.75f, 0));
    Key(Qt::Key_F10);
    auto* bar = WindowWidget(kMainWnd)->findChild<QMenuBar*>();
    ASSERT_TRUE(bar && bar->activeAction());
    EXPECT_EQ(bar->activeAction()->text(), "Merestone"); // the first menu
}

} // namespace
