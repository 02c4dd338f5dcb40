// Opening, saving, importing, exporting and closing, with every prompt and
// panel answered through the platform's dialog seam.
#include "app/app_globals.h"
#include "app/ids.h"
#include "calc/calc_globals.h"
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/lifecycle_fixture.h"
#include "docs/sheet_format.h"
#include "link/link_globals.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/open_requests.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

namespace {

TEST_F(Lifecycle, OpenPanelReadsTheFileAndDropsACsvHeader)
{
    const std::string path = Write("drivers.spdata", std::string(kCsvHeaderLine) + kLine1 + kLine2);
    OpenThroughPanel(path);
    ASSERT_FALSE(dialogs.empty());
    EXPECT_EQ(dialogs[0].kind, DialogRequest::OpenPanel);
    EXPECT_EQ(dialogs[0].message, "Select Open File.");
    EXPECT_EQ(dialogs[0].choices, (std::vector<std::string>{"spdata", "spdatasta"}));
    EXPECT_EQ(fNum, 2);
    EXPECT_EQ(Row(1).name, Str255("W-165"));
    EXPECT_EQ(fileName1, Str255("drivers.spdata"));
    EXPECT_EQ(FileOpenFlag, 1);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_EQ(ScrollValue, 0); // the view starts at the top, the first model selected
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(cellH, 0);
    EXPECT_EQ(cellV, 1);
    EXPECT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(WindowWidget(kMainWnd)->windowTitle(), "drivers.spdata[*]");
    EXPECT_FALSE(MenuItemIsEnabled(kFileMenu, kOpenItem));
    EXPECT_FALSE(WindowModifiedMark(kMainWnd));
}

TEST_F(Lifecycle, SaveRewritesTheFileByteForByte)
{
    const std::string path = Write("drivers.spdata", kLine1 + kLine2);
    OpenThroughPanel(path);
    ChooseMenuItem(kFileMenu, kSaveItem); // unchanged: the prompt asks instead
    EXPECT_EQ(Last().kind, DialogRequest::SavePrompt);
    EXPECT_EQ(Last().message, "drivers.spdata");
    EXPECT_TRUE(WindowExists(kMainWnd)); // Cancel
    Edit();
    ASSERT_EQ(DirtyFlag, 1);
    EXPECT_TRUE(WindowModifiedMark(kMainWnd));
    ChooseMenuItem(kFileMenu, kSaveItem);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_FALSE(WindowModifiedMark(kMainWnd));
    Row(1).Param(kColFs) = 38.2f; // back to the file's value
    ChooseMenuItem(kFileMenu, kSaveAsItem);
    answers.push_back(Path("copy.spdata"));
    ChooseMenuItem(kFileMenu, kSaveAsItem);
    EXPECT_EQ(Read(Path("copy.spdata")), kLine1 + kLine2);
    EXPECT_EQ(fileName1, Str255("copy.spdata"));
    EXPECT_EQ(WindowWidget(kMainWnd)->windowTitle(), "copy.spdata[*]");
}

TEST_F(Lifecycle, DontSaveOnAnUnchangedDocumentCloses)
{
    OpenThroughPanel(Write("a.spdata", kLine1));
    answers.push_back("Don't Save");
    ChooseMenuItem(kFileMenu, kSaveItem);
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_TRUE(WindowIsVisible(kStartWnd));
}

TEST_F(Lifecycle, StationeryOpensUntitledAndSavesThroughSaveAs)
{
    OpenThroughPanel(Write("template.spdatasta", kLine1));
    EXPECT_EQ(fileName1, Str255("untitled.spdata"));
    EXPECT_EQ(FileOpenFlag, 255);
    ChooseMenuItem(kFileMenu, kSaveItem);
    EXPECT_EQ(Last().kind, DialogRequest::SavePanel);
    EXPECT_EQ(Last().message, "Save This File As...");
    EXPECT_EQ(Last().defaultName, "untitled.spdata");
    EXPECT_EQ(Last().window, kMainWnd);
    EXPECT_EQ(Read(Path("template.spdatasta")), kLine1); // never written back
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));               // Cancel gave the menus back
}

