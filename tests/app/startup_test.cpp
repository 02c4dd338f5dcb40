// Start-up, New Data Sheet, Close, About and Quit, end to end.
#include "app/app_globals.h"
#include "app/ids.h"
#include "calc/calc_globals.h"
#include "docs/doc_globals.h"
#include "link/link_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "prefs/prefs_globals.h"
#include "print/print_globals.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace {

using StartupTest = AppTest;

QLineEdit* EditField()
{
    return qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
}

TEST_F(StartupTest, TheStartWindowCarriesTheMenusUntilADocumentOpens)
{
    ASSERT_TRUE(WindowIsVisible(kStartWnd));
    EXPECT_TRUE(ControlIsEnabled(kStartWnd, kStartNewCtl));
    QTest::mouseClick(ControlWidget(kStartWnd, kStartNewCtl), Qt::LeftButton);
    ProcessEvents();
    EXPECT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_FALSE(WindowIsVisible(kStartWnd));
    EXPECT_FALSE(ControlIsEnabled(kStartWnd, kStartNewCtl)); // follows File > New

    ChooseMenuItem(kFileMenu, kCloseItem);
    ProcessEvents();
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_TRUE(WindowIsVisible(kStartWnd));
    EXPECT_TRUE(ControlIsEnabled(kStartWnd, kStartNewCtl));
    EXPECT_FALSE(MenuIsEnabled(kEditMenu));
    EXPECT_EQ(MainWndOpenFlag, 0);
    EXPECT_EQ(FileOpenFlag, 0);
}

TEST_F(StartupTest, NewDataSheetOpensOneNaModel)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    ASSERT_TRUE(WindowExists(kMainWnd));
    EXPECT_EQ(fNum, 1);
    EXPECT_EQ(Row(1).name, Str255("n/a"));
    EXPECT_EQ(Row(1).range, Str255("n/a"));
    EXPECT_EQ(cellH, 1);
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(FileOpenFlag, 255);
    EXPECT_EQ(NewFileFlag, 0);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_FALSE(WindowModifiedMark(kMainWnd));
    EXPECT_EQ(WindowWidget(kMainWnd)->windowTitle(), "untitled.spdata[*]");
    ASSERT_NE(EditField(), nullptr);
    EXPECT_EQ(EditField()->text(), "n/a");
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kRowCounterCtl))->text(), "1/1");
    EXPECT_EQ(qobject_cast<QLabel*>(ControlWidget(kMainWnd, kColumnLabelCtl))->text(), "Model Name ..");
    EXPECT_FALSE(MenuItemIsEnabled(kFileMenu, kNewItem));
}

TEST_F(StartupTest, TypingMarksTheDocumentModifiedAtTheNextRedraw)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    EditField()->setText("W8-1772");
    EXPECT_EQ(DirtyFlag, 0); // typing lives in the field until a redraw
    cellH = kColFs;
    DrawSheet();
    EXPECT_EQ(Row(1).name, Str255("W8-1772"));
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_TRUE(WindowModifiedMark(kMainWnd));
    EXPECT_EQ(EditField()->text(), " 0"); // the Fs cell's own offer
}

TEST_F(StartupTest, ChangingAValueAndBackLeavesTheDocumentUnmodified)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    cellH = kColFs;
    DrawSheet(); // stores "n/a" back into the name: no change
    ASSERT_EQ(DirtyFlag, 0);
    EditField()->setText("38.2");
    EditField()->setText(" 0");
    DrawSheet(); // same cell: the text stays as typed and stores 0
    EXPECT_EQ(DirtyFlag, 0);
    EditField()->setText("12abc");
    DrawSheet();
    EXPECT_EQ(Row(1).Param(kColFs), 12.0f);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(EditField()->text(), "12abc"); // typing survives a redraw in place
}

TEST_F(StartupTest, AboutShowsNameVersionAndCopyright)
{
    ChooseMenuItem(kAppMenu, kAboutItem);
    ProcessEvents();
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == "AboutBox" && w->isVisible()) box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "MerestoneDataBase");
    EXPECT_TRUE(box->informativeText().contains("Version 1.0.0"));
    EXPECT_TRUE(box->informativeText().contains(QStringLiteral("Copyright © 2026 Kelvane")));
    box->close();
}

TEST_F(StartupTest, QuitEndsWithStatusZero)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    ChooseMenuItem(kAppMenu, kQuitItem);
    EXPECT_EQ(exitStatus, 0);
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_EQ(MainWndOpenFlag, 0);
}

TEST_F(StartupTest, ClosingTheStartWindowQuits)
{
    WindowWidget(kStartWnd)->close();
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(StartupTest, TheMainWindowsCloseBoxClosesTheDocument)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    WindowWidget(kMainWnd)->close();
    ProcessEvents();
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_EQ(exitStatus, -1);
    EXPECT_TRUE(WindowIsVisible(kStartWnd));
}

} // namespace
