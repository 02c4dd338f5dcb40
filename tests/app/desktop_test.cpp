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
#include <QMenu>

namespace {

class Desktop : public AppTest {
protected:
    static void OpenSheet(int models)
    {
        ChooseMenuItem(kFileMenu, kNewItem);
        for (int r = 1; r <= models; ++r) {
            Row(r).name = Str255("M" + std::to_string(r));
            Row(r).entryNo = static_cast<std::int16_t>(r);
        }
        fNum = static_cast<std::int16_t>(models);
        SetInstallScrollButton();
        cellH = 0;
        cellV = 1;
        DrawSheet();
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

TEST_F(Desktop, FilePanelsNameTheKindsTheyShow)
{
    EXPECT_EQ(PanelFilters(kFileMenu, kOpenItem),
              QStringList({"Data Sheet and Stationery (*.spdata *.spdatasta)", "Data Sheet (*.spdata)",
                           "Stationery (*.spdatasta)"}));
    const QStringList import = PanelFilters(kFileMenu, kImportItem);
    EXPECT_TRUE(import.contains("CSV (*.csv)") && import.contains("Text (*.txt)")) << import.join('|').toStdString();
    OpenSheet(1);
    EXPECT_EQ(PanelFilters(kFileMenu, kSaveAsItem), QStringList({"Data Sheet (*.spdata)", "All Files (*)"}));
    EXPECT_EQ(PanelFilters(kFileMenu, kSaveStationeryItem), QStringList({"Stationery (*.spdatasta)", "All Files (*)"}));
    EXPECT_EQ(PanelFilters(kFileMenu, kExportItem), QStringList({"CSV (*.csv)", "All Files (*)"}));
}

TEST_F(Desktop, OnlyTheCheckedSortItemsCarryACheckBox)
{
    OpenSheet(3);
    ChooseMenuItem(kSortMenu, 3); // "Fs"
    QMenu* sort = nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* m = qobject_cast<QMenu*>(w); m && m->title() == "Sort") sort = m;
    ASSERT_NE(sort, nullptr);
    for (QAction* a : sort->actions())
        EXPECT_EQ(a->isCheckable(), a->isChecked()) << a->text().toStdString();
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, 3));
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, kUnsortItem));
}

TEST_F(Desktop, TheMainWindowIsNeverWiderThanItsSheet)
{
    OpenSheet(3);
    QWidget* window = WindowWidget(kMainWnd);
    const int sheetWidth = ContentWidget(kMainWnd)->width();
    EXPECT_EQ(window->maximumWidth(), sheetWidth);
    window->showMaximized();
    ProcessEvents();
    EXPECT_LE(window->width(), sheetWidth);
}

} // namespace
