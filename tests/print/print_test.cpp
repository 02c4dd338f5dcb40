// Printing: Page Setup and Print from the File menu, the pages they put on paper (printed to PDF and read back with
// poppler's tools), and merestone --print-pdf from the command line.
#include "docs/sheet_format.h"
#include "platform/menus.h"
#include "print/print.h"
#include "print/print_globals.h"
#include "support/app_fixture.h"
#include "support/drive.h"

#include <QImage>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

// What a poppler tool writes to standard output.
QByteArray Poppler(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.start(tool, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return p.readAllStandardOutput();
}

// The text of each page, its layout kept.
std::vector<std::string> PdfPages(const QString& pdf)
{
    std::vector<std::string> pages;
    std::string text = Poppler("pdftotext", {"-layout", pdf, "-"}).toStdString();
    for (std::size_t at; (at = text.find('\f')) != std::string::npos; text.erase(0, at + 1))
        pages.push_back(text.substr(0, at));
    return pages;
}

// Page `page` at `dpi` pixels an inch (144: two a point), or a part of it.
QImage Render(const QString& pdf, int page, int dpi = 144, const QRect& part = {})
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("page"), n = QString::number(page);
    QStringList args{"-png", "-singlefile", "-r", QString::number(dpi), "-f", n, "-l", n};
    if (!part.isNull())
        for (const auto& [option, value] :
             {std::pair{"-x", part.x()}, {"-y", part.y()}, {"-W", part.width()}, {"-H", part.height()}})
            args << option << QString::number(value);
    Poppler("pdftoppm", args << pdf << prefix);
    return QImage(prefix + ".png").convertToFormat(QImage::Format_RGB32);
}

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 160;
}

// A rule thinner than a pixel greys the pixels it crosses.
bool RuleNear(const QImage& image, int x, int y, bool across)
{
    for (int d = -1; d <= 1; ++d)
        if (qGray(image.pixel(across ? x : x + d, across ? y + d : y)) < 200) return true;
    return false;
}

// Where the dark pixels of row `at`, or of column `at` when `down`, start and end, scanning in from the edges.
std::pair<int, int> DarkSpan(const QImage& image, int at, bool down = false)
{
    const auto dark = [&](int k) { return down ? Dark(image, at, k) : Dark(image, k, at); };
    int first = 0, last = (down ? image.height() : image.width()) - 1;
    while (first < last && !dark(first)) ++first;
    while (last > first && !dark(last)) --last;
    return {first, last};
}

// How many pixels of a one-pixel-wide or one-pixel-high image are dark.
int Ink(const QImage& strip)
{
    int n = 0;
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x) n += Dark(strip, x, y);
    return n;
}

// The text extracted from a PDF keeps words apart by one blank or more.
bool Has(std::string text, std::string part)
{
    for (std::string* s : {&text, &part})
        s->erase(std::unique(s->begin(), s->end(), [](char a, char b) { return a == ' ' && b == ' '; }), s->end());
    return text.find(part) != std::string::npos;
}

class PrintTest : public AppTest, public Drive {
protected:
    // Models named M1, M2 ... with an Fs of their row number.
    static void OpenTableOf(int models)
    {
        OpenSheetOf(models);
        for (int r = 1; r <= models; ++r) Row(r).Param(kColFs) = float(r);
    }
    // A File menu item, with the answer to the dialog it brings up.
    void Choose(int item, const std::string& answer)
    {
        answers.push_back(answer);
        ChooseMenuItem(kFileMenu, item);
        ProcessEvents();
    }
    // File > Print with the given answer to the Print sheet.
    QString PrintWith(const std::string& pages)
    {
        const QString pdf = dir.filePath("out.pdf");
        QFile::remove(pdf);
        Choose(kPrintItem, pages.empty() ? std::string() : pages + " " + pdf.toStdString());
        return pdf;
    }
    QTemporaryDir dir;
};

