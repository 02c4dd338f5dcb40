// The menu bar: its items, shortcuts, enable states and dispatch.
#include "app/app_globals.h"
#include "app/bundle.h"
#include "app/context_menu.h"
#include "app/ids.h"
#include "app/menu_bar.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "platform/test_seams.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QWidget>

namespace {

using MenuTest = AppTest;

// The items a person can choose right now (title and item both enabled).
bool Usable(int menu, int item)
{
    return MenuIsEnabled(menu) && MenuItemIsEnabled(menu, item);
}

TEST_F(MenuTest, BarHoldsTheMenusInOrder)
{
    EXPECT_EQ(MenuBarTitles(), "Merestone|File|Edit|Sort|Calculate|Misc.|Window|Help");
    InitMenu2();
    EXPECT_EQ(MenuBarTitles(), "Merestone|File|Edit|Sort|Calculate|Misc.|Window|Help");
}

TEST_F(MenuTest, AfterStartOnlyNewOpenImportAppHelpAndQuitAreUsable)
{
    EXPECT_TRUE(Usable(kFileMenu, kNewItem));
    EXPECT_TRUE(Usable(kFileMenu, kOpenItem));
    EXPECT_TRUE(Usable(kFileMenu, kImportItem));
    for (int item : {kCloseItem, kSaveItem, kSaveAsItem, kSaveStationeryItem, kExportItem, kPageSetupItem, kPrintItem})
        EXPECT_FALSE(Usable(kFileMenu, item)) << item;
    for (int menu : {kEditMenu, kSortMenu, kCalcMenu, kMiscMenu}) EXPECT_FALSE(MenuIsEnabled(menu)) << menu;
    for (int item : {kAboutItem, kCheckUpdatesItem, kPreferenceItem, kQuitItem}) EXPECT_TRUE(Usable(kAppMenu, item));
    EXPECT_TRUE(Usable(kHelpMenu, 1));
    EXPECT_TRUE(Usable(kWindowMenu, 1));
}

TEST_F(MenuTest, ADocumentDisablesNewOpenAndImport)
{
    InitMenu2();
    for (int item : {kNewItem, kOpenItem, kImportItem}) EXPECT_FALSE(Usable(kFileMenu, item)) << item;
    for (int item : {kCloseItem, kSaveItem, kSaveAsItem, kSaveStationeryItem, kExportItem, kPageSetupItem, kPrintItem})
        EXPECT_TRUE(Usable(kFileMenu, item)) << item;
    for (int menu : {kEditMenu, kSortMenu, kCalcMenu, kMiscMenu}) EXPECT_TRUE(MenuIsEnabled(menu)) << menu;
    EXPECT_FALSE(Usable(kEditMenu, kUndoItem));
    EXPECT_FALSE(Usable(kEditMenu, kRedoItem));
    EXPECT_TRUE(Usable(kMiscMenu, kShowSelectLaunchItem));
    EXPECT_FALSE(Usable(kMiscMenu, kShowMerestoneItem));
}

TEST_F(MenuTest, ADialogLeavesOnlyEditAndQuit)
{
    InitMenu2();
    MenuDisable();
    for (int menu : {kFileMenu, kSortMenu, kCalcMenu, kMiscMenu, kHelpMenu}) EXPECT_FALSE(MenuIsEnabled(menu)) << menu;
    for (int item : {kAboutItem, kCheckUpdatesItem, kPreferenceItem}) EXPECT_FALSE(Usable(kAppMenu, item));
    EXPECT_TRUE(Usable(kAppMenu, kQuitItem));
    EXPECT_TRUE(MenuIsEnabled(kEditMenu));
    MenuEnable();
    for (int menu : {kFileMenu, kEditMenu, kSortMenu, kCalcMenu, kMiscMenu, kHelpMenu})
        EXPECT_TRUE(MenuIsEnabled(menu)) << menu;
    MenuEnableAtClose();
    for (int menu : {kEditMenu, kSortMenu, kCalcMenu, kMiscMenu}) EXPECT_FALSE(MenuIsEnabled(menu)) << menu;
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
}

TEST_F(MenuTest, InitMenu3LeavesTheDocumentItemsOn)
{
    InitMenu3();
    EXPECT_FALSE(Usable(kFileMenu, kNewItem));
    EXPECT_TRUE(Usable(kFileMenu, kCloseItem));
    EXPECT_FALSE(MenuIsEnabled(kEditMenu));
}

TEST_F(MenuTest, RebuildResetsUndoTextAndSortMarksButNotTheGlobals)
{
    InitMenu2();
    SetUndoItem("Undo Cut", true);
    ChooseMenuItem(kSortMenu, 3);
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(sortItmID, 3);
    EXPECT_EQ(sendItmID, 2);
    InitMenu2();
    EXPECT_EQ(MenuItemText(kEditMenu, kUndoItem), "Undo");
    EXPECT_FALSE(MenuItemIsEnabled(kEditMenu, kUndoItem));
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kUnsortItem));
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kAscendingItem));
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, 3));
    EXPECT_EQ(sortItmID, 3);
    EXPECT_EQ(sendItmID, 2);
}

