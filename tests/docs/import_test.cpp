// Importing through the Import panel and from the desktop: several files of
// several kinds into one sheet, what the user is told about the files that
// could not be read, and about files that held more than a sheet can.
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/import_files.h"
#include "docs/lifecycle_fixture.h"
#include "platform/windows.h"

#include <QFile>
#include <QLabel>

namespace {

class Import : public Lifecycle {
protected:
    std::string CopyFixture(const char* name)
    {
        QFile file(QStringLiteral(MERESTONE_SOURCE_DIR "/tests/docs/fixtures/") + QLatin1String(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return Write(name, file.readAll().toStdString());
    }

    void ImportThroughPanel(const std::vector<std::string>& paths)
    {
        std::string answer;
        for (const std::string& p : paths) answer += (answer.empty() ? "" : "\n") + p;
        answers.push_back(answer);
        ChooseMenuItem(kFileMenu, kImportItem);
    }

    // The text and explanation of the alert on show, which is then closed.
    static std::pair<std::string, std::string> TakeAlert()
    {
        QMessageBox* box = SheetAlert();
        if (!box) return {};
        std::pair<std::string, std::string> text{box->text().toStdString(), box->informativeText().toStdString()};
        box->close();
        ProcessEvents();
        return text;
    }

    static std::string TooManyModels()
    {
        std::string csv(kCsvHeaderLine);
        for (int r = 0; r <= kMaxModels; ++r) csv += kLine1;
        return csv;
    }
};

TEST_F(Import, SeveralFilesOfEveryKindMakeOneSheetInTheOrderChosen)
{
    const std::string csv
        = Write("more.csv", "\xEF\xBB\xBF" + std::string(kCsvHeaderLine) + "R\xC3\xA9v,Woofer,1,\r\n");
    ImportThroughPanel({CopyFixture("halden_hw170.wdr"), Write("broken.xml", "<speakers><speaker"),
                        CopyFixture("speakers.xml"), csv, Path("gone.wdr")});
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    ASSERT_EQ(fNum, 5);
    EXPECT_EQ(Row(1).name, Str255("Halden Audio HW-170 R\x8Ev\x8Elator"));
    EXPECT_EQ(Row(2).name, Str255("Halden Audio HW-170"));
    EXPECT_EQ(Row(4).name, Str255("Kestrel T25 Soie"));
    EXPECT_EQ(Row(5).name, Str255("R\x8Ev"));
    EXPECT_EQ(Row(5).entryNo, 5);
    EXPECT_EQ(fileName1, Str255("halden_hw170.spdata"));
    EXPECT_EQ(FileOpenFlag, 0);
    EXPECT_EQ(DirtyFlag, 1);
    const auto [message, explanation] = TakeAlert();
    EXPECT_EQ(message, "2 files could not be read.");
    EXPECT_EQ(explanation.substr(0, 30), "broken.xml: broken XML at line");
    EXPECT_NE(explanation.find("\ngone.wdr: No such file or directory\n\n5 models were imported."), std::string::npos)
        << explanation;
}

TEST_F(Import, WhenNothingCanBeReadNoSheetOpens)
{
    ImportThroughPanel({Write("<b>a.wdr", "Manufacturer,Model\r"), Write("b.xml", "<html/>")});
    for (QLabel* label : SheetAlert()->findChildren<QLabel*>())
        EXPECT_TRUE(label->text().isEmpty() || label->textFormat() == Qt::PlainText) << label->text().toStdString();
    EXPECT_FALSE(WindowExists(kMainWnd));
    EXPECT_EQ(FileErrFlag, 0); // the "Manufacturer" rule is for CSV and TXT only
    EXPECT_EQ(fNum, 0);
    const auto [message, explanation] = TakeAlert();
    EXPECT_EQ(message, "2 files could not be read.");
    EXPECT_EQ(explanation, "<b>a.wdr: no [Driver] section\nb.xml: not a driver database\n\nNo models were imported.");
    EXPECT_TRUE(MenuItemIsEnabled(kFileMenu, kImportItem));
    ImportThroughPanel({}); // Cancel
    EXPECT_FALSE(WindowExists(kMainWnd));
    ImportThroughPanel({CopyFixture("speakers.xml")}); // the next import tells only of itself
    EXPECT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(SheetAlert(), nullptr);
}

TEST_F(Import, ADriverFileOpensFromTheDesktopAsAnImport)
{
    HandleOpenDoc({CopyFixture("kestrel_t25.wdr")});
    WaitForOpenTimer();
    ASSERT_TRUE(WindowIsVisible(kMainWnd));
    EXPECT_EQ(fNum, 1);
    EXPECT_EQ(Row(1).Param(kColFs), 1100.0f);
    EXPECT_EQ(fileName1, Str255("kestrel_t25.spdata"));
    EXPECT_EQ(FileOpenFlag, 0);
    EXPECT_EQ(DirtyFlag, 1);
    EXPECT_EQ(SheetAlert(), nullptr);
}

// However a file comes in, the user hears in the same words that it held
// more models than a sheet can take.
TEST_F(Import, EveryWayInTellsWhenAFileHeldTooManyModels)
{
    const std::string csv = Write("huge.csv", TooManyModels());
    const std::string doc = Write("huge.spdata", TooManyModels());
    const std::function<void()> ways[] = {
        [&] { ImportThroughPanel({csv}); },
        [&] {
            HandleOpenDoc({csv});
            WaitForOpenTimer();
        },
        [&] {
            HandleOpenDoc({doc});
            WaitForOpenTimer();
        },
        [&] { OpenThroughPanel(doc); },
    };
    for (const auto& way : ways) {
        way();
        EXPECT_EQ(fNum, kMaxModels);
        EXPECT_EQ(TakeAlert(),
                  std::make_pair(std::string(kTooManyModels.message), std::string(kTooManyModels.explanation)));
        DirtyFlag = 0;
        ChooseMenuItem(kFileMenu, kCloseItem);
        ASSERT_FALSE(WindowExists(kMainWnd));
    }
    // A full sheet exported and imported again comes back whole, silently.
    ImportThroughPanel({Write("full.csv", TooManyModels().substr(0, TooManyModels().size() - kLine1.size()))});
    EXPECT_EQ(fNum, kMaxModels);
    EXPECT_EQ(SheetAlert(), nullptr);
}

} // namespace
