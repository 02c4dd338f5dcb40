// The program's shell, end to end: start-up, New Data Sheet, Close, About and Quit; the menu bar's rebuild, the
// Sort marks and what the File, Help and context menus do; the data folder's dictionary and images. Which menu
// items are on in each state is MenuStateTable's, and every test that chooses an item through the menus relies on it.
#include "app/app_globals.h"
#include "app/bundle.h"
#include "app/context_menu.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/windows.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QMenu>

namespace {

class StartupTest : public AppTest, public Drive { };

// The start window stands in for the document until one opens and again
// when it closes; the main window's close box closes the document only.
TEST_F(StartupTest, TheStartWindowCarriesTheMenusUntilADocumentOpens)
{
    // Once the events are handled: the main window there and shown, the start
    // window shown with its New button on, MainWndOpenFlag, and the exit status.
    const auto windows = [this] {
        ProcessEvents();
        return std::tuple(WindowExists(kMainWnd), WindowIsVisible(kMainWnd), WindowIsVisible(kStartWnd),
                          ControlIsEnabled(kStartWnd, kStartNewCtl), int(MainWndOpenFlag), exitStatus);
    };
    EXPECT_EQ(windows(), std::tuple(false, false, true, true, 0, -1));
    ClickControl(kStartWnd, kStartNewCtl);
    EXPECT_EQ(windows(), std::tuple(true, true, false, false, 1, -1)); // the button follows File > New
    ChooseMenuItem(kFileMenu, kCloseItem);
    EXPECT_EQ(windows(), std::tuple(false, false, true, true, 0, -1));
    EXPECT_EQ(std::tuple(MenuIsEnabled(kEditMenu), int(FileOpenFlag)), std::tuple(false, 0));
    ChooseMenuItem(kFileMenu, kNewItem);
    WindowWidget(kMainWnd)->close();
    EXPECT_EQ(windows(), std::tuple(false, false, true, true, 0, -1));
    WindowWidget(kStartWnd)->close(); // closing the start window quits
    EXPECT_EQ(std::exchange(exitStatus, -1), 0);
    ChooseMenuItem(kFileMenu, kNewItem);
    ChooseMenuItem(kAppMenu, kQuitItem);
    EXPECT_EQ(windows(), std::tuple(false, false, false, false, 0, 0));
}

// A new sheet holds one "n/a" model; typing counts only at the next redraw, and only when it changes the value.
TEST_F(StartupTest, NewDataSheetOpensOneNaModel)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    ASSERT_TRUE(WindowExists(kMainWnd));
    EXPECT_EQ(std::tuple(Row(1).name, Row(1).range), std::tuple(Str255("n/a"), Str255("n/a")));
    EXPECT_EQ(std::vector<int>({fNum, cellH, cellV, FileOpenFlag, NewFileFlag, DirtyFlag, WindowModifiedMark(kMainWnd),
                                MenuItemIsEnabled(kFileMenu, kNewItem)}),
              std::vector<int>({1, 1, 1, 255, 0, 0, 0, 0})); // the last two: the modified mark, and File > New
    EXPECT_EQ(QStringList({WindowWidget(kMainWnd)->windowTitle(), SheetField()->text(),
                           LabelText(kMainWnd, kRowCounterCtl), LabelText(kMainWnd, kColumnLabelCtl)}),
              QStringList({"untitled.spdata[*]", "n/a", "1/1", "Model Name .."}));
    Select(kColFs, cellV); // stores "n/a" back into the name: no change
    SheetField()->setText("38.2");
    SheetField()->setText(" 0");
    DrawSheet(); // same cell: the text stays as typed and stores 0, no change either
    Select(1, cellV);
    SheetField()->setText("W8-1772");
    EXPECT_EQ(DirtyFlag, 0); // none of these changed the sheet; typing lives in the field until a redraw
    Select(kColFs, cellV);   // the Fs cell offers its own value
    EXPECT_EQ(std::tuple(Row(1).name, DirtyFlag, WindowModifiedMark(kMainWnd), SheetField()->text().toStdString()),
              std::tuple(Str255("W8-1772"), 1, true, " 0"));
    DirtyFlag = 0;
    SheetField()->setText("12abc");
    DrawSheet(); // typing survives a redraw in place
    EXPECT_EQ(std::tuple(Row(1).Param(kColFs), DirtyFlag, SheetField()->text()), std::tuple(12.0f, 1, "12abc"));
}

