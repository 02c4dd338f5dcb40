// What a Linux desktop expects of the program: file panels that say what
// they show, menus without empty check boxes, a main window that does not
// grow wider than its sheet, the keys people reach for, and a desktop entry
// and metadata that the desktop's own tools accept.
#include "app/ids.h"
#include "app/main_window.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>

namespace {

class Desktop : public AppTest {
protected:
    static void Key(Qt::Key key, Qt::KeyboardModifiers mods = {})
    {
        QApplication::setActiveWindow(WindowWidget(kMainWnd));
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : ContentWidget(kMainWnd);
        QTest::keyClick(target, key, mods);
    }
    static QLineEdit* Field() { return qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl)); }
    static int BarValue() { return qobject_cast<QScrollBar*>(ControlWidget(kMainWnd, kScrollBarCtl))->value(); }

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

TEST_F(Desktop, FilePanelsNameTheKindsTheyShow)
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

TEST_F(Desktop, OnlyTheCheckedSortItemsCarryACheckBox)
{
    OpenSheetOf(3);
    ChooseMenuItem(kSortMenu, 3); // "Fs"
    QMenu* sort = nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* m = qobject_cast<QMenu*>(w); m && m->title() == "Sort") sort = m;
    ASSERT_NE(sort, nullptr);
    for (QAction* a : sort->actions()) EXPECT_EQ(a->isCheckable(), a->isChecked()) << a->text().toStdString();
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, 3));
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, kUnsortItem));
}

TEST_F(Desktop, TheMainWindowIsNeverWiderThanItsSheet)
{
    OpenSheetOf(3);
    QWidget* window = WindowWidget(kMainWnd);
    const int sheetWidth = ContentWidget(kMainWnd)->width();
    EXPECT_EQ(window->maximumWidth(), sheetWidth);
    window->showMaximized();
    ProcessEvents();
    EXPECT_LE(window->width(), sheetWidth);
}

// Page Up and Page Down move the view and the selection by the rows shown,
// and stop at the ends; Ctrl+Home and Ctrl+End go to the first and last
// model, while Home and End stay with the edit field.
TEST_F(Desktop, PageAndDocumentKeysMoveThroughTheSheet)
{
    OpenSheetOf(100);
    cellH = 1;
    DrawSheet();
    ASSERT_EQ(dispNum, 20);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(cellV, 21);
    EXPECT_EQ(ScrollValue, 20);
    EXPECT_EQ(BarValue(), 20);
    EXPECT_EQ(Field()->text(), "M21");
    for (int k = 0; k < 6; ++k) Key(Qt::Key_PageDown);
    EXPECT_EQ(cellV, 100);
    EXPECT_EQ(ScrollValue, 80);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(cellV, 80);
    EXPECT_EQ(ScrollValue, 60);
    Key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(ScrollValue, 0);
    EXPECT_EQ(BarValue(), 0);
    Key(Qt::Key_PageUp);
    EXPECT_EQ(cellV, 1);
    Key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(cellV, 100);
    EXPECT_EQ(ScrollValue, 80);
    EXPECT_EQ(cellH, 1);
    Field()->setCursorPosition(0);
    Key(Qt::Key_End);
    EXPECT_EQ(cellV, 100);
    EXPECT_EQ(Field()->cursorPosition(), 4); // "M100"
}

TEST_F(Desktop, DeleteRemovesAWholeSelectedModelAndOnlyThat)
{
    OpenSheetOf(3);
    Key(Qt::Key_Delete);
    EXPECT_EQ(fNum, 2);
    EXPECT_EQ(Row(1).name, Str255("M2"));
    cellH = 1;
    DrawSheet();
    Field()->setCursorPosition(0);
    Key(Qt::Key_Delete); // in the field: one character
    EXPECT_EQ(fNum, 2);
    EXPECT_EQ(Field()->text(), "2");
}

TEST_F(Desktop, EscapeDropsWhatWasTypedInTheField)
{
    OpenSheetOf(2);
    cellH = 4; // Fs
    Row(1).Param(kColFs) = 38.5f;
    DrawSheet();
    DirtyFlag = 0;
    const QString offered = Field()->text();
    ASSERT_TRUE(offered.contains("38.5"));
    Field()->setText("99");
    Key(Qt::Key_Escape);
    EXPECT_EQ(Field()->text(), offered);
    EXPECT_EQ(Field()->selectedText(), offered);
    Key(Qt::Key_Down);
    EXPECT_EQ(Row(1).Param(kColFs), 38.5f);
    EXPECT_EQ(DirtyFlag, 0);
}

TEST_F(Desktop, F10OpensTheFirstMenu)
{
    OpenSheetOf(1);
    Key(Qt::Key_F10);
    auto* bar = WindowWidget(kMainWnd)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(bar->activeAction(), nullptr);
    EXPECT_EQ(bar->activeAction(), bar->actions().first());
    EXPECT_EQ(bar->activeAction()->text(), "Merestone");
}

} // namespace
