// Printing: Page Setup and Print from the File menu, the pages they put on
// paper (printed to PDF and read back with poppler's tools), and
// merestone --print-pdf from the command line.
#include "app/ids.h"
#include "docs/sheet_format.h"
#include "platform/controls.h"
#include "platform/menus.h"
#include "platform/services.h"
#include "platform/test_access.h"
#include "print/print.h"
#include "print/print_globals.h"
#include "sheet/draw_sheet.h"
#include "sheet/model_table.h"
#include "sheet/sheet_globals.h"
#include "support/app_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>
#include <unistd.h>
#include <vector>

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
    std::string text
        = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}).toStdString();
    for (std::size_t at; (at = text.find('\f')) != std::string::npos; text.erase(0, at + 1))
        pages.push_back(text.substr(0, at));
    return pages;
}

// Page `page` at `dpi` pixels an inch (144: two a point), or a part of it.
QImage Render(const QString& pdf, int page, int dpi = 144, const QRect& part = {})
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page")), n = QString::number(page);
    QStringList args{QStringLiteral("-png"), QStringLiteral("-singlefile"),
                     QStringLiteral("-r"),   QString::number(dpi),
                     QStringLiteral("-f"),   n,
                     QStringLiteral("-l"),   n};
    if (!part.isNull())
        for (const auto& [option, value] :
             {std::pair{"-x", part.x()}, {"-y", part.y()}, {"-W", part.width()}, {"-H", part.height()}})
            args << QLatin1String(option) << QString::number(value);
    Poppler(QStringLiteral("pdftoppm"), args << pdf << prefix);
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
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