TEST_F(StartupTest, AboutShowsNameVersionAndCopyright)
{
    ChooseMenuItem(kAppMenu, kAboutItem);
    QMessageBox* box = ShownAlert("AboutBox");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(QStringList({box->text(), box->informativeText()}),
              QStringList({"MerestoneDataBase", "Version 1.0.0\n\nCopyright © 2026 Kelvane. All rights reserved."}));
    box->close();
}

TEST_F(StartupTest, MenuRebuildResetsUndoTextAndSortMarksButNotTheGlobals)
{
    InitMenu2();
    SetUndoItem("Undo Cut", true);
    ChooseMenuItem(kSortMenu, 3);
    ChooseMenuItem(kSortMenu, kDescendingItem);
    EXPECT_EQ(std::tuple(sortItmID, sendItmID), std::tuple(3, 2));
    InitMenu2();
    EXPECT_EQ(MenuBarTitles(), "Merestone|File|Edit|Sort|Calculate|Misc.|Window|Help"); // nothing twice
    EXPECT_EQ(std::tuple(MenuItemText(kEditMenu, kUndoItem), MenuItemIsEnabled(kEditMenu, kUndoItem),
                         MenuItemIsChecked(kSortMenu, kUnsortItem), MenuItemIsChecked(kSortMenu, kAscendingItem),
                         MenuItemIsChecked(kSortMenu, 3), sortItmID, sendItmID),
              std::tuple("Undo", false, true, true, false, 3, 2));
}

// One key and one direction carry the mark, and only a marked item shows a
// check box: a desktop draws an empty box for every checkable item.
TEST_F(StartupTest, SortMarksFollowKeyAndDirection)
{
    OpenSheetOf(3);
    QMenu* sort = nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (auto* m = qobject_cast<QMenu*>(w); m && m->title() == "Sort") sort = m;
    ASSERT_NE(sort, nullptr);
    // Chooses the item; then which of Unsort, Ascending, Descending and key 13 are marked.
    const auto choose = [sort](int item) {
        ChooseMenuItem(kSortMenu, item);
        for (QAction* a : sort->actions()) EXPECT_EQ(a->isCheckable(), a->isChecked()) << a->text().toStdString();
        return std::vector<bool>{MenuItemIsChecked(kSortMenu, kUnsortItem),
                                 MenuItemIsChecked(kSortMenu, kAscendingItem),
                                 MenuItemIsChecked(kSortMenu, kDescendingItem), MenuItemIsChecked(kSortMenu, 13)};
    };
    EXPECT_EQ(choose(kDescendingItem), std::vector<bool>({true, false, true, false})); // Unsort keeps its mark
    EXPECT_EQ(choose(13), std::vector<bool>({false, false, true, true}));
    EXPECT_EQ(choose(kAscendingItem), std::vector<bool>({false, true, false, true}));
    EXPECT_EQ(sendItmID, 1);
}

TEST_F(StartupTest, HelpOpensTheDocumentsAndAddresses)
{
    for (int item : {1, 2, 3, 4, 6, 7}) ChooseMenuItem(kHelpMenu, item);
    ASSERT_EQ(opened.size(), 6u);
    const char* documents[] = {"/Images/Merestone's_Manual.pdf", "/Images/Merestone Quick Start.pdf",
                               "/Images/T_S_Parameters_Description.pdf", "/Images/Merestone_Release_Notes.pdf"};
    for (int k = 0; k < 4; ++k) EXPECT_NE(opened[k].find(documents[k]), std::string::npos) << opened[k];
    EXPECT_EQ(std::tuple(opened[4], opened[5]),
              std::tuple("https://kelvane.example/", "mailto:support@kelvane.example"));
    opened.clear();
    SetDataFolder("/nonexistent"); // a missing document opens nothing
    for (int item : {1, 2}) ChooseMenuItem(kHelpMenu, item);
    EXPECT_TRUE(opened.empty());
}

