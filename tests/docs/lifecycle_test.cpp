// Opening, saving, importing, exporting and closing, every prompt and panel answered through the dialog seam; and the
// paths that could destroy, drop or trap the person's data: failed writes, one-key alerts, files that are not files.
#include "calc/calc_globals.h"
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/file_windows.h"
#include "docs/import_files.h"
#include "docs/sheet_format.h"
#include "link/link_globals.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/open_requests.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QAbstractButton>
#include <QDBusConnection>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>
#include <utility>

namespace {

const std::string kLine1 = "W-165,Woofer, 16.5, 38.2, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r";
const std::string kLine2 = "T-25,Tweeter, 2.5, 1200, 0.01, 0.6, 0.8, 2.4, 0.3, 4.8, 80, 7.1, 0.3, 0.21, 0.05\r";

// A started program, a folder of its own for files, and the helpers that open, edit and read them back.
class Lifecycle : public AppTest, public Drive {
protected:
    std::string Path(const std::string& name) const { return (dir.path() + "/").toStdString() + name; }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Chooses the menu item; the panels, prompts and alerts it brings up get `replies` in turn.
    void Choose(int menu, int item, std::initializer_list<std::string> replies = {})
    {
        answers.insert(answers.end(), replies);
        ChooseMenuItem(menu, item);
    }
    void OpenThroughPanel(const std::string& path) { Choose(kFileMenu, kOpenItem, {path}); }
    // Hands the paths over as the desktop does and lets the open timer fire.
    void DesktopOpen(const std::vector<std::string>& paths, std::initializer_list<std::string> replies = {})
    {
        answers.insert(answers.end(), replies);
        HandleOpenDoc(paths);
        WaitForOpenTimer();
    }
    static void WaitForOpenTimer()
    {
        QTest::qWait(260);
        ProcessEvents();
    }

    // The document's name, FileOpenFlag and DirtyFlag, to compare in one go.
    using DocState = std::tuple<std::string, int, int>;
    static DocState Document() { return {fileName1.str(), FileOpenFlag, DirtyFlag}; }
    const DialogRequest& Last() const { return dialogs.back(); }
    static void Edit()
    {
        Row(1).Param(kColFs) = 41.0f;
        DrawSheet();
    }

    // The text and explanation of the sheet alert on show, which is then closed.
    using Told = std::pair<std::string, std::string>;
    static Told TakeAlert()
    {
        QMessageBox* box = ShownAlert();
        if (!box) return {};
        Told text{box->text().toStdString(), box->informativeText().toStdString()};
        box->close();
        ProcessEvents();
        return text;
    }

    static std::string Models(int n) { return QByteArray::fromStdString(kLine1).repeated(n).toStdString(); }
    std::string CopyFixture(const std::string& name)
    {
        return Write(name, Read(MERESTONE_SOURCE_DIR "/tests/docs/fixtures/" + name));
    }
    void ImportThroughPanel(const std::vector<std::string>& paths)
    {
        std::string answer;
        for (const std::string& p : paths) answer += (answer.empty() ? "" : "\n") + p;
        Choose(kFileMenu, kImportItem, {answer});
    }

