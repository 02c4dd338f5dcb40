// The paths that could destroy, drop or trap the person's data: writes that
// fail part way, alerts answered with one key, prompts that leave the menus
// off, files that are not files, and requests that flood the program.
#include "app/app_globals.h"
#include "app/main_window.h"
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/file_io.h"
#include "docs/file_windows.h"
#include "docs/lifecycle_fixture.h"
#include "platform/controls.h"
#include "platform/open_requests.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "platform/windows.h"
#include "sheet/scroll_bar.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Files written while it lives may grow to `bytes` and no further, as on a
// disk that is full: a longer write fails with EFBIG instead of a signal.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int);
};

// A document of 100 models is some 9 KiB: less than a buffered write holds
// back, so the disk fills while the buffer is flushed, not on the write.
class NoLostWork : public Lifecycle {
protected:
    static QAbstractButton* Button(QMessageBox* box, const QString& text)
    {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) return b;
        return nullptr;
    }

    // A saved document of `models` copies of kLine1, opened through the panel.
    std::string OpenBigDocument(const std::string& name, int models)
    {
        std::string bytes;
        for (int k = 0; k < models; ++k) bytes += kLine1;
        const std::string path = Write(name, bytes);
        OpenThroughPanel(path);
        return path;
    }

    QStringList FolderEntries() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }

    static QMessageBox* ButtonAlert()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "ButtonAlert" && w->isVisible()) return qobject_cast<QMessageBox*>(w);
        return nullptr;
    }
};

TEST_F(NoLostWork, AWriteThatFailsPartWayKeepsTheOldFileAndTheChanges)
{
    struct Case {
        const char* what;
        int item;
        const char* target; // the panel's answer, "" for Save
    } cases[] = {
        {"Save", kSaveItem, ""},
        {"Save As", kSaveAsItem, "other.spdata"},
        {"Save As Stationery", kSaveStationeryItem, "other.spdatasta"},
        {"Export", kExportItem, "other.csv"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = OpenBigDocument("drivers.spdata", 100);
        const std::string before = Read(path);
        Edit();
        if (*c.target) answers.push_back(Path(c.target));
        const std::size_t shown = dialogs.size();
        {
            FileSizeLimit full(4096);
            ChooseMenuItem(kFileMenu, c.item);
        }
        ASSERT_EQ(Last().kind, DialogRequest::Alert);
        EXPECT_GT(dialogs.size(), shown);
        EXPECT_NE(Last().message.find("File too large"), std::string::npos) << Last().message;
        EXPECT_EQ(Read(path), before);                             // byte for byte
        EXPECT_EQ(FolderEntries(), QStringList{"drivers.spdata"}); // no partial file, no temporary one
        EXPECT_EQ(DirtyFlag, 1);
        EXPECT_TRUE(WindowModifiedMark(kMainWnd));
        EXPECT_EQ(fileName1, Str255("drivers.spdata"));
        EXPECT_TRUE(MenuIsEnabled(kFileMenu));
        answers.push_back("Don't Save");
        ChooseMenuItem(kFileMenu, kCloseItem);
        ASSERT_FALSE(WindowExists(kMainWnd));
    }
}

TEST_F(NoLostWork, AFailedSaveOnTheQuitPromptAsksAgainAndGivesTheMenusBack)
{
    const std::string path = OpenBigDocument("drivers.spdata", 100);
    Edit();
    answers.push_back("Save");
    {
        FileSizeLimit full(4096);
        ChooseMenuItem(kAppMenu, kQuitItem);
    }
    EXPECT_EQ(exitStatus, -1);
    EXPECT_EQ(QuitFlag, 0);
    for (int menu : {kFileMenu, kSortMenu, kCalcMenu, kMiscMenu, kHelpMenu}) EXPECT_TRUE(MenuIsEnabled(menu)) << menu;
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kSaveAsItem));
    ChooseMenuItem(kAppMenu, kQuitItem); // still modified: the prompt comes again
    EXPECT_EQ(Last().kind, DialogRequest::SavePrompt);
    answers.push_back("Save");
    ChooseMenuItem(kFileMenu, kCloseItem);
    EXPECT_EQ(Read(path).substr(0, 22), "W-165,Woofer, 16.5, 41");
}