// Where the dark pixels of a row start and end, scanning in from the edges.
std::pair<int, int> DarkSpan(const QImage& image, int y)
{
    int left = 0, right = image.width() - 1;
    while (left < right && !Dark(image, left, y)) ++left;
    while (right > left && !Dark(image, right, y)) --right;
    return {left, right};
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
std::string Squeezed(std::string text)
{
    text.erase(std::unique(text.begin(), text.end(), [](char a, char b) { return a == ' ' && b == ' '; }), text.end());
    return text;
}

bool Has(const std::string& text, const std::string& part)
{
    return Squeezed(text).find(Squeezed(part)) != std::string::npos;
}

bool Drew(const std::string& text)
{
    const std::vector<DrawnText> drawn = LastDrawnTexts();
    return std::any_of(drawn.begin(), drawn.end(), [&](const DrawnText& t) { return t.text == text; });
}

class PrintTest : public AppTest {
protected:
    // Models named M1, M2 ... with an Fs of their row number.
    void OpenTableOf(int models)
    {
        OpenSheetOf(models);
        Fill(models);
    }

    static void Fill(int models)
    {
        for (int r = 1; r <= models; ++r) {
            Row(r).name = Str255("M" + std::to_string(r));
            Row(r).Param(kColFs) = float(r);
        }
        fNum = std::int16_t(models);
    }

    // File > Print with the given answer to the Print sheet.
    QString PrintWith(const std::string& pages)
    {
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        answers.push_back(pages.empty() ? std::string() : pages + " " + pdf.toStdString());
        ChooseMenuItem(kFileMenu, kPrintItem);
        ProcessEvents();
        return pdf;
    }

    QTemporaryDir dir;
};

TEST_F(PrintTest, PrintPutsFortyModelsOnAPageAndNumbersAgainstTheLastPagePrinted)
{
    OpenTableOf(100); // three pages
    const QString pdf = PrintWith("2-99");
    ASSERT_EQ(dialogs.back().kind, DialogRequest::Print);
    EXPECT_EQ(dialogs.back().message, "untitled");                    // the job's name
    EXPECT_EQ(dialogs.back().choices, std::vector<std::string>{"3"}); // pages offered
    std::vector<std::string> pages = PdfPages(pdf);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Thiele/Small Parameters Table of ''untitled''"));
    EXPECT_TRUE(Has(pages[0], "Page :  2/ 3"));
    EXPECT_TRUE(Has(pages[0], "M41 ") && Has(pages[0], "M80 ") && !Has(pages[0], "M81 ") && !Has(pages[0], "M40 "));
    EXPECT_TRUE(Has(pages[1], "Page :  3/ 3"));
    EXPECT_TRUE(Drew("Page :  2/ 3") && Drew("Page :  3/ 3")); // each number with its blank
    EXPECT_TRUE(Has(pages[1], "M81 ") && Has(pages[1], "M100"));
    EXPECT_TRUE(Has(pages[1], "Model Name") && Has(pages[1], "Fs"));
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));

    pages = PdfPages(PrintWith("1-2"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Page :  1/ 2") && Has(pages[1], "Page :  2/ 2"));
    EXPECT_TRUE(Has(pages[0], "M1 ") && Has(pages[0], "M40 "));
    // Pages past the last print nothing, and that is no error.
    EXPECT_FALSE(QFile::exists(PrintWith("5-9")));
    EXPECT_EQ(WindowWidget(kMainWnd)->findChild<QWidget*>(QStringLiteral("SheetAlert")), nullptr);
}

TEST_F(PrintTest, EdgesOfThePagination)
{
    struct Case {
        int models;
        std::size_t pages;
        std::string lastOnLastPage, notOnLastPage;
    };
    OpenSheetOf(0);
    for (const Case& c : {Case{0, 1, "", "M1 "}, Case{40, 1, "M40 ", "M41"}, Case{41, 2, "M41 ", "M40 "},
                          Case{500, 13, "M500", "M480 "}}) {
        SCOPED_TRACE(c.models);
        Fill(c.models);
        const std::vector<std::string> pages = PdfPages(PrintWith("1-" + std::to_string(c.pages)));
        ASSERT_EQ(pages.size(), c.pages);
        const std::string& last = pages.back();
        const std::string n = std::to_string(c.pages);
        EXPECT_TRUE(Has(last, "Page :  " + n + "/ " + n));
        EXPECT_TRUE(Has(last, "Model Name"));
        EXPECT_TRUE(c.lastOnLastPage.empty() || Has(last, c.lastOnLastPage));
        EXPECT_FALSE(Has(last, c.notOnLastPage));
        EXPECT_TRUE(c.models != 500 || Has(last, "M481 "));
    }
}

TEST_F(PrintTest, WithoutASheetPrintAndPageSetupOnlyBeep)
{
    // The menu offers neither then; a stray call must still do no harm.
    for (void (*sequence)() : {PrintSequence, PageSetupSequence}) {
        const int before = SysBeepCount();
        sequence();
        EXPECT_EQ(SysBeepCount(), before + 1);
        EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    }
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(PrintTest, TypedTextIsPrintedAndCancelPrintsNothing)
{
    OpenTableOf(3);
    EXPECT_FALSE(QFile::exists(PrintWith("")));
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    cellH = kColName; // the name of M3, typed and not yet stored
    cellV = 3;
    DrawSheet();
    auto* field = qobject_cast<QLineEdit*>(ControlWidget(kMainWnd, kEditFieldCtl));
    ASSERT_NE(field, nullptr);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("Typed 3"));
    Row(2).name = Str255("Lautsprecher \xAF"); // Mac OS Roman: O with a stroke
    const std::vector<std::string> pages = PdfPages(PrintWith("1-1"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Lautsprecher \xC3\x98"));
    EXPECT_TRUE(Has(pages[0], "Typed 3"));
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
    answers.push_back("50");
    ChooseMenuItem(kFileMenu, kPageSetupItem);
    ProcessEvents();
    EXPECT_EQ(GPrintScale, 50.0);
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    EXPECT_NEAR(frameWidth() / full, 0.5, 0.02);
    // Cancel keeps the scale; emptying the table brings it back to 100.
    answers.push_back("");
    ChooseMenuItem(kFileMenu, kPageSetupItem);
    EXPECT_EQ(GPrintScale, 50.0);
    answers.push_back("Don't Save");
    ChooseMenuItem(kFileMenu, kCloseItem);
    ProcessEvents();
    EXPECT_EQ(GPrintScale, 100.0);
}

TEST_F(PrintTest, NoPrinterIsAnErrorNeverAPrintout)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "this machine has printers";
    OpenTableOf(3);
    answers.push_back("1-1"); // a printer, not a file: there is none
    ChooseMenuItem(kFileMenu, kPrintItem);
    ProcessEvents();
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
    auto* alert = WindowWidget(kMainWnd)->findChild<QWidget*>(QStringLiteral("SheetAlert"));
    ASSERT_NE(alert, nullptr);
    EXPECT_TRUE(alert->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text()
                == QStringLiteral("Error code -30872"));
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
    EXPECT_EQ(print->windowModality(), Qt::WindowModal);
    EXPECT_FALSE(MenuIsEnabled(kFileMenu));
    EXPECT_EQ(print->printer()->docName(), QStringLiteral("untitled"));
    EXPECT_EQ(print->printer()->pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(print->maxPage(), 2);
    auto* copies = print->findChild<QSpinBox*>(QStringLiteral("copies"));
    EXPECT_TRUE(copies == nullptr || !copies->isEnabled());
    print->reject();
    ProcessEvents();
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));

    GPrintScale = 80;
    ChooseMenuItem(kFileMenu, kPageSetupItem);
    ProcessEvents();
    auto* setup = WindowWidget(kMainWnd)->findChild<QPageSetupDialog*>();
    ASSERT_NE(setup, nullptr);
    EXPECT_EQ(setup->windowModality(), Qt::WindowModal);
    auto* scale = setup->findChild<QSpinBox*>(QStringLiteral("PrintScale"));
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->value(), 80);
    scale->setValue(120);
    setup->accept();
    ProcessEvents();
    EXPECT_EQ(GPrintScale, 120.0);
    EXPECT_TRUE(MenuIsEnabled(kFileMenu));
}