    QTemporaryDir dir;
};

TEST_F(Lifecycle, OpenDropsACsvHeaderSaveRewritesTheFileAndCopiesChangeNothingElse)
{
    OpenThroughPanel(Write("drivers.spdata", std::string(kCsvHeaderLine) + kLine1 + kLine2));
    EXPECT_EQ(std::tuple(Last().kind, Last().message), std::tuple(DialogRequest::OpenPanel, "Select Open File."));
    EXPECT_EQ(std::tuple(fNum, Row(1).name.str(), WindowWidget(kMainWnd)->windowTitle(), Document()),
              std::tuple(2, "W-165", "drivers.spdata[*]", DocState("drivers.spdata", 1, 0)));
    EXPECT_EQ(std::tuple(ScrollValue, cellV, cellH, WindowIsVisible(kMainWnd), WindowModifiedMark(kMainWnd),
                         MenuItemIsEnabled(kFileMenu, kOpenItem)),
              std::tuple(0, 1, 0, true, false, false)); // at the top, the first model selected
    Choose(kFileMenu, kSaveItem); // unchanged: the prompt asks instead, and Cancel keeps the window
    EXPECT_EQ(std::tuple(Last().kind, Last().message, WindowExists(kMainWnd)),
              std::tuple(DialogRequest::SavePrompt, "drivers.spdata", true));
    Edit();
    EXPECT_EQ(std::tuple(DirtyFlag, WindowModifiedMark(kMainWnd)), std::tuple(1, true));
    Choose(kFileMenu, kSaveItem);
    EXPECT_EQ(std::tuple(DirtyFlag, WindowModifiedMark(kMainWnd)), std::tuple(0, false));
    Row(1).Param(kColFs) = 38.2f; // back to the file's value
    Choose(kFileMenu, kSaveAsItem);
    Choose(kFileMenu, kSaveAsItem, {Path("copy.spdata")});
    EXPECT_EQ(std::tuple(Read(Path("copy.spdata")), fileName1.str(), WindowWidget(kMainWnd)->windowTitle()),
              std::tuple(kLine1 + kLine2, "copy.spdata", "copy.spdata[*]"));
    Choose(kFileMenu, kSaveItem, {"Don't Save"}); // on an unchanged document: closes
    EXPECT_EQ(std::tuple(WindowExists(kMainWnd), WindowIsVisible(kStartWnd)), std::tuple(false, true));
    // Copies of the sheet leave the document as it is; stationery opens as a new untitled document, never written back.
    OpenThroughPanel(Write("drivers.spdata", kLine1));
    Edit();
    Choose(kFileMenu, kSaveStationeryItem, {Path("drivers.spdatasta")});
    Choose(kFileMenu, kExportItem, {Path("drivers.csv")});
    EXPECT_EQ(
        std::tuple(dialogs.end()[-2].message, dialogs.end()[-2].defaultName, Last().message, Last().defaultName),
        std::tuple("Save This Stationery File As...", "drivers.spdatasta", "Save This CSV File As...", "drivers.csv"));
    const std::string body = "W-165,Woofer, 16.5, 41, 25.123, 0.35, 0.4, 3.1, 0.87, 6.2, 60, 132.7, 4.5, 59.72, 0.45\r";
    EXPECT_EQ(std::tuple(Read(Path("drivers.spdatasta")), Read(Path("drivers.csv"))),
              std::tuple(body, kCsvHeaderLine + body));
    EXPECT_EQ(std::tuple(Document(), MenuIsEnabled(kSortMenu)), std::tuple(DocState("drivers.spdata", 1, 1), true));
    Choose(kFileMenu, kCloseItem, {"Don't Save"});
    OpenThroughPanel(Path("drivers.spdatasta"));
    EXPECT_EQ(Document(), DocState("untitled.spdata", 255, 0));
    Choose(kFileMenu, kSaveItem); // Cancel gives the menus back
    EXPECT_EQ(std::tuple(Last().kind, Last().message, Last().defaultName, Last().window, MenuIsEnabled(kFileMenu)),
              std::tuple(DialogRequest::SavePanel, "Save This File As...", "untitled.spdata", kMainWnd, true));
    EXPECT_EQ(Read(Path("drivers.spdatasta")), body);
}

// Typing alone is a change: closing commits the field and asks.
TEST_F(Lifecycle, CloseAndQuitAskWhenThereAreChanges)
{
    OpenThroughPanel(Write("a.spdata", kLine1));
    Select(kColName, cellV);
    ASSERT_NE(SheetField(), nullptr);
    SheetField()->setText("W-166");
    Choose(kFileMenu, kCloseItem); // Cancel
    EXPECT_EQ(std::tuple(Last().kind, WindowExists(kMainWnd), Row(1).name.str(), CloseFlag, MenuIsEnabled(kFileMenu)),
              std::tuple(DialogRequest::SavePrompt, true, "W-166", 0, true));
    Choose(kAppMenu, kQuitItem); // Cancel
    EXPECT_EQ(std::tuple(exitStatus, QuitFlag), std::tuple(-1, 0));
    Choose(kFileMenu, kCloseItem, {"Save"});
    EXPECT_EQ(std::tuple(WindowExists(kMainWnd), Read(Path("a.spdata")).substr(0, 24)),
              std::tuple(false, "W-166,Woofer, 16.5, 38.2"));
    OpenThroughPanel(Path("a.spdata"));
    Select(kColName, cellV);
    SheetField()->setText("W-167"); // typed, not yet stored: Quit still asks
    const std::size_t asked = dialogs.size();
    Choose(kAppMenu, kQuitItem); // Cancel
    EXPECT_EQ(std::tuple(dialogs.size(), exitStatus, Row(1).name.str()), std::tuple(asked + 1, -1, "W-167"));
    Edit();
    Choose(kAppMenu, kQuitItem, {"Don't Save"}); // the changes are dropped and the program ends
    EXPECT_EQ(std::tuple(exitStatus, Read(Path("a.spdata")).substr(0, 24)), std::tuple(0, "W-166,Woofer, 16.5, 38.2"));
}

TEST_F(Lifecycle, QuitSavesAnUntitledSheetThroughSaveAsAndReportsAFailedWrite)
{
    Write("not-a-folder", "x");
    Choose(kFileMenu, kNewItem);
    Edit();
    Choose(kSortMenu, kDescendingItem);
    Choose(kAppMenu, kQuitItem, {"Save", ""}); // Cancel in the Save As panel: nothing written, the program stays
    // The menus were built again for the panel, with their first check marks.
    EXPECT_EQ(std::tuple(exitStatus, QuitFlag, MenuIsEnabled(kFileMenu), MenuItemIsChecked(kSortMenu, kAscendingItem)),
              std::tuple(-1, 0, true, true));
    Choose(kAppMenu, kQuitItem, {"Save", Path("not-a-folder/b.spdata")}); // the write fails
    ASSERT_EQ(Last().kind, DialogRequest::Alert);
    EXPECT_TRUE(Last().message.starts_with("The program returned a file error.\nFile ref:1\n")) << Last().message;
    // Continue: the sheet is still there, unsaved; Stop ends the program at once.
    EXPECT_EQ(std::tuple(exitStatus, QuitFlag, DirtyFlag, MenuIsEnabled(kFileMenu)), std::tuple(-1, 0, 1, true));
    Choose(kFileMenu, kSaveAsItem, {Path("not-a-folder/b.spdata"), "Stop"});
    EXPECT_EQ(std::exchange(exitStatus, -1), 1);
    ASSERT_EQ(::dup2(::open("/dev/null", O_RDONLY), 0), 0); // the write closes its own file and nothing else
    Choose(kAppMenu, kQuitItem, {"Save", Path("new.spdata")});
    EXPECT_EQ(std::tuple(exitStatus, Read(Path("new.spdata")).substr(0, 9), ::fcntl(0, F_GETFD) != -1),
              std::tuple(0, "n/a,n/a, ", true));
}

TEST_F(Lifecycle, DesktopOpenTakesTheLastAcceptedFile)
{
    const std::string a = Write("a.spdata", kLine1);
    FileGateFlag = 1; // holds the open back
    DesktopOpen({a});
    EXPECT_FALSE(WindowExists(kMainWnd));
    FileGateFlag = 0;
    EXPECT_EQ(Beeps([&] { HandleOpenDoc({a, Write("c.xyz", ""), Write("b.csv", kLine2)}); }), 1); // c.xyz only beeps
    EXPECT_TRUE(TimerIsPending(kFileOpenTimer));
    WaitForOpenTimer();
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), WindowIsVisible(kStartWnd)), std::tuple(true, false));
    EXPECT_EQ(std::tuple(Row(1).name.str(), fileName1.str(), FastOpenFlag), std::tuple("T-25", "b.spdata", 1));
    DirtyFlag = 0;
    Choose(kCalcMenu, 2);
    ASSERT_EQ(CalcWndOnFlag, 1);
    DeliverOpenDocuments({a}); // the desktop's requests reach the program and close what is open, a calculator too
    WaitForOpenTimer();
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), Row(1).name.str(), WindowExists(kCalcWnd), CalcWndOnFlag),
              std::tuple(true, "W-165", false, 0));
    // A flood of paths refuses once, and the refused ones after the file take nothing away.
    std::vector<std::string> paths{Write("d.spdata", kLine2)};
    for (int k = 0; k < 10000; ++k) paths.push_back(Path("list" + std::to_string(k) + (k % 2 ? ".prsv" : ".xyz")));
    EXPECT_EQ(Beeps([&] { HandleOpenDoc(paths); }), 1);
    ASSERT_TRUE(WindowIsVisible(kFileDoesNotOpenWnd));
    QWidget* refusal = WindowWidget(kFileDoesNotOpenWnd);
    HandleOpenDoc({Path("more.prsv")}); // while it is up: no second window
    EXPECT_EQ(std::tuple(WindowWidget(kFileDoesNotOpenWnd), fsRef), std::tuple(refusal, Path("d.spdata")));
    ClickControl(kFileDoesNotOpenWnd, kFileErrButtonCtl);
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("d.spdata"));
}