TEST_F(NoLostWork, TheFileErrorAlertContinuesOnReturnEscapeAndClose)
{
    SetDialogAnswerer({}); // the real alert, answered with keys
    for (int way = 0; way < 4; ++way) {
        SCOPED_TRACE(way);
        ShowFileErrorAlert("/home/u/b.spdata", "No space left on device");
        QMessageBox* box = ButtonAlert();
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->text(),
                  "The program returned a file error.\nFile ref:1\nNo space left on device\n/home/u/b.spdata");
        switch (way) {
        case 0: QTest::keyClick(box, Qt::Key_Return); break;
        case 1: QTest::keyClick(box, Qt::Key_Escape); break;
        case 2: box->close(); break;
        case 3: Button(box, "Continue")->click(); break;
        }
        ProcessEvents();
        EXPECT_EQ(ButtonAlert(), nullptr);
        EXPECT_EQ(exitStatus, -1);
    }
    ShowFileErrorAlert("/home/u/b.spdata", "No space left on device");
    Button(ButtonAlert(), "Stop")->click(); // ends the program, but only on purpose
    ProcessEvents();
    EXPECT_EQ(exitStatus, 1);
}

TEST_F(NoLostWork, SavePanelsStartBesideTheDocumentAndAddItsExtension)
{
    ChooseMenuItem(kFileMenu, kNewItem);
    ChooseMenuItem(kFileMenu, kSaveAsItem); // cancelled
    EXPECT_EQ(Last().folder, "");           // nothing chosen yet: the home folder
    ChooseMenuItem(kFileMenu, kCloseItem);  // unchanged: closes at once

    QDir(dir.path()).mkdir("B");
    HandleOpenDoc({Write("B/doc.spdata", kLine1)});
    WaitForOpenTimer();
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    struct Case {
        int item;
        const char* written;
    } cases[] = {
        {kSaveStationeryItem, "B/speakers.spdatasta"},
        {kExportItem, "B/speakers.csv"},
        {kSaveAsItem, "B/speakers.spdata"},
        {kSaveAsItem, "B/speakers.v2"}, // a name with an extension keeps it
    };
    for (const Case& c : cases) {
        const std::string typed = c.written == std::string("B/speakers.v2") ? c.written : "B/speakers";
        answers.push_back(Path(typed));
        ChooseMenuItem(kFileMenu, c.item);
        EXPECT_EQ(Last().folder, Path("B")) << c.written;
        EXPECT_EQ(Read(Path(c.written)).substr(0, 6), c.item == kExportItem ? "Model " : "W-165,") << c.written;
    }
    EXPECT_EQ(fileName1, Str255("speakers.v2"));
    ChooseMenuItem(kFileMenu, kCloseItem); // just saved: closes at once
    ChooseMenuItem(kFileMenu, kNewItem);   // untitled: where the last panel left off
    answers.push_back("");                 // Cancel
    ChooseMenuItem(kFileMenu, kSaveAsItem);
    EXPECT_EQ(Last().kind, DialogRequest::SavePanel);
    EXPECT_EQ(Last().folder, Path("B"));
    EXPECT_TRUE(answers.empty());
}

TEST_F(NoLostWork, TheRealSavePanelOpensInTheDocumentsFolder)
{
    QDir(dir.path()).mkdir("B");
    const std::string doc = Write("B/doc.spdata", kLine1);
    HandleOpenDoc({doc});
    WaitForOpenTimer();
    QFile::remove(QString::fromStdString(doc)); // so that accepting asks nothing
    SetDialogAnswerer({});
    ChooseMenuItem(kFileMenu, kSaveAsItem);
    QFileDialog* panel = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QFileDialog*>(w); d && d->isVisible()) panel = d;
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->directory().absolutePath(), QString::fromStdString(Path("B")));
    QMetaObject::invokeMethod(panel, "accept"); // Return on the offered name
    ProcessEvents();
    EXPECT_EQ(Read(doc), kLine1);
    EXPECT_FALSE(QFile::exists(QDir::current().absoluteFilePath("doc.spdata")));
}