TEST_F(MenuTest, SortMarksFollowKeyAndDirection)
{
    InitMenu2();
    ChooseMenuItem(kSortMenu, kDescendingItem); // Unsort keeps its mark
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kUnsortItem));
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kDescendingItem));
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, kAscendingItem));
    ChooseMenuItem(kSortMenu, 13);
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, kUnsortItem));
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, 13));
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kDescendingItem));
    ChooseMenuItem(kSortMenu, kAscendingItem);
    EXPECT_TRUE(MenuItemIsChecked(kSortMenu, kAscendingItem));
    EXPECT_FALSE(MenuItemIsChecked(kSortMenu, kDescendingItem));
    EXPECT_EQ(sendItmID, 1);
}

TEST_F(MenuTest, FileChoicesRecordTheirItem)
{
    InitMenu2();
    ChooseMenuItem(kFileMenu, kExportItem);
    EXPECT_EQ(itemIDPass, kExportItem);
}

TEST_F(MenuTest, HelpOpensTheDocumentsAndAddresses)
{
    for (int item : {1, 2, 3, 4, 6, 7}) ChooseMenuItem(kHelpMenu, item);
    ASSERT_EQ(opened.size(), 6u);
    EXPECT_NE(opened[0].find("/Images/Merestone's_Manual.pdf"), std::string::npos) << opened[0];
    EXPECT_NE(opened[1].find("/Images/Merestone Quick Start.pdf"), std::string::npos) << opened[1];
    EXPECT_NE(opened[2].find("/Images/T_S_Parameters_Description.pdf"), std::string::npos);
    EXPECT_NE(opened[3].find("/Images/Merestone_Release_Notes.pdf"), std::string::npos);
    EXPECT_EQ(opened[4], "https://kelvane.example/");
    EXPECT_EQ(opened[5], "mailto:support@kelvane.example");
}

TEST_F(MenuTest, AMissingDocumentOpensNothing)
{
    SetDataFolder("/nonexistent");
    ChooseMenuItem(kHelpMenu, 1);
    ChooseMenuItem(kHelpMenu, 2);
    EXPECT_TRUE(opened.empty());
}

TEST_F(MenuTest, ContextMenuOpensOverRowsAndOverTheEditField)
{
    // y is measured from the frame's top: content y plus the 22-point title bar.
    struct Case {
        int x, frameY, column;
        bool shown;
    } cases[] = {
        {500, 105, 1, true}, {500, 104, 1, false}, {500, 105, 0, true}, {208, 37, 1, true},
        {207, 37, 1, false}, {318, 56, 1, true},   {319, 56, 1, false}, {250, 57, 1, false},
        {250, 36, 1, false}, {250, 40, 0, false},  {600, 40, 1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ContextMenuAllowedAt(c.x, c.frameY, c.column), c.shown) << c.x << "," << c.frameY;
}

TEST_F(MenuTest, ContextMenuChoiceGoesToTheEditCommands)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    SetPopUpMenuChooser([](int menu) { return menu == kContextMenu ? 3 : 0; }); // "Past"
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(400, 200),
                            ContentWidget(kMainWnd)->mapToGlobal(QPoint(400, 200)));
    QApplication::sendEvent(ContentWidget(kMainWnd), &click);
    EXPECT_EQ(itemIDPass, kPasteItem);
    itemIDPass = 0;
    QContextMenuEvent header(QContextMenuEvent::Mouse, QPoint(400, 70),
                             ContentWidget(kMainWnd)->mapToGlobal(QPoint(400, 70))); // header band: no menu
    QApplication::sendEvent(ContentWidget(kMainWnd), &header);
    EXPECT_EQ(itemIDPass, 0);
    EXPECT_FALSE(MenuExists(kContextMenu)); // disposed after use
}

} // namespace
