#include "app/command_line.h"

#include <gtest/gtest.h>
#include <regex>
#include <tuple>

using Action = CommandLine::Action;

TEST(CommandLine, ActionsFilesAndQtOptions)
{
    using enum Action; // ahead of the fixture's own Run
    struct Case {
        std::vector<std::string> argv;
        Action action;
        std::vector<std::string> files = {};
        std::string pdfOut = {}, pdfIn = {}, pageSize = "A4";
    };
    const Case cases[] = {
        {{}, Run},
        {{"b.spdata", "", "/tmp/a.csv", "-"}, Run, {"b.spdata", "/tmp/a.csv"}},
        // Help and version win wherever they stand, even after a mistake.
        {{"a.spdata", "--bogus", "-h"}, Help},
        {{"--print-pdf", "--help"}, Help},
        {{"a.spdata", "--version", "--help"}, Version},
        // Qt's options stay Qt's, and the value after one is not a file.
        {{"-platform", "offscreen", "a.spdata", "-style=fusion", "b.csv"}, Run, {"a.spdata", "b.csv"}},
        {{"--style", "c", "d.wdr", "-reverse", "--reverse", "x.txt"}, Run, {"d.wdr", "x.txt"}},
        {{"-qwindowgeometry", "10x10", "-widgetcount", "-unknown", "y.txt", "-display"}, Run, {"y.txt"}},
        {{"--print-pdf", "out.pdf", "in.spdata"}, PrintPdf, {}, "out.pdf", "in.spdata"},
        // The two arguments after --print-pdf are taken as they are.
        {{"--page-size", "letter", "--print-pdf", "-o", "--page-size"}, PrintPdf, {}, "-o", "--page-size", "Letter"},
        {{"--print-pdf", "o.pdf", "i", "--page-size=LETTER"}, PrintPdf, {}, "o.pdf", "i", "Letter"},
        {{"--print-pdf", "o.pdf", "i", "--page-size", "Letter", "--page-size", "a4"}, PrintPdf, {}, "o.pdf", "i", "A4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.argv));
        const CommandLine cl = ParseCommandLine(c.argv);
        EXPECT_EQ(std::tie(cl.action, cl.args, cl.pdfOut, cl.pdfIn, cl.pageSize, cl.error),
                  std::tuple(c.action, c.files, c.pdfOut, c.pdfIn, c.pageSize, std::string()));
    }
}

TEST(CommandLine, MistakesEndInOneLineThatPointsAtHelp)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"a.spdata", "--x"}, "unknown option --x"},
        {{"--platformx", "a"}, "unknown option --platformx"},
        {{"--print-pdf", "out.pdf"}, "--print-pdf needs OUT.pdf and FILE"},
        {{"--print-pdf", "a.pdf", "b.spdata", "--print-pdf", "c.pdf", "d.spdata"}, "--print-pdf given twice"},
        {{"--print-pdf", "a.pdf", "b.spdata", "c.spdata"}, "--print-pdf prints one FILE, not also c.spdata"},
        {{"a.spdata", "--page-size", "A4"}, "--page-size goes with --print-pdf"},
        {{"--print-pdf", "a.pdf", "b.spdata", "--page-size"}, "--page-size needs A4 or Letter"},
        {{"--print-pdf", "a.pdf", "b.spdata", "--page-size", "A5"}, "unknown page size A5, not A4 or Letter"},
    };
    for (const auto& [argv, what] : cases) {
        const CommandLine cl = ParseCommandLine(argv);
        EXPECT_EQ(std::tuple(cl.action, cl.error),
                  std::tuple(Action::Error, "merestone: " + what + " (see merestone --help)"))
            << testing::PrintToString(argv);
    }
}

TEST(CommandLine, HelpNamesEveryOptionAndVersionIsTheProjects)
{
    for (const char* option : {"--print-pdf OUT", "--page-size A4|Letter", "-h, --help", "--version", "FILE"})
        EXPECT_NE(HelpText().find(option), std::string::npos) << option;
    EXPECT_TRUE(std::regex_match(VersionText(), std::regex("merestone [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << VersionText();
}
