// The paths that could destroy, drop or trap the person's data: writes that
// fail part way, alerts answered with one key, prompts that leave the menus
// off, files that are not files, and requests that flood the program.
#include "app/app_globals.h"
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

#include <QAbstractButton>
#include <QDir>
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
        const std::string path = OpenBigDocument("drivers.spdata", 200);
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
        EXPECT_EQ(Read(path), before); // byte for byte
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
    const std::string path = OpenBigDocument("drivers.spdata", 200);
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

} // namespace