// Each file-error window has one button; its close box and Escape do what it does, so no way out leaves the menus off.
TEST_F(Lifecycle, PassiveRadiatorFilesAreRefusedAndTheirListsEndTheProgram)
{
    const std::function<void()> ways[]
        = {[] { ClickControl(kFileDoesNotOpenWnd, kFileErrButtonCtl); },
           [] { WindowWidget(kFileDoesNotOpenWnd)->close(); }, [] { KeyIn(kFileDoesNotOpenWnd, Qt::Key_Escape); }};
    for (std::size_t way = 0; way < std::size(ways); ++way) {
        SCOPED_TRACE(way);
        HandleOpenDoc({Path("list.prsv")});
        ASSERT_EQ(std::tuple(WindowIsVisible(kFileDoesNotOpenWnd), FileErrFlag, MenuIsEnabled(kFileMenu)),
                  std::tuple(true, 1, false));
        ways[way](); // no document: the start state
        EXPECT_EQ(std::tuple(WindowExists(kFileDoesNotOpenWnd), FileErrFlag, MenuIsEnabled(kFileMenu),
                             MenuItemIsEnabled(kFileMenu, kOpenItem), MenuItemIsEnabled(kFileMenu, kNewItem)),
                  std::tuple(false, 0, true, true, true));
    }
    const auto importList = [&] { Choose(kFileMenu, kImportItem, {Write("radiators.csv", "Manufacturer,Model\r")}); };
    ASSERT_EQ((std::tuple{Beeps(importList), WindowIsVisible(kFileErrQuitWnd), MenuIsEnabled(kFileMenu)}),
              (std::tuple{1, true, false}));
    ClickControl(kFileErrQuitWnd, kFileErrButtonCtl);
    EXPECT_EQ(std::exchange(exitStatus, -1), 0);
    WindowWidget(kFileErrQuitWnd)->close();
    EXPECT_EQ(exitStatus, 0);
    DisposeWindow(kFileErrQuitWnd); // the same list from the desktop, with nothing unsaved
    EXPECT_EQ((std::tuple{Beeps([&] { DesktopOpen({Path("radiators.csv")}); }), WindowIsVisible(kFileErrQuitWnd)}),
              (std::tuple{1, true}));
}

