// Printing on the system's printers (CUPS, where the machine has it) or to a
// PDF file: the page format kept with a window, the Page Setup and Print
// dialogs as sheets, and print jobs whose pages the drawing procedures draw
// in points.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The error codes an alert reports.
constexpr int kNoDefaultPrinterError = -30872; // no printer to print to
constexpr int kPrintingError = -30870;         // anything else

struct PrintableArea {
    double width, height; // points
};

// The page format kept with the window, made on first use from the default
// printer in landscape. One whose printer has gone is dropped and made anew.
PrintableArea SetupPageFormat(int window);

// Page Setup as a sheet on the window: the paper, its orientation and
// margins, and the scale in percent. done(accepted, the scale) when it closes.
void RunPageSetupSheet(int window, double scalePercent, std::function<void(bool accepted, double scalePercent)> done);

// Print as a sheet on the window: the job's name, pages 1..pages, one copy.
// done(accepted, first page, last page) when it closes; 1..pages for all.
void RunPrintSheet(int window, std::string_view jobName, int pages,
                   std::function<void(bool accepted, int first, int last)> done);

// A print job whose pages the drawing procedures draw, in points scaled by
// scalePercent from the printable area's top-left corner. Begin returns 0 or
// an error code; End returns the first error met, or 0 once every page is out.
int BeginPrintJob(int window, double scalePercent);
// The same into a PDF file on paper of pageSize ("A4" or "Letter") in
// landscape. The file appears only when End succeeds.
int BeginPdfJob(const std::string& path, std::string_view pageSize, std::string_view title, double scalePercent);
PrintableArea PdfPrintableArea(std::string_view pageSize);
// Starts the next page; false, and the job failed, if the device refuses.
bool NewPrintPage();
int EndPrintJob();
// Why the last PDF job could not be written, in the system's words.
std::string PrintJobErrorText();