// merestone --print-pdf: the same pages without a window.
class PrintPdfCommand : public ::testing::Test {
protected:
    int Run(const QStringList& args, std::string* errors = nullptr)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(MERESTONE_BINARY), QStringList{QStringLiteral("--print-pdf")} + args);
        EXPECT_TRUE(p.waitForFinished(60000)) << p.errorString().toStdString();
        if (errors) *errors = p.readAllStandardError().toStdString();
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    QString Write(const QString& name, const std::string& bytes)
    {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), qint64(bytes.size()));
        return f.fileName();
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
    const QString in = Document(QStringLiteral("Woofers.spdata"), 41);
    const QString out = dir.filePath(QStringLiteral("woofers.pdf"));
    ASSERT_EQ(Run({out, in}), 0);
    const std::vector<std::string> pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(Has(pages[0], "Thiele/Small Parameters Table of ''Woofers''"));
    EXPECT_TRUE(Has(pages[0], "Page :  1/ 2") && Has(pages[1], "Page :  2/ 2"));
    EXPECT_TRUE(Has(pages[1], "Driver 41") && Has(pages[1], "20.5"));

    // A4 landscape, a quarter inch all round, at 78 %: the frame from
    // 18 + 54 * 0.78 to 18 + 978 * 0.78 points across, 18 + 32 * 0.78 to
    // 18 + 704 * 0.78 down; at two pixels a point.
    const QImage page = Render(out, 2);
    ASSERT_EQ(page.size(), QSize(1684, 1190));
    auto px = [](double points) { return int(2 * (18 + points * 0.78)); };
    const auto [left, right] = DarkSpan(page, px(32 + 40 * 16 / 2 + 8));
    EXPECT_NEAR(left, px(54), 1);
    EXPECT_NEAR(right, px(54 + 924), 1);
    const int across = px(54 + 650); // clear of the title and of the column rules
    int top = 0;
    while (top < page.height() && !Dark(page, across, top)) ++top;
    EXPECT_NEAR(top, px(32), 1);
    int bottom = page.height() - 1;
    while (bottom > 0 && !Dark(page, across, bottom)) --bottom;
    EXPECT_NEAR(bottom, px(32 + 672), 1);
    // The rules: the header's and rows' across, the number column's, the
    // name column's and the last column's down; between two rules, white.
    for (const int y : {px(32 + 32), px(32 + 48), px(32 + 656)}) EXPECT_TRUE(RuleNear(page, across, y, true)) << y;
    EXPECT_FALSE(RuleNear(page, across, px(32 + 664), true));
    for (const int x : {px(54 + 28), px(54 + 140), px(54 + 868)})
        EXPECT_TRUE(RuleNear(page, x, px(32 + 600), false)) << x;
    EXPECT_FALSE(RuleNear(page, px(54 + 90), px(32 + 600), false));
    // Close up at 600 pixels an inch, 6.5 a point of the table: the frame is
    // a point wide, the rules half a point, a row's rule meets the frame, and
    // no rule crosses the titles.
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
    // The letter size comes out on Letter paper.
    ASSERT_EQ(Run({out, in, QStringLiteral("--page-size"), QStringLiteral("Letter")}), 0);
    EXPECT_EQ(Render(out, 1).size(), QSize(1584, 1224));
}

// A CSV export comes in as an import does, its header taking no row, and
// stationery prints under its own name.
TEST_F(PrintPdfCommand, ImportsAndStationeryPrintAsTheyOpen)
{
    Document(QStringLiteral("unused.spdata"), 40);
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    ASSERT_EQ(Run({out, Write(QStringLiteral("Tweeters.csv"), CsvExportBytes())}), 0);
    std::vector<std::string> pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Table of ''Tweeters''") && Has(pages[0], "Driver 40"));
    ASSERT_EQ(Run({out, Document(QStringLiteral("Template.spdatasta"), 2)}), 0);
    pages = PdfPages(out);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Table of ''Template''")) << pages[0];
}

TEST_F(PrintPdfCommand, AFileThatCannotBeReadOrWrittenLeavesNothing)
{
    const QString in = Document(QStringLiteral("a.spdata"), 3);
    const QString out = dir.filePath(QStringLiteral("out.pdf"));
    std::string errors;
    EXPECT_EQ(Run({out, dir.filePath(QStringLiteral("missing.spdata"))}, &errors), 1);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_TRUE(Has(errors, "missing.spdata")) << errors;
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(Run({dir.filePath(QStringLiteral("no/such/folder/out.pdf")), in}, &errors), 1);
    EXPECT_TRUE(Has(errors, "out.pdf")) << errors;
    // What the program would not open is not printed either.
    for (const QString& refused :
         {Write(QStringLiteral("notes.foo"), "A,W,1\r"), Write(QStringLiteral("list.csv"), "Manufacturer,Model\r"),
          Write(QStringLiteral("driver.wdr"), "no section\n")}) {
        EXPECT_EQ(Run({out, refused}, &errors), 1) << refused.toStdString();
        EXPECT_TRUE(Has(errors, QFileInfo(refused).fileName().toStdString())) << errors;
        EXPECT_FALSE(QFile::exists(out));
    }
    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() != 0) {
        EXPECT_NE(Run({dir.filePath(QStringLiteral("locked/out.pdf")), in}), 0);
        EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("locked"))).isEmpty());
    }
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