TEST_F(Lifecycle, DesktopOpenOverUnsavedChangesAsksFirst)
{
    Choose(kFileMenu, kNewItem);
    Edit();
    const std::string b = Write("b.spdata", kLine2);
    DesktopOpen({b}, {"Save", ""}); // Cancel in the Save As panel: the sheet stays, the open is dropped
    EXPECT_EQ(std::tuple(dialogs.at(0).kind, menusOnAtDialog.at(0), Document(), Row(1).Param(kColFs), OpenNextFlag),
              std::tuple(DialogRequest::SavePrompt, false, DocState("untitled.spdata", 255, 1), 41.0f, 0));
    DesktopOpen({b}, {"Save", Path("mine.spdata")}); // the untitled sheet is saved first, then the dropped file opens
    EXPECT_EQ(Read(Path("mine.spdata")).substr(0, 8), "n/a,n/a,");
    EXPECT_EQ(std::tuple(fileName1.str(), Row(1).name.str(), OpenNextFlag, WindowIsVisible(kMainWnd)),
              std::tuple("b.spdata", "T-25", 0, true));
    Edit(); // a saved document: written in place, then the next file opens
    sent.clear();
    DesktopOpen({Write("c.spdata", kLine1)}, {"Save"});
    EXPECT_EQ(std::tuple(Row(1).name.str(), Read(b).substr(0, 20)), std::tuple("W-165", "T-25,Tweeter, 2.5, 4"));
    // The siblings step back for the prompt and again for the file.
    EXPECT_EQ(std::ranges::count_if(sent, [](const SentSuiteEvent& e) { return e.message.starts_with("Hide"); }), 6);
    Edit(); // Don't Save opens it too; a passive-radiator list then ends the program
    EXPECT_EQ(Beeps([&] { DesktopOpen({Write("radiators.csv", "Manufacturer,Model\r")}, {"Don't Save"}); }), 1);
    ASSERT_EQ(Last().kind, DialogRequest::SavePrompt);
    EXPECT_EQ(std::tuple(WindowIsVisible(kFileErrQuitWnd), WindowExists(kMainWnd), MenuIsEnabled(kFileMenu)),
              std::tuple(true, false, false));
}