TEST_F(Lifecycle, SaveAsStationeryAndExportChangeNothingElse)
{
    OpenThroughPanel(Write("drivers.spdata", kLine1));
    Edit();
    answers.push_back(Path("drivers.spdatasta"));
    ChooseMenuItem(kFileMenu, kSaveStationeryItem);
    EXPECT_EQ(Last().message, "Save This Stationery File As...");
    EXPECT_EQ(Last().defaultName, "drivers.spdatasta");
    answers.push_back(Path("drivers.csv"));
    ChooseMenuItem(kFileMenu, kExportItem);
    EXPECT_EQ(Last().message, "Save This CSV File As...");
    EXPECT_EQ(Last().defaultName, "drivers.csv");
    const std::string body = "W-165,Woofer, 16.5, 41, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r";
    EXPECT_EQ(Read(Path("drivers.spdatasta")), body);
    EXPECT_EQ(Read(Path("drivers.csv")), std::string(kCsvHeaderLine) + body);
    EXPECT_EQ(fileName1, Str255("drivers.spdata"));
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_TRUE(MenuIsEnabled(kSortMenu));
}

TEST_F(Lifecycle, ImportNamesTheSheetAndSavesThroughThePrompt)
{
    answers.push_back(Write("drivers.csv", std::string(kCsvHeaderLine) + kLine1));
    ChooseMenuItem(kFileMenu, kImportItem);
    EXPECT_EQ(dialogs[0].message, "Select Open CSV/TXT File.");
    EXPECT_EQ(dialogs[0].choices, (std::vector<std::string>{"csv", "txt", "wdr", "xml"}));
    EXPECT_EQ(fNum, 1);
    EXPECT_EQ(fileName1, Str255("drivers.spdata"));
    EXPECT_EQ(FileOpenFlag, 0);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_TRUE(WindowModifiedMark(kMainWnd));
    answers.push_back("Save");
    answers.push_back(Path("drivers.spdata"));
    ChooseMenuItem(kFileMenu, kSaveItem);
    ASSERT_GE(dialogs.size(), 3u);
    EXPECT_EQ(dialogs[1].kind, DialogRequest::SavePrompt);
    EXPECT_EQ(dialogs[2].defaultName, "drivers.spdata");
    EXPECT_EQ(Read(Path("drivers.spdata")), kLine1);
    EXPECT_EQ(FileOpenFlag, 1);
    EXPECT_EQ(DirtyFlag, 0);
    EXPECT_EQ(Read(Path("drivers.csv")), std::string(kCsvHeaderLine) + kLine1); // never written
}

TEST_F(Lifecycle, APassiveRadiatorListEndsTheProgram)
{
    answers.push_back(Write("radiators.csv", "Manufacturer,Model\r"));
    const int beeps = SysBeepCount();
    ChooseMenuItem(kFileMenu, kImportItem);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    ASSERT_TRUE(WindowIsVisible(kFileErrQuitWnd));
    EXPECT_FALSE(MenuIsEnabled(kFileMenu));
    QTest::mouseClick(ControlWidget(kFileErrQuitWnd, kFileErrButtonCtl), Qt::LeftButton);
    EXPECT_EQ(exitStatus, 0);
}

TEST_F(Lifecycle, CloseAndQuitAskWhenThereAreChanges)
{
    OpenThroughPanel(Write("a.spdata", kLine1));
    Edit();
    ChooseMenuItem(kFileMenu, kCloseItem); // Cancel
    EXPECT_TRUE(WindowExists(kMainWnd));
    EXPECT_EQ(CloseFlag, 0);
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    ChooseMenuItem(kAppMenu, kQuitItem); // Cancel
    EXPECT_EQ(exitStatus, -1);
    EXPECT_EQ(QuitFlag, 0);
    answers.push_back("Save");
    ChooseMenuItem(kFileMenu, kCloseItem);
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_EQ(Read(Path("a.spdata")).substr(0, 22), "W-165,Woofer, 16.5, 41");
    OpenThroughPanel(Path("a.spdata"));
    Edit();
    answers.push_back("Don't Save");
    ChooseMenuItem(kAppMenu, kQuitItem); // the changes are dropped and the program ends
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(Read(Path("a.spdata")).substr(0, 22), "W-165,Woofer, 16.5, 41");
}