TEST_F(NoLostWork, AFifoOrAFolderIsRefusedWithoutBlocking)
{
    const std::string fifo = Path("pipe.spdata");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(mkfifo(Path("pipe.csv").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo, [](std::string_view) {}).error, "Not a regular file");
    OpenThroughPanel(fifo);
    ASSERT_EQ(Last().kind, DialogRequest::Alert);
    EXPECT_NE(Last().message.find("Not a regular file\n" + fifo), std::string::npos) << Last().message;
    EXPECT_FALSE(WindowExists(kMainWnd));
    answers.push_back(Path("pipe.csv"));
    ChooseMenuItem(kFileMenu, kImportItem);
    QMessageBox* box = SheetAlert();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "One file could not be read.");
    EXPECT_EQ(box->informativeText(), "pipe.csv: Not a regular file\n\nNo models were imported.");
    box->close();
    EXPECT_FALSE(WindowExists(kMainWnd));
    const std::size_t shown = dialogs.size();
    HandleOpenDoc({fifo});
    WaitForOpenTimer();
    EXPECT_EQ(dialogs.size(), shown + 1);
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kOpenItem));
}

TEST_F(NoLostWork, OneRequestOfManyPathsRefusesOnceAndOpensTheLastItReads)
{
    const std::string a = Write("a.spdata", kLine1);
    std::vector<std::string> paths{a};
    for (int k = 0; k < 10000; ++k) paths.push_back(Path("list" + std::to_string(k) + (k % 2 ? ".prsv" : ".xyz")));
    const int beeps = SysBeepCount();
    HandleOpenDoc(paths);
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    ASSERT_TRUE(WindowIsVisible(kFileDoesNotOpenWnd));
    QWidget* refusal = WindowWidget(kFileDoesNotOpenWnd);
    HandleOpenDoc({Path("more.prsv")}); // while it is up: no second window
    EXPECT_EQ(WindowWidget(kFileDoesNotOpenWnd), refusal);
    EXPECT_EQ(fsRef, a); // the refused paths after it take nothing away
    QTest::mouseClick(ControlWidget(kFileDoesNotOpenWnd, kFileErrButtonCtl), Qt::LeftButton);
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("a.spdata"));
}

TEST_F(NoLostWork, ClosingAFileErrorWindowDoesWhatItsButtonDoes)
{
    HandleOpenDoc({Path("list.prsv")});
    ASSERT_TRUE(WindowIsVisible(kFileDoesNotOpenWnd));
    WindowWidget(kFileDoesNotOpenWnd)->close(); // the title bar's close box
    EXPECT_FALSE(WindowExists(kFileDoesNotOpenWnd));
    EXPECT_EQ(FileErrFlag, 0);
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kOpenItem));
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kNewItem));
    HandleOpenDoc({Path("list.prsv")});
    QApplication::setActiveWindow(WindowWidget(kFileDoesNotOpenWnd));
    QTest::keyClick(WindowWidget(kFileDoesNotOpenWnd), Qt::Key_Escape);
    EXPECT_FALSE(WindowExists(kFileDoesNotOpenWnd));
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kOpenItem));

    answers.push_back(Write("radiators.csv", "Manufacturer,Model\r"));
    ChooseMenuItem(kFileMenu, kImportItem);
    ASSERT_TRUE(WindowIsVisible(kFileErrQuitWnd));
    WindowWidget(kFileErrQuitWnd)->close();
    EXPECT_EQ(exitStatus, 0); // its only way out is Quit
}