// A file that is missing, a folder or a FIFO opens nothing, and a FIFO is refused without blocking; the others open by
// their extension in any letter case, and by their bytes.
TEST_F(Lifecycle, FilesOpenByTheirExtensionAndTheirBytesAndUnreadableOnesOpenNothing)
{
    OpenThroughPanel(Path("missing.spdata"));
    EXPECT_EQ(std::tuple(Last().kind, WindowExists(kMainWnd), fNum, MenuItemIsEnabled(kFileMenu, kOpenItem)),
              std::tuple(DialogRequest::Alert, false, 0, true));
    OpenThroughPanel(dir.path().toStdString());
    EXPECT_FALSE(WindowExists(kMainWnd));
    const std::string fifo = Path("pipe.spdata");
    ASSERT_EQ(std::pair(mkfifo(fifo.c_str(), 0600), mkfifo(Path("pipe.csv").c_str(), 0600)), std::pair(0, 0));
    OpenThroughPanel(fifo);
    EXPECT_EQ(std::tuple(Last().kind, WindowExists(kMainWnd)), std::tuple(DialogRequest::Alert, false));
    EXPECT_NE(Last().message.find("Not a regular file\n" + fifo), std::string::npos) << Last().message;
    Choose(kFileMenu, kImportItem, {Path("pipe.csv")});
    EXPECT_EQ(TakeAlert(),
              Told("One file could not be read.", "pipe.csv: Not a regular file\n\nNo models were imported."));
    EXPECT_FALSE(WindowExists(kMainWnd));
    const std::size_t shown = dialogs.size();
    DesktopOpen({fifo});
    EXPECT_EQ(std::tuple(dialogs.size(), WindowExists(kMainWnd), MenuItemIsEnabled(kFileMenu, kOpenItem)),
              std::tuple(shown + 1, false, true));
    const std::tuple<const char*, const char*, int, int> cases[] = {{"MINE.SPDATA", "MINE.SPDATA", 1, 0},
                                                                    {"Drivers.CSV", "Drivers.spdata", 0, 1},
                                                                    {"Ref.SpDataSta", "untitled.spdata", 255, 0}};
    for (const auto& [file, name, fileOpenFlag, dirty] : cases) {
        DesktopOpen({Write(file, kLine1)});
        EXPECT_EQ(Document(), DocState(name, fileOpenFlag, dirty));
        DirtyFlag = 0;
        Choose(kFileMenu, kCloseItem);
    }
    // Opened through a link, not UTF-8 either: saving writes through the link to its file, and the link stays.
    const std::string latin1 = Write("caf\xE9.spdata", kLine2), link = Path("caf\xE9 link.spdata");
    std::filesystem::create_symlink(latin1, link);
    DesktopOpen({link});
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), Row(1).name.str()), std::tuple(true, "T-25"));
    Edit();
    Choose(kFileMenu, kSaveItem);
    EXPECT_EQ(std::tuple(Read(latin1).substr(0, 20), std::filesystem::is_symlink(link)),
              std::tuple("T-25,Tweeter, 2.5, 4", true));
    for (const std::string& p : {link, latin1}) std::filesystem::remove(p); // names QTemporaryDir cannot remove
    EXPECT_EQ(Beeps([&] { HandleOpenDoc({Write("t.tsv", kLine1)}); }), 1);  // not a kind the program reads
    EXPECT_FALSE(TimerIsPending(kFileOpenTimer));
}

// Chooses the item on a disk that is full: a file written meanwhile may grow
// to 4 KiB and no further, a longer write failing with EFBIG, not a signal.
void ChooseOnAFullDisk(int menu, int item)
{
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit full{4096, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &full);
    ChooseMenuItem(menu, item);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
}