TEST_F(PrintTest, PrintPutsFortyModelsOnAPageAndNumbersAgainstTheLastPagePrinted)
{
    OpenTableOf(100); // three pages
    std::vector<std::string> pages = PdfPages(PrintWith("2-99"));
    ASSERT_EQ(dialogs.back().kind, DialogRequest::Print);
    EXPECT_EQ(std::tuple(dialogs.back().message, dialogs.back().choices), // the job's name, the pages offered
              std::tuple("untitled", std::vector<std::string>{"3"}));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Thiele/Small Parameters Table of ''untitled''") && Has(pages[0], "Page :  2/ 3"));
    EXPECT_TRUE(Has(pages[0], "M41 ") && Has(pages[0], "M80 ") && !Has(pages[0], "M81 ") && !Has(pages[0], "M40 "));
    EXPECT_TRUE(Has(pages[1], "Page :  3/ 3") && Has(pages[1], "M81 ") && Has(pages[1], "M100") && Has(pages[1], "Fs"));
    // Each number with its blank, in Geneva 13; the title in Helvetica Bold 17.
    EXPECT_TRUE(Drew("Page :  2/ 3", 5, 13) && Drew("Page :  3/ 3", 5, 13));
    EXPECT_TRUE(Drew("Thiele/Small Parameters Table of ''untitled''", 8, 17));
    for (const DrawnText& t : LastDrawnTexts()) { // both 10 points above the table, the counter 848 points in
        const bool top = t.text.starts_with("Page") || t.text.starts_with("Thiele");
        EXPECT_TRUE(!top || std::pair(t.x, t.y) == std::pair(t.text[0] == 'P' ? 902.0 : 54.0, 22.0)) << t.text;
    }
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    EXPECT_EQ((std::tuple{QFile::exists(PrintWith("")), MenuIsEnabled(kFileMenu)}), std::tuple(false, true)); // Cancel
    Select(kColName, 3); // the name of M3, typed and not yet stored, is printed too
    SheetField()->selectAll();
    QTest::keyClicks(SheetField(), "Typed 3");
    Row(2).name = Str255("Lautsprecher \xAF"); // Mac OS Roman: O with a stroke
    pages = PdfPages(PrintWith("1-2"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Page :  1/ 2") && Has(pages[1], "Page :  2/ 2"));
    EXPECT_TRUE(Has(pages[0], "M1 ") && Has(pages[0], "M40 "));
    EXPECT_TRUE(Has(pages[0], "Lautsprecher \xC3\x98") && Has(pages[0], "Typed 3"));
    EXPECT_FALSE(QFile::exists(PrintWith("5-9"))); // pages past the last print nothing, and that is no error
    EXPECT_EQ(WindowWidget(kMainWnd)->findChild<QWidget*>("SheetAlert"), nullptr);
}

TEST_F(PrintTest, EdgesOfThePagination)
{
    struct Case {
        std::size_t models, pages;
        std::string firstOnLastPage, lastOnLastPage, notOnLastPage; // "" is on every page
    };
    for (const Case& c : {Case{0, 1, "", "", "M1 "}, Case{40, 1, "M1 ", "M40 ", "M41"}, Case{41, 2, "M41 ", "", "M40 "},
                          Case{500, 13, "M481 ", "M500", "M480 "}}) {
        SCOPED_TRACE(c.models);
        OpenTableOf(c.models);
        const std::vector<std::string> pages = PdfPages(PrintWith("1-" + std::to_string(c.pages)));
        ASSERT_EQ(pages.size(), c.pages);
        const std::string n = std::to_string(c.pages);
        for (const std::string& part :
             {"Page :  " + n + "/ " + n, std::string("Model Name"), c.firstOnLastPage, c.lastOnLastPage})
            EXPECT_TRUE(Has(pages.back(), part)) << part;
        EXPECT_FALSE(Has(pages.back(), c.notOnLastPage));
    }
}

TEST_F(PrintTest, WithoutASheetPrintAndPageSetupOnlyBeep)
{
    // The menu offers neither then; a stray call must still do no harm.
    for (void (*sequence)() : {PrintSequence, PageSetupSequence})
        EXPECT_EQ((std::tuple{Beeps(sequence), MenuIsEnabled(kFileMenu)}), std::tuple(1, true));
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(PrintTest, PageSetupScaleEntersOnce)
{
    OpenTableOf(5);
    auto frameWidth = [this] {
        const QImage page = Render(PrintWith("1-1"), 1);
        const auto [left, right] = DarkSpan(page, page.height() / 4); // inside the table at either scale
        return double(right - left);
    };
    const double full = frameWidth(); // the second print on one printer draws its frame too
    Choose(kPageSetupItem, "50");
    EXPECT_EQ(std::tuple(GPrintScale, MenuIsEnabled(kFileMenu)), std::tuple(50.0, true));
    EXPECT_NEAR(frameWidth() / full, 0.5, 0.02);
    Choose(kPageSetupItem, ""); // Cancel keeps the scale; emptying the table brings it back to 100
    EXPECT_EQ(GPrintScale, 50.0);
    Choose(kCloseItem, "Don't Save");
    EXPECT_EQ(GPrintScale, 100.0);
}

TEST_F(PrintTest, NoPrinterIsAnErrorNeverAPrintout)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has printers";
    OpenTableOf(3);
    Choose(kPrintItem, "1-1"); // a printer, not a file: there is none
    EXPECT_EQ(std::tuple(MenuIsEnabled(kFileMenu), ShownAlert() ? ShownAlert()->text() : QString()),
              std::tuple(true, QString("Error code -30872")));
}

// The dialogs themselves: sheets on the main window, one copy, menus back.
TEST_F(PrintTest, TheDialogsAreSheetsOnTheMainWindow)
{
    OpenTableOf(41);
    SetDialogAnswerer({});
    ChooseMenuItem(kFileMenu, kPrintItem);
    ProcessEvents();
    auto* print = WindowWidget(kMainWnd)->findChild<QPrintDialog*>();
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(std::tuple(print->windowModality(), MenuIsEnabled(kFileMenu), print->printer()->docName(),
                         print->printer()->pageLayout().orientation(), print->maxPage()),
              std::tuple(Qt::WindowModal, false, QString("untitled"), QPageLayout::Landscape, 2));
    auto* copies = print->findChild<QSpinBox*>("copies");
    EXPECT_TRUE(copies == nullptr || !copies->isEnabled());
    print->reject();
    ProcessEvents();
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));

    GPrintScale = 80;
    ChooseMenuItem(kFileMenu, kPageSetupItem);
    ProcessEvents();
    auto* setup = WindowWidget(kMainWnd)->findChild<QPageSetupDialog*>();
    ASSERT_NE(setup, nullptr);
    auto* scale = setup->findChild<QSpinBox*>("PrintScale");
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(std::tuple(setup->windowModality(), scale->value()), std::tuple(Qt::WindowModal, 80));
    scale->setValue(120);
    setup->accept();
    ProcessEvents();
    EXPECT_EQ(std::tuple(GPrintScale, MenuIsEnabled(kFileMenu)), std::tuple(120.0, true));
}

