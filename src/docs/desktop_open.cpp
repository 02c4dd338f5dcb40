#include "docs/desktop_open.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/start_window.h"
#include "calc/calc_globals.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_panels.h"
#include "docs/file_windows.h"
#include "docs/sheet_format.h"
#include "link/link_globals.h"
#include "link/messages.h"
#include "platform/open_requests.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

namespace {

bool Accepted(const std::string& ext)
{
    for (const char* known : {"spdata", "spdatasta", "csv", "txt", "wdr"})
        if (ext == known) return true;
    return false;
}

// A passive-radiator file belongs to Ashgrove: say so once, whatever else
// the request held, and not again while the window is up.
void RefusePassiveRadiatorFile()
{
    if (FileErrFlag == 1) return;
    FileErrFlag = 1;
    MenuDisable();
    FileDoesNotOpenWnd();
}

// Reads fsRef by its extension into the emptied table; false when nothing
// could be read (the user has been told why).
bool ReadHandedOverFile()
{
    for (const char* imported : {"csv", "txt", "wdr"})
        if (s_extension == std::string_view(imported)) return ClickOpenCSVFile();
    return ClickOpenSSTFile();
}

// Launched again without files: a main window hidden for a sibling comes
// back as Show Merestone brings it; otherwise what is shown comes forward.
void ComeBackToTheFront()
{
    if (MainWndOpenFlag == 1 && !WindowIsVisible(kMainWnd)) return ShowMerestone();
    RaiseVisibleWindows();
}

void CloseEverythingForOpen()
{
    HideOtherApp();
    DisposeWindow(kPrefsWnd);
    DisposeWindow(kCalcWnd);
    CalcWndOnFlag = 0;
    CloseMainWindow();
    ClearParameterArraySheetFile();
}

// The file could not be read: back to the state with no document.
void NoDocumentAfterFailedOpen()
{
    InitMenu1();
    SetNoDocument();
    ShowStartWindow();
}

} // namespace

void InstallAEHandlers()
{
    InstallOpenDocumentsHandler(HandleOpenDoc);
}

void HandleOpenDoc(const std::vector<std::string>& paths)
{
    if (paths.empty()) return ComeBackToTheFront();
    // Only the last file the program reads is opened, so one pass finds it;
    // the files it refuses get one beep for the whole request.
    const std::string* last = nullptr;
    bool refused = false, radiator = false;
    for (const std::string& path : paths) {
        // Linux keeps no file type: the extension alone says what a file is.
        const std::string ext = FileKindExtension(path);
        if (Accepted(ext))
            last = &path;
        else if (ext == "prsv")
            radiator = true;
        else
            refused = true;
    }
    if (refused || radiator) SysBeep();
    if (radiator) RefusePassiveRadiatorFile();
    if (!last) return;
    fsRef = *last;
    s_extension = Str255(FileKindExtension(*last));
    SendBootedByFile();
    // The pause gives a running sibling time to ask for the open to wait;
    // with none on the bus nobody can ask, so the file opens at once.
    InstallOneShotTimer(kFileOpenTimer, AnySiblingRunning() ? 200 : 0, CarbonTimerActionFileOpen);
}

void CarbonTimerActionFileOpen()
{
    if (FileGateFlag == 0) ClickOpenDocmFile();
}

void ClickOpenDocmFile()
{
    // A sibling may let a held-back open go on before the pause is over:
    // the file opens once.
    RemoveTimer(kFileOpenTimer);
    if (DirtyFlag == 1) {
        HideOtherApp();
        ShowWindow(kMainWnd);
        MenuDisable();
        OpenNextFlag = 1;
        NavAskWind();
    } else {
        CloseEverythingForOpen();
        if (!ReadHandedOverFile()) {
            NoDocumentAfterFailedOpen();
        } else if (FileErrFlag != 1) {
            MainWnd1();
            DrawSheet();
            TellWhatWasNotRead(kMainWnd);
            FastOpenFlag = 1;
        } else {
            SysBeep();
            MenuDisable();
            FileErrQuitWnd();
        }
    }
    FileGateFlag = 0;
}

void OpenNextFile()
{
    CloseEverythingForOpen();
    OpenNextFlag = 0;
    if (!ReadHandedOverFile()) return NoDocumentAfterFailedOpen();
    if (FileErrFlag == 1) {
        SysBeep();
        MenuDisable();
        return FileErrQuitWnd();
    }
    MainWnd1();
    DrawSheet();
    TellWhatWasNotRead(kMainWnd);
}