TEST_F(Lifecycle, AWriteThatFailsKeepsTheOldFileAndTheChangesAndItsAlertContinues)
{
    const std::tuple<const char*, int, const char*> cases[] // what, the item, and the panel's answer ("" for Save)
        = {{"Save", kSaveItem, ""},
           {"Save As", kSaveAsItem, "other.spdata"},
           {"Save As Stationery", kSaveStationeryItem, "other.spdatasta"},
           {"Export", kExportItem, "other.csv"}};
    for (const auto& [what, item, target] : cases) {
        SCOPED_TRACE(what);
        // Some 9 KiB: less than a buffered write holds back, so the disk fills as the buffer is flushed.
        const std::string path = Write("drivers.spdata", Models(100));
        OpenThroughPanel(path);
        Edit();
        if (*target) answers.push_back(Path(target));
        ChooseOnAFullDisk(kFileMenu, item);
        EXPECT_EQ(Last().message,
                  "The program returned a file error.\nFile ref:1\nFile too large\n" + (*target ? Path(target) : path));
        // The old file byte for byte, no partial file, no temporary one; the changes kept.
        EXPECT_EQ(std::tuple(Read(path), QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), Document(),
                             WindowModifiedMark(kMainWnd), MenuIsEnabled(kFileMenu)),
                  std::tuple(Models(100), QStringList{"drivers.spdata"}, DocState("drivers.spdata", 1, 1), true, true));
        Choose(kFileMenu, kCloseItem, {"Don't Save"});
        ASSERT_FALSE(WindowExists(kMainWnd));
    }
    // Saving from the quit prompt fails the same way: the program stays, the menus come back, the next quit asks again.
    const std::string path = Write("drivers.spdata", Models(100));
    OpenThroughPanel(path);
    Edit();
    answers.push_back("Save");
    ChooseOnAFullDisk(kAppMenu, kQuitItem);
    EXPECT_EQ(std::tuple(exitStatus, QuitFlag, MenuItemIsEnabled(kFileMenu, kSaveAsItem)), std::tuple(-1, 0, true));
    for (int menu : {kFileMenu, kSortMenu, kCalcMenu, kMiscMenu, kHelpMenu}) EXPECT_TRUE(MenuIsEnabled(menu)) << menu;
    Choose(kAppMenu, kQuitItem);
    EXPECT_EQ(Last().kind, DialogRequest::SavePrompt);
    Choose(kFileMenu, kCloseItem, {"Save"});
    EXPECT_EQ(Read(path).substr(0, 22), "W-165,Woofer, 16.5, 41");
    SetDialogAnswerer({}); // the real file-error alert continues on Return, Escape and its close box
    for (int way = 0; way < 5; ++way) {
        SCOPED_TRACE(way);
        ShowFileErrorAlert("/home/u/b.spdata", "No space left on device");
        QMessageBox* box = ShownAlert("ButtonAlert");
        ASSERT_EQ(box ? box->text() : "",
                  "The program returned a file error.\nFile ref:1\nNo space left on device\n/home/u/b.spdata");
        switch (way) {
        case 0: QTest::keyClick(box, Qt::Key_Return); break;
        case 1: QTest::keyClick(box, Qt::Key_Escape); break;
        case 2: box->close(); break;
        default: // 3: Continue; 4: Stop, which ends the program, but only on purpose
            for (QAbstractButton* b : box->buttons())
                if (b->text() == (way == 3 ? "Continue" : "Stop")) b->click();
        }
        ProcessEvents();
        EXPECT_EQ(std::tuple(ShownAlert("ButtonAlert"), exitStatus), std::tuple(nullptr, way == 4 ? 1 : -1));
    }
}

TEST_F(Lifecycle, SavePanelsStartBesideTheDocumentAndAddItsExtension)
{
    DesktopOpen({Write("a.spdata", kLine1)}); // no panel chose it
    Choose(kFileMenu, kCloseItem);
    Choose(kFileMenu, kNewItem);
    Choose(kFileMenu, kSaveAsItem); // cancelled
    EXPECT_EQ(Last().folder, "");   // no panel chose a file yet: the home folder, not the closed document's
    Choose(kFileMenu, kCloseItem);  // unchanged: closes at once
    QDir(dir.path()).mkdir("B");
    DesktopOpen({Write("B/doc.spdata", kLine1)});
    const std::tuple<int, const char*, const char*> cases[] = {
        {kSaveStationeryItem, "B/speakers", "B/speakers.spdatasta"},
        {kExportItem, "B/speakers", "B/speakers.csv"},
        {kSaveAsItem, "B/speakers", "B/speakers.spdata"},
        {kSaveAsItem, "B/speakers.v2", "B/speakers.v2"}, // a name with an extension keeps it
    };
    for (const auto& [item, typed, written] : cases) {
        Choose(kFileMenu, item, {Path(typed)});
        EXPECT_EQ(Last().folder, Path("B")) << written;
        EXPECT_EQ(Read(Path(written)).substr(0, 6), item == kExportItem ? "Model " : "W-165,") << written;
    }
    EXPECT_EQ(fileName1, Str255("speakers.v2"));
    Choose(kFileMenu, kCloseItem);        // just saved: closes at once
    Choose(kFileMenu, kNewItem);          // untitled: where the last panel left off
    Choose(kFileMenu, kSaveAsItem, {""}); // Cancel
    EXPECT_EQ(std::tuple(Last().kind, Last().folder, answers.empty()),
              std::tuple(DialogRequest::SavePanel, Path("B"), true));
    SetDialogAnswerer({}); // the real panel opens there too
    Choose(kFileMenu, kSaveAsItem);
    auto* panel = WindowWidget(kMainWnd)->findChild<QFileDialog*>();
    ASSERT_TRUE(panel && panel->isVisible());
    EXPECT_EQ(panel->directory().absolutePath(), QString::fromStdString(Path("B")));
    QMetaObject::invokeMethod(panel, "accept"); // Return on the offered name
    ProcessEvents();
    EXPECT_EQ(Read(Path("B/untitled.spdata")).substr(0, 8), "n/a,n/a,");
    EXPECT_FALSE(QFile::exists(QDir::current().absoluteFilePath("untitled.spdata")));
}