TEST_F(NoLostWork, FilesOpenByTheirBytesAndTheirExtensionInAnyCase)
{
    HandleOpenDoc({Write("MINE.SPDATA", kLine1)});
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("MINE.SPDATA"));
    ChooseMenuItem(kFileMenu, kCloseItem);
    HandleOpenDoc({Write("Drivers.CSV", kLine2)});
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("Drivers.spdata"));
    ChooseMenuItem(kFileMenu, kCloseItem);
    answers.push_back("Don't Save");
    HandleOpenDoc({Write("Ref.SpDataSta", kLine1)});
    WaitForOpenTimer();
    EXPECT_EQ(fileName1, Str255("untitled.spdata"));
    EXPECT_EQ(FileOpenFlag, 255);
    ChooseMenuItem(kFileMenu, kCloseItem);

    const std::string latin1 = Write("caf\xE9.spdata", kLine2); // not UTF-8
    HandleOpenDoc({latin1});
    WaitForOpenTimer();
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(Row(1).name, Str255("T-25"));
    Edit();
    ChooseMenuItem(kFileMenu, kSaveItem);
    EXPECT_EQ(Read(latin1).substr(0, 20), "T-25,Tweeter, 2.5, 4");

    const int beeps = SysBeepCount();
    HandleOpenDoc({Write("t.tsv", kLine1)}); // not a kind the program reads
    EXPECT_EQ(SysBeepCount(), beeps + 1);
    EXPECT_FALSE(TimerIsPending(kFileOpenTimer));
}

TEST(OpenRequests, ArgumentsKeepTheirBytesAndTheBusTakesOnlyAbsolutePaths)
{
    char program[] = "merestone";
    char latin1[] = "caf\xE9.spdata";
    char* argv[] = {program, latin1};
    const std::vector<std::string> paths = FileArguments(2, argv);
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0], QFile::encodeName(QDir::currentPath()).toStdString() + "/caf\xE9.spdata");
    EXPECT_EQ(AbsolutePathsOnly({"/a/b.spdata", "b.spdata", "", "../c.csv", "/d.csv"}),
              (std::vector<std::string>{"/a/b.spdata", "/d.csv"}));
}

TEST_F(NoLostWork, TypingCountsAsAChangeWhenClosing)
{
    OpenThroughPanel(Write("a.spdata", kLine1));
    cellH = kColName;
    DrawSheet();
    auto* field = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    ASSERT_NE(field, nullptr);
    field->setText("W-166");
    ChooseMenuItem(kFileMenu, kCloseItem); // asks, and Cancel keeps it
    EXPECT_EQ(Last().kind, DialogRequest::SavePrompt);
    EXPECT_TRUE(WindowExists(kMainWnd));
    EXPECT_EQ(Row(1).name, Str255("W-166"));
    answers.push_back("Save");
    ChooseMenuItem(kFileMenu, kCloseItem);
    EXPECT_EQ(Read(Path("a.spdata")).substr(0, 6), "W-166,");
}

TEST_F(NoLostWork, ANewSheetAfterAScrolledOneStartsAtTheTop)
{
    OpenBigDocument("long.spdata", 100);
    for (int k = 0; k < 10; ++k) WindowScrollButtonHitHandler(kPartDownArrow);
    ASSERT_EQ(ScrollValue, 10);
    ChooseMenuItem(kFileMenu, kCloseItem);
    ChooseMenuItem(kFileMenu, kNewItem);
    QApplication::setActiveWindow(WindowWidget(kMainWnd));
    const QPoint fsOfTheFirstRow(260, 16 * 5 + 8);
    QTest::mouseClick(ContentWidget(kMainWnd), Qt::LeftButton, {}, fsOfTheFirstRow);
    EXPECT_EQ(cellV, 1);
    EXPECT_EQ(cellH, kColFs);
    auto* field = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    ASSERT_NE(field, nullptr);
    field->setText("42");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(Row(1).Param(kColFs), 42.0f);
}

} // namespace