// The context menu opens over the rows and over the edit field, and its
// choice goes to the Edit commands as File choices go to theirs.
TEST_F(StartupTest, ContextMenuOpensOverRowsAndOverTheEditField)
{
    // x, y, the column selected and whether the menu opens; y is measured from
    // the frame's top: content y plus the 22-point title bar.
    const std::tuple<int, int, int, bool> cases[] = {
        {500, 105, 1, true}, {500, 104, 1, false}, {500, 105, 0, true}, {208, 37, 1, true},
        {207, 37, 1, false}, {318, 56, 1, true},   {319, 56, 1, false}, {250, 57, 1, false},
        {250, 36, 1, false}, {250, 40, 0, false},  {600, 40, 1, false},
    };
    for (const auto& [x, frameY, column, shown] : cases)
        EXPECT_EQ(ContextMenuAllowedAt(x, frameY, column), shown) << x << "," << frameY;
    ChooseMenuItem(kFileMenu, kNewItem);
    SetPopUpMenuChooser([](int menu) { return menu == kContextMenu ? 3 : 0; }); // "Past"
    RightClickSheet({400, 200});
    EXPECT_EQ(std::exchange(itemIDPass, 0), kPasteItem);
    RightClickSheet({400, 70}); // header band: no menu; the one before was disposed after use
    EXPECT_EQ(std::tuple(itemIDPass, MenuExists(kContextMenu)), std::tuple(0, false));
    ChooseMenuItem(kFileMenu, kExportItem);
    EXPECT_EQ(itemIDPass, kExportItem);
}

// With no readable dictionary every value is empty and the addresses are the maker's own; a dictionary can change them.
TEST_F(StartupTest, TheDataFoldersDictionaryGivesTheValuesAndAddresses)
{
    QTemporaryDir dir;
    SetDataFolder(dir.path().toStdString());
    EXPECT_EQ(GetCFBundleVersion("CFBundleVersion"), "");
    WriteFile(dir.filePath("Info.json"), "{ not json at all");
    SetDataFolder(dir.path().toStdString() + "/."); // a new folder name reads the file again
    EXPECT_EQ(std::tuple(GetCFBundleVersion("CFBundleVersion"), MakerWebHost(),
                         BundleResourcePath("Merestone's_Manual.pdf", "Images"), BundleResourcePath("", "Images")),
              std::tuple("", "kelvane.example", "", ""));
    WriteFile(dir.filePath("Info.json"), R"({"MerestoneWebHost": "127.0.0.1:8080", "CFBundleVersion": 7})");
    SetDataFolder(dir.path().toStdString()); // the version is no text: no value
    EXPECT_EQ(std::tuple(MakerWebHost(), MakerMailAddress(), GetCFBundleVersion("CFBundleVersion")),
              std::tuple("127.0.0.1:8080", "support@127.0.0.1:8080", ""));
}

TEST(BundleText, DeleteExtensionRemovesEveryPdf)
{
    for (auto [text, rest] :
         {std::pair{"Manual.pdf", "Manual"}, {"a.pdf.pdf", "a"}, {"a.pdfb.pdf", "ab"}, {"Notes", "Notes"}})
        EXPECT_EQ(CFStringDeleteExtension(text), rest) << text;
}

TEST(BundleImages, EveryImageIsCompiledInAtOneAndTwoTimes)
{
    for (const char* name : {"NumberBuleBack", "UpArrow", "DownArrow", "TitleBuleBack", "ExplanationBuleBack",
                             "TarnwellButton", "TarnwellDefaultButton", "FellmarkButton", "FellmarkDefaultButton",
                             "BecklineButton", "BecklineDefaultButton"}) {
        const QImage one(QString(":/Images/%1.png").arg(name)), two(QString(":/Images/%1@2x.png").arg(name));
        EXPECT_TRUE(!one.isNull() && two.size() == one.size() * 2) << name;
    }
}

} // namespace