TEST_F(Lifecycle, QuitSavesAnUntitledSheetThroughSaveAsFirst)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    Edit();
    answers.push_back("Save");
    answers.push_back(""); // Cancel in the Save As panel
    ChooseMenuItem(kAppMenu, kQuitItem);
    EXPECT_EQ(exitStatus, -1); // nothing was written, so the program stays
    EXPECT_EQ(QuitFlag, 0);
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    answers.push_back("Save");
    answers.push_back(Path("new.spdata"));
    ChooseMenuItem(kAppMenu, kQuitItem);
    EXPECT_EQ(exitStatus, 0);
    EXPECT_EQ(Read(Path("new.spdata")).substr(0, 9), "n/a,n/a, ");
}

TEST_F(Lifecycle, AFailedSaveIsReportedAndChangesNothing)
{
    Write("not-a-folder", "x");
    ChooseMenuItem(kFileMenu, kNewItem);
    Edit();
    answers.push_back("Save");
    answers.push_back(Path("not-a-folder/b.spdata"));
    ChooseMenuItem(kAppMenu, kQuitItem);
    ASSERT_EQ(Last().kind, DialogRequest::Alert);
    EXPECT_EQ(Last().message.rfind("The program returned a file error.\nFile ref:1\n", 0), 0u) << Last().message;
    EXPECT_EQ(Last().choices, (std::vector<std::string>{"Stop", "Continue"}));
    EXPECT_EQ(exitStatus, -1); // Continue: the sheet is still there, unsaved
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(QuitFlag, 0);
    answers.push_back(Path("not-a-folder/b.spdata"));
    answers.push_back("Stop");
    ChooseMenuItem(kFileMenu, kSaveAsItem);
    EXPECT_EQ(exitStatus, 1);
}

TEST_F(Lifecycle, AnUnreadableFileOpensNothing)
{
    OpenThroughPanel(Path("missing.spdata"));
    ASSERT_EQ(Last().kind, DialogRequest::Alert);
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_EQ(fNum, 0);
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kOpenItem));
    OpenThroughPanel(dir.path().toStdString()); // a folder
    EXPECT_FALSE(WindowExists(kMainWnd));
}

TEST_F(Lifecycle, TheUserHearsWhenAFileHoldsTooManyModels)
{
    std::string many;
    for (int r = 0; r <= kMaxModels; ++r) many += kLine1;
    OpenThroughPanel(Write("huge.spdata", many));
    EXPECT_EQ(fNum, kMaxModels);
    QMessageBox* box = SheetAlert();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Only the first 32,767 models were read.");
    box->close();
}

TEST_F(Lifecycle, DesktopOpenTakesTheLastAcceptedFile)
{
    const std::string a = Write("a.spdata", kLine1);
    const std::string b = Write("b.csv", kLine2);
    const int beeps = SysBeepCount();
    HandleOpenDoc({a, Write("c.xyz", ""), b});
    EXPECT_EQ(SysBeepCount(), beeps + 1); // the unknown extension only beeps
    EXPECT_TRUE(TimerIsPending(kFileOpenTimer));
    WaitForOpenTimer();
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(Row(1).name, Str255("T-25"));
    EXPECT_EQ(fileName1, Str255("b.spdata"));
    EXPECT_EQ(FastOpenFlag, 1);
    EXPECT_FALSE(WindowIsVisible(kStartWnd));
}

// A desktop open closes what is open, a calculator too.
TEST_F(Lifecycle, TheDesktopsOpenRequestsReachTheProgram)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    ChooseMenuItem(kCalcMenu, 2);
    ASSERT_EQ(CalcWndOnFlag, 1);
    DeliverOpenDocuments({Write("a.spdata", kLine1)});
    WaitForOpenTimer();
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(Row(1).name, Str255("W-165"));
    EXPECT_FALSE(WindowExists(kCalcWnd));
    EXPECT_EQ(CalcWndOnFlag, 0);
}

