#include "app/command_line.h"
#include "app/startup.h"
#include "docs/desktop_open.h"
#include "platform/open_requests.h"
#include "platform/services.h"
#include "print/print_pdf.h"

#include <algorithm>
#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before the application object exists: these need no display.
    const CommandLine cl = ParseCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    switch (cl.action) {
    case CommandLine::Action::Help: std::fputs(HelpText().c_str(), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(VersionText().c_str(), stdout); return 0;
    case CommandLine::Action::Error: std::fprintf(stderr, "%s\n", cl.error.c_str()); return 2;
    case CommandLine::Action::PrintPdf: return PrintTableToPdf(cl.pdfOut, cl.pdfIn, cl.pageSize);
    case CommandLine::Action::Run: break;
    }
    InitPlatform(argc, argv);
    const std::vector<std::string> files = FileArguments(cl.args);
    // One Merestone per desktop session: a second launch hands its files over.
    if (HandOverToRunningInstance(files)) return 0;
    Startup();
    if (!files.empty()) HandleOpenDoc(files);
    return RunApplicationEventLoop();
}