TEST_F(Lifecycle, ANewSheetAfterAScrolledOneStartsAtTheTop)
{
    OpenThroughPanel(Write("drivers.spdata", Models(100)));
    for (int k = 0; k < 10; ++k) WindowScrollButtonHitHandler(kPartDownArrow);
    ASSERT_EQ(ScrollValue, 10);
    Choose(kFileMenu, kCloseItem);
    Choose(kFileMenu, kNewItem);
    QApplication::setActiveWindow(WindowWidget(kMainWnd));
    ClickSheet(260, 16 * 5 + 8); // Fs of the first row
    ASSERT_EQ(std::tuple(cellV, cellH, SheetField() != nullptr), std::tuple(1, kColFs, true));
    SheetField()->setText("42");
    QTest::keyClick(SheetField(), Qt::Key_Return);
    EXPECT_EQ(Row(1).Param(kColFs), 42.0f);
}

// A second launch hands its files, as absolute paths, to the running instance
// over the session bus and ends; that one opens them as a desktop request.
TEST(SecondLaunch, HandsItsFilesToTheRunningInstanceAndEnds)
{
    // Its arguments keep their bytes; the bus takes only absolute paths.
    EXPECT_EQ(FileArguments({"caf\xE9.spdata", "/tmp/b.csv"}),
              (std::vector<std::string>{QFile::encodeName(QDir::currentPath()).toStdString() + "/caf\xE9.spdata",
                                        "/tmp/b.csv"}));
    EXPECT_EQ(AbsolutePathsOnly({"/a/b.spdata", "b.spdata", "", "../c.csv", "/d.csv"}),
              (std::vector<std::string>{"/a/b.spdata", "/d.csv"}));
    if (!QDBusConnection::sessionBus().isConnected()) GTEST_SKIP() << "no D-Bus session bus";
    static std::vector<std::string> received;
    SetSessionBusUse(true);
    InstallOpenDocumentsHandler([](const std::vector<std::string>& paths) { received = paths; });
    QTemporaryDir dir;
    QProcess second;
    second.setWorkingDirectory(dir.path());
    second.start(QStringLiteral(MERESTONE_BINARY), {QStringLiteral("drivers.spdata")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000))
        << "the second launch did not end";
    EXPECT_EQ(std::tuple(second.exitStatus(), second.exitCode()), std::tuple(QProcess::NormalExit, 0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, 1000));
    EXPECT_EQ(received, (std::vector<std::string>{QDir(dir.path()).absoluteFilePath("drivers.spdata").toStdString()}));
}