TEST_F(Lifecycle, FileGateHoldsTheOpenBack)
{
    FileGateFlag = 1;
    HandleOpenDoc({Write("a.spdata", kLine1)});
    WaitForOpenTimer();
    EXPECT_FALSE(WindowExists(kMainWnd));
}

TEST_F(Lifecycle, APassiveRadiatorListFromTheDesktopEndsTheProgramAfterTheSavePrompt)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    DirtyFlag = 1;
    answers.push_back("Don't Save");
    HandleOpenDoc({Write("radiators.csv", "Manufacturer,Model\r")});
    WaitForOpenTimer();
    ASSERT_EQ(Last().kind, DialogRequest::SavePrompt);
    EXPECT_TRUE(WindowIsVisible(kFileErrQuitWnd));
    EXPECT_FALSE(WindowExists(kMainWnd));
}

TEST_F(Lifecycle, APassiveRadiatorFileDoesNotOpen)
{
    HandleOpenDoc({Write("list.prsv", "x")});
    ASSERT_TRUE(WindowIsVisible(kFileDoesNotOpenWnd));
    EXPECT_EQ(FileErrFlag, 1);
    EXPECT_FALSE(MenuIsEnabled(kFileMenu));
    QTest::mouseClick(ControlWidget(kFileDoesNotOpenWnd, kFileErrButtonCtl), Qt::LeftButton);
    EXPECT_FALSE(WindowExists(kFileDoesNotOpenWnd));
    EXPECT_EQ(FileErrFlag, 0);
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kOpenItem)); // no document: the start state
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
}

TEST_F(Lifecycle, DesktopOpenOverUnsavedChangesAsksFirst)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    Edit();
    const std::string b = Write("b.spdata", kLine2);
    bool menusOffDuringPrompt = false;
    SetDialogAnswerer([&](const DialogRequest& request) {
        if (request.kind == DialogRequest::SavePrompt) {
            menusOffDuringPrompt = !MenuIsEnabled(kFileMenu);
            return std::string("Save");
        }
        return Path("mine.spdata");
    });
    HandleOpenDoc({b});
    WaitForOpenTimer();
    EXPECT_TRUE(menusOffDuringPrompt);
    SetDialogAnswerer([this](const DialogRequest& request) {
        dialogs.push_back(request);
        std::string answer = answers.empty() ? std::string() : answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    });
    // The untitled sheet is written first, then the dropped file opens.
    EXPECT_EQ(Read(Path("mine.spdata")).substr(0, 8), "n/a,n/a,");
    EXPECT_EQ(fileName1, Str255("b.spdata"));
    EXPECT_EQ(Row(1).name, Str255("T-25"));
    EXPECT_EQ(OpenNextFlag, 0);

    Edit();
    answers.push_back("Save"); // a saved document: written in place, then the next file opens
    HandleOpenDoc({Write("c.spdata", kLine1)});
    WaitForOpenTimer();
    EXPECT_EQ(Row(1).name, Str255("W-165"));
    EXPECT_EQ(Read(b).substr(0, 20), "T-25,Tweeter, 2.5, 4"); // b was saved in place first
}

TEST_F(Lifecycle, CancellingTheSaveAsPanelKeepsTheSheetAndDropsTheOpen)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    Edit();
    answers.push_back("Save");
    answers.push_back("");
    HandleOpenDoc({Write("b.spdata", kLine2)});
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("untitled.spdata"));
    EXPECT_EQ(Row(1).Param(kColFs), 41.0f);
    EXPECT_EQ(OpenNextFlag, 0);
    EXPECT_EQ(DirtyFlag, 1);
    answers.push_back("Don't Save");
    HandleOpenDoc({Path("b.spdata")});
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("b.spdata"));
}

} // namespace