// merestone --print-pdf: the same pages without a window.
class PrintPdfCommand : public ::testing::Test, public Drive {
protected:
    int Run(const QStringList& args, std::string* errors = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"}) env.remove(name);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MERESTONE_BINARY), QStringList{"--print-pdf"} + args);
        EXPECT_TRUE(p.waitForFinished(60000)) << p.errorString().toStdString();
        if (errors) *errors = p.readAllStandardError().toStdString();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    QString Write(const QString& name, const std::string& bytes)
    {
        return WriteFile(dir.filePath(name), QByteArray::fromStdString(bytes));
    }
    // A document of `models` models named Driver 1, Driver 2 ...
    QString Document(const QString& name, int models)
    {
        for (int r = 1; r <= models; ++r) {
            Row(r).name = Str255("Driver " + std::to_string(r));
            Row(r).entryNo = std::int16_t(r);
            Row(r).Param(kColFs) = 20.5f;
        }
        fNum = std::int16_t(models);
        return Write(name, SheetFileBytes());
    }
    QTemporaryDir dir;
};

TEST_F(PrintPdfCommand, WritesEveryPageAtTheScaleThatFitsTheTable)
{
    const QString in = Document("Woofers.spdata", 41);
    const QString out = dir.filePath("woofers.pdf");
    ASSERT_EQ(Run({out, in}), 0);
    const std::vector<std::string> pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Thiele/Small Parameters Table of ''Woofers''") && Has(pages[0], "Page :  1/ 2"));
    EXPECT_TRUE(Has(pages[1], "Page :  2/ 2") && Has(pages[1], "Driver 41") && Has(pages[1], "20.5"));

    // A4 landscape, a quarter inch all round, at 78 %: the frame from 18 + 54 * 0.78 to 18 + 978 * 0.78 points across,
    // 18 + 32 * 0.78 to 18 + 704 * 0.78 down; at two pixels a point.
    const QImage page = Render(out, 2);
    ASSERT_EQ(page.size(), QSize(1684, 1190));
    auto px = [](double points) { return int(2 * (18 + points * 0.78)); };
    const auto [left, right] = DarkSpan(page, px(32 + 40 * 16 / 2 + 8));
    const int across = px(54 + 650); // clear of the title and of the column rules
    const auto [top, bottom] = DarkSpan(page, across, true);
    for (auto [got, want] : {std::pair{left, px(54)}, {right, px(54 + 924)}, {top, px(32)}, {bottom, px(32 + 672)}})
        EXPECT_NEAR(got, want, 1) << want;
    // The rules: the header's and rows' across, the number column's, the
    // name column's and the last column's down; between two rules, white.
    for (int y : {px(32 + 32), px(32 + 48), px(32 + 656)}) EXPECT_TRUE(RuleNear(page, across, y, true)) << y;
    EXPECT_FALSE(RuleNear(page, across, px(32 + 664), true));
    for (int x : {px(54 + 28), px(54 + 140), px(54 + 868)}) EXPECT_TRUE(RuleNear(page, x, px(32 + 600), false)) << x;
    EXPECT_FALSE(RuleNear(page, px(54 + 90), px(32 + 600), false));
    // Close up at 600 pixels an inch, 6.5 a point of the table: the frame is a point wide, the rules half a point, a
    // row's rule meets the frame, and no rule crosses the titles.
    auto zoom = [](double points) { return int((18 + points * 0.78) * 600 / 72); };
    auto inkAcross = [&](double x0, double x1, double y) {
        return Ink(Render(out, 1, 600, QRect(zoom(x0), zoom(y), zoom(x1) - zoom(x0), 1)));
    };
    EXPECT_NEAR(inkAcross(54 - 2, 54 + 2, 32 + 600), 6.5, 1.5);      // the frame
    EXPECT_NEAR(inkAcross(54 + 138, 54 + 142, 32 + 600), 3.25, 1.5); // the name column's rule
    EXPECT_NEAR(Ink(Render(out, 1, 600, QRect(zoom(54 + 697), zoom(32 + 40), 1, zoom(32 + 56) - zoom(32 + 40)))), 3.25,
                1.5); // a row's rule, down a column's edge clear of its title
    EXPECT_TRUE(RuleNear(Render(out, 1, 600, QRect(zoom(54 + 0.75), zoom(32 + 48) - 2, 1, 5)), 0, 2, true));
    EXPECT_FALSE(RuleNear(page, px(54 + 697), px(32 + 16), true));
    ASSERT_EQ(Run({out, in, "--page-size", "Letter"}), 0); // the letter size comes out on Letter paper
    EXPECT_EQ(Render(out, 1).size(), QSize(1584, 1224));
}

// A CSV export comes in as an import does, its header taking no row, and stationery prints under its own name; what the
// program would not open is not printed.
TEST_F(PrintPdfCommand, ItPrintsWhatTheProgramOpensAndNothingElse)
{
    Document("unused.spdata", 40);
    const QString out = dir.filePath("out.pdf");
    ASSERT_EQ(Run({out, Write("Tweeters.csv", CsvExportBytes())}), 0);
    std::vector<std::string> pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Table of ''Tweeters''") && Has(pages[0], "Driver 40"));
    ASSERT_EQ(Run({out, Document("Template.spdatasta", 2)}), 0);
    pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Table of ''Template''")) << pages[0];
    QFile::remove(out); // a file that cannot be read or written leaves nothing
    const QString in = Document("a.spdata", 3);
    std::string errors;
    EXPECT_EQ(Run({dir.filePath("no/such/folder/out.pdf"), in}, &errors), 1);
    EXPECT_TRUE(Has(errors, "out.pdf")) << errors;
    for (const QString& refused : {dir.filePath("missing.spdata"), Write("notes.foo", "A,W,1\r"),
                                   Write("list.csv", "Manufacturer,Model\r"), Write("driver.wdr", "no section\n")}) {
        EXPECT_EQ(Run({out, refused}, &errors), 1) << refused.toStdString();
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
        EXPECT_TRUE(Has(errors, QFileInfo(refused).fileName().toStdString())) << errors;
        EXPECT_FALSE(QFile::exists(out));
    }
    const QString locked = dir.filePath("locked");
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() != 0) {
        EXPECT_NE(Run({locked + "/out.pdf", in}), 0);
        EXPECT_TRUE(QDir(locked).isEmpty());
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