// An import names the sheet after its first file and is saved through the prompt. Several files of every kind make one
// sheet in the order chosen, and the user is told which could not be read, of this import only.
TEST_F(Lifecycle, FilesOfEveryKindMakeOneSheetAndTheUserIsToldWhatCouldNotBeRead)
{
    Choose(kFileMenu, kImportItem, {Write("drivers.csv", std::string(kCsvHeaderLine) + kLine1)});
    EXPECT_EQ(std::tuple(dialogs.at(0).message, dialogs[0].choices, Document(), fNum, WindowModifiedMark(kMainWnd)),
              std::tuple("Select Open CSV/TXT File.", std::vector<std::string>{"csv", "txt", "wdr", "xml"},
                         DocState("drivers.spdata", 0, 1), 1, true));
    Choose(kFileMenu, kSaveItem, {"Save", Path("drivers.spdata")});
    EXPECT_EQ(std::tuple(dialogs.at(1).kind, dialogs.at(2).defaultName, Document()),
              std::tuple(DialogRequest::SavePrompt, "drivers.spdata", DocState("drivers.spdata", 1, 0)));
    EXPECT_EQ(std::tuple(Read(Path("drivers.spdata")), Read(Path("drivers.csv"))),
              std::tuple(kLine1, kCsvHeaderLine + kLine1)); // the CSV file is never written
    Choose(kFileMenu, kCloseItem);
    ImportThroughPanel({Write("<b>a.wdr", "Manufacturer,Model\r"), Write("b.xml", "<html/>")});
    for (QLabel* label : ShownAlert()->findChildren<QLabel*>())
        EXPECT_TRUE(label->text().isEmpty() || label->textFormat() == Qt::PlainText) << label->text().toStdString();
    EXPECT_FALSE(WindowExists(kMainWnd));                       // nothing read: no sheet
    EXPECT_EQ(std::tuple(FileErrFlag, fNum), std::tuple(0, 0)); // the "Manufacturer" rule is for CSV and TXT only
    EXPECT_EQ(TakeAlert(),
              Told("2 files could not be read.",
                   "<b>a.wdr: no [Driver] section\nb.xml: not a driver database\n\nNo models were imported."));
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kImportItem));
    OpenThroughPanel(Write("good.spdata", kLine1)); // a document opened next is not told of them again
    EXPECT_EQ(std::pair(int(fNum), ShownAlert() == nullptr), std::pair(1, true));
    Choose(kFileMenu, kCloseItem);
    ImportThroughPanel({}); // Cancel
    EXPECT_FALSE(WindowExists(kMainWnd));
    ImportThroughPanel({CopyFixture("halden_hw170.wdr"), Write("broken.xml", "<speakers><speaker"),
                        CopyFixture("speakers.xml"),
                        Write("more.csv", "\xEF\xBB\xBF" + std::string(kCsvHeaderLine) + "R\xC3\xA9v,Woofer,1,\r\n"),
                        Path("gone.wdr")});
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), fNum, Row(1).name.str(), Row(2).name.str(), Row(4).name.str(),
                         Row(5).name.str(), Row(5).entryNo, Document()),
              std::tuple(true, 5, "Halden Audio HW-170 R\x8Ev\x8Elator", "Halden Audio HW-170", "Kestrel T25 Soie",
                         "R\x8Ev", 5, DocState("halden_hw170.spdata", 0, 1)));
    const auto [message, explanation] = TakeAlert();
    EXPECT_EQ(message, "2 files could not be read.");
    EXPECT_EQ(explanation.substr(0, 30), "broken.xml: broken XML at line");
    EXPECT_NE(explanation.find("\ngone.wdr: No such file or directory\n\n5 models were imported."), std::string::npos)
        << explanation;
    DirtyFlag = 0; // a driver file from the desktop opens as an import too
    DesktopOpen({CopyFixture("kestrel_t25.wdr")});
    EXPECT_EQ(std::tuple(WindowIsVisible(kMainWnd), fNum, Row(1).Param(kColFs), Document(), ShownAlert()),
              std::tuple(true, 1, 1100.0f, DocState("kestrel_t25.spdata", 0, 1), nullptr));
    DirtyFlag = 0;
    Choose(kFileMenu, kCloseItem);
    // However a file comes in, the user hears in the same words that it held more models than a sheet can take.
    const std::string csv = Write("huge.csv", kCsvHeaderLine + Models(kMaxModels + 1));
    const std::string doc = Write("huge.spdata", kCsvHeaderLine + Models(kMaxModels + 1));
    const std::function<void()> ways[] = {[&] { ImportThroughPanel({csv}); }, [&] { DesktopOpen({csv}); },
                                          [&] { DesktopOpen({doc}); }, [&] { OpenThroughPanel(doc); }};
    for (const auto& way : ways) {
        way();
        EXPECT_EQ(fNum, kMaxModels);
        EXPECT_EQ(TakeAlert(), Told("Only the first 32,767 models were read.", kTooManyModels.explanation));
        DirtyFlag = 0;
        Choose(kFileMenu, kCloseItem);
        ASSERT_FALSE(WindowExists(kMainWnd));
    }
    // A full sheet exported and imported again comes back whole, silently.
    ImportThroughPanel({Write("full.csv", kCsvHeaderLine + Models(kMaxModels))});
    EXPECT_EQ(std::tuple(fNum, ShownAlert()), std::tuple(kMaxModels, nullptr));
}

} // namespace
