// The program's command line, read before the application object exists, so
// --help and --version answer without a display or a session bus.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Run, Help, Version, PrintPdf, Error } action = Action::Run;
    std::vector<std::string> args; // the file arguments, unchanged, for Run
    std::string pdfOut, pdfIn, pageSize = "A4";
    std::string error; // one line, for Error
};

// argv without the program's name (argv[1] on). Qt's own options (-platform
// offscreen, -style=fusion, --reverse ...) and their values are left for Qt
// and are never taken for files; any other option with two dashes is an Error.
CommandLine ParseCommandLine(const std::vector<std::string>& argv);

std::string HelpText();
std::string VersionText();
