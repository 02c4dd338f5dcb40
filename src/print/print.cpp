#include "print/print.h"

#include "app/ids.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "platform/mac_roman.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "print/print_globals.h"
#include "print/print_layout.h"
#include "print/print_page.h"
#include "sheet/draw_sheet.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <algorithm>

namespace {

void MyPageSetupDoneRoutine(bool accepted, double scalePercent)
{
    if (accepted) GPrintScale = scalePercent;
    MenuEnable();
}

void MyDoPageSetup(int window)
{
    if (!WindowExists(window)) {
        SysBeep();
        return MenuEnable();
    }
    RunPageSetupSheet(window, GPrintScale, MyPageSetupDoneRoutine);
}

// The scale that fits the table to the paper the page format now holds,
// with the person's percentage applied once.
double MyGetDocumentScale(int window)
{
    const PrintableArea area = SetupPageFormat(window);
    return PrintScale(BasePrintScale(area.width, area.height), GPrintScale);
}

void ReportPrintError(int error)
{
    const char* why = error == kNoDefaultPrinterError ? "No default printer specified" : "Printing error";
    ShowAlertSheet(kMainWnd, "Error code " + NumberText(error).str(), why);
}

int MyDoPrintLoop(int window, int first, int last)
{
    last = std::min(last, PageCount(fNum));
    first = std::max(first, 1);
    if (first > last) return 0;
    const int error = BeginPrintJob(window, MyGetDocumentScale(window));
    if (error) return error;
    PrintPages(first, last, fileName1.view());
    return EndPrintJob();
}

void MyPrintDialogDoneRoutine(bool accepted, int first, int last)
{
    const int error = accepted ? MyDoPrintLoop(kMainWnd, first, last) : 0;
    MenuEnable();
    if (error) ReportPrintError(error);
}

void MyDoPrint(int window)
{
    if (!WindowExists(window)) {
        SysBeep();
        return MenuEnable();
    }
    // What is typed in a cell is part of the table printed.
    CommitEditField();
    const std::string job = MacRomanToUtf8(PrintedDocumentName(fileName1.view()));
    RunPrintSheet(window, job, PageCount(fNum), MyPrintDialogDoneRoutine);
}

} // namespace

void PageSetupSequence()
{
    MenuDisable();
    MyDoPageSetup(kMainWnd);
}

void PrintSequence()
{
    MenuDisable();
    MyDoPrint(kMainWnd);
}

bool PrintPages(int first, int last, std::string_view documentName)
{
    for (int page = first; page <= last; ++page) {
        if (page > first && !NewPrintPage()) return false;
        PrintSheet(page, last, documentName);
    }
    return true;
}
