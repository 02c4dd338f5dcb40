#include "app/command_line.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

// Qt reads these from the same command line (with one dash or two). Those
// of the first list take the next argument as their value, which is
// therefore no file either; "-style=fusion" carries its value in itself.
constexpr std::string_view kQtOptionsWithValue[] = {"display", "fontengine",      "geometry",           "icon",
                                                    "name",    "platform",        "platformpluginpath", "platformtheme",
                                                    "plugin",  "qwindowgeometry", "qwindowicon",        "qwindowtitle",
                                                    "session", "style",           "stylesheet",         "title"};
constexpr std::string_view kQtFlags[]
    = {"dograb", "nograb", "qmljsdebugger", "reverse", "sync", "testability", "widgetcount"};

bool IsOneOf(std::string_view name, const auto& list)
{
    return std::find(std::begin(list), std::end(list), name) != std::end(list);
}

CommandLine Only(CommandLine::Action action)
{
    CommandLine cl;
    cl.action = action;
    return cl;
}

CommandLine Failed(const std::string& what)
{
    CommandLine cl = Only(CommandLine::Action::Error);
    cl.error = "merestone: " + what + " (see merestone --help)";
    return cl;
}

// "A4" or "Letter" in any case, or empty for anything else.
std::string PageSizeName(std::string value)
{
    std::transform(value.begin(), value.end(), value.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); });
    if (value == "a4") return "A4";
    if (value == "letter") return "Letter";
    return {};
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& argv)
{
    using Action = CommandLine::Action;
    for (const std::string& arg : argv) {
        if (arg == "--help" || arg == "-h") return Only(Action::Help);
        if (arg == "--version") return Only(Action::Version);
    }
    CommandLine cl;
    bool pageSizeGiven = false;
    for (size_t k = 0; k < argv.size(); ++k) {
        const std::string& arg = argv[k];
        if (arg == "--print-pdf") {
            if (cl.action == Action::PrintPdf) return Failed("--print-pdf given twice");
            if (k + 2 >= argv.size()) return Failed("--print-pdf needs OUT.pdf and FILE");
            cl.action = Action::PrintPdf;
            cl.pdfOut = argv[++k];
            cl.pdfIn = argv[++k];
        } else if (arg == "--page-size" || arg.starts_with("--page-size=")) {
            const size_t equals = arg.find('=');
            if (equals == std::string::npos && k + 1 >= argv.size()) return Failed("--page-size needs A4 or Letter");
            const std::string value = equals != std::string::npos ? arg.substr(equals + 1) : argv[++k];
            cl.pageSize = PageSizeName(value);
            if (cl.pageSize.empty()) return Failed("unknown page size " + value + ", not A4 or Letter");
            pageSizeGiven = true;
        } else if (arg.starts_with('-')) {
            const bool twoDashes = arg.starts_with("--");
            std::string_view name = std::string_view(arg).substr(twoDashes ? 2 : 1);
            const bool withValue = name.find('=') != std::string_view::npos;
            name = name.substr(0, name.find('='));
            if (IsOneOf(name, kQtOptionsWithValue)) {
                if (!withValue) ++k;
            } else if (twoDashes && !IsOneOf(name, kQtFlags)) {
                return Failed("unknown option " + arg);
            }
        } else if (!arg.empty()) {
            cl.args.push_back(arg);
        }
    }
    if (pageSizeGiven && cl.action != Action::PrintPdf) return Failed("--page-size goes with --print-pdf");
    if (cl.action == Action::PrintPdf && !cl.args.empty())
        return Failed("--print-pdf prints one FILE, not also " + cl.args.front());
    return cl;
}

std::string HelpText()
{
    return "Usage: merestone [FILE...]\n"
           "       merestone --print-pdf OUT.pdf FILE [--page-size A4|Letter]\n"
           "\n"
           "Keeps a data sheet of loudspeaker driver models and their Thiele/Small parameters.\n"
           "\n"
           "  FILE                   a data sheet (.spdata, .spdatasta) to open, or a CSV,\n"
           "                         tab-separated text (.txt) or WinISD (.wdr) file to import;\n"
           "                         a running Merestone is handed the files instead\n"
           "  --print-pdf OUT FILE   write the printed pages of FILE to OUT on landscape pages\n"
           "                         and exit, without a display\n"
           "  --page-size A4|Letter  the paper of --print-pdf (A4 when not given)\n"
           "  -h, --help             show this help and exit\n"
           "  --version              show the version and exit\n"
           "\n"
           "Qt's own options (-platform NAME, -style NAME, -display DISPLAY ...) go to Qt.\n";
}

std::string VersionText()
{
    return "merestone " MERESTONE_VERSION "\n";
}
