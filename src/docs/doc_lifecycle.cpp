#include "docs/doc_lifecycle.h"

#include "app/alerts.h"
#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/quit.h"
#include "app/start_window.h"
#include "docs/desktop_open.h"
#include "docs/doc_globals.h"
#include "docs/file_panels.h"
#include "link/launch.h"
#include "link/launch_window.h"
#include "link/link_globals.h"
#include "platform/mac_roman.h"
#include "platform/windows.h"
#include "prefs/prefs_globals.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

namespace {

void PromptSave()
{
    // Either "Save" writes in place and the waiting command goes on at
    // once, or it opens the Save As panel, whose handler goes on later.
    if (FileOpenFlag == kSavedInItsFile) {
        if (!SaveSSTFile()) return DropPendingCommands();
        if (QuitFlag == 1) return QuitApplication();
        if (CloseFlag == 1) CloseFile();
        if (DirtyFlag == 0 && ModelSelFlag == 1) ModelSelectSequence1();
        if (OpenNextFlag == 1) OpenNextFile();
        return;
    }
    InitMenu2();
    SaveAsSSTFile(); // a waiting desktop open runs only after the sheet is written
}

void PromptCancel()
{
    if (PreScrollBtn == 1) {
        ScrollBtn = 1;
        PreScrollBtn = 0;
    }
    MenuEnable();
    DropPendingCommands();
    DrawSheet();
}

void PromptDontSave()
{
    if (ModelSelFlag == 1) {
        if (FileOpenFlag == kSavedInItsFile) ReOpenSSTFile();
        if (cellV > fNum) {
            ShowAlertNumExtra();
            MenuEnable();
            cellH = 0;
            cellV = 1;
            DrawSheet();
        } else if (ShowSelAppCheck != 1) {
            ModelSelectSequence2();
        } else {
            SelectLaunchAppWnd();
        }
    } else if (QuitFlag == 1) {
        return QuitApplication();
    } else {
        CloseFile();
    }
    if (OpenNextFlag == 1) OpenNextFile();
}

// The flags and the main window's modified mark together (with no main
// window the mark has nowhere to go).
void SetDocumentState(DocumentFile file, bool changed)
{
    FileOpenFlag = file;
    DirtyFlag = changed ? 1 : 0;
    SetWindowModifiedMark(kMainWnd, changed);
}

} // namespace

void SetDocumentSaved()
{
    SetDocumentState(kSavedInItsFile, false);
}

void SetDocumentUntitled()
{
    SetDocumentState(kNeverSaved, false);
}

void SetDocumentImported()
{
    SetDocumentState(kNoFileOfItsOwn, true);
}

void SetNoDocument()
{
    SetDocumentState(kNoFileOfItsOwn, false);
}

void NewDataSheet()
{
    InitMenu2();
    SetDocumentUntitled();
    NewFileFlag = 1;
    fileName1 = Str255("untitled.spdata");
    fileUrl.clear();
    fNum = 1;
    prefNum = fNum; // as after reading a file: a new sheet starts unmodified
    cellV = 1;
    cellH = 1;
    MainWnd1();
    NewOrAddModelInit();
    DrawSheet();
    NewFileFlag = 0;
}

void SaveRule()
{
    if (FileOpenFlag == kNeverSaved)
        SaveAsSSTFile();
    else if (FileOpenFlag == kSavedInItsFile && DirtyFlag == 1)
        SaveSSTFile();
    else
        NavAskWind();
}

void CloseSequence()
{
    CommitEditField(); // typing counts as a change to ask about
    CloseFlag = 1;
    QuitFlag = 0;
    if (DirtyFlag == 1) {
        MenuDisable();
        NavAskWind();
    } else {
        CloseFile();
    }
}

void CloseFile()
{
    CloseMainWindow();
    InitMenu1();
    ClearParameterArraySheetFile();
    SetNoDocument();
    CloseFlag = 0;
    MainWndOpenFlag = 0;
    ShowStartWindow();
}

void QuitSequence()
{
    CommitEditField();
    QuitFlag = 1;
    if (DirtyFlag == 0) return QuitApplication();
    MenuDisable();
    NavAskWind();
}

void NavAskWind()
{
    RunSaveChangesPrompt(kMainWnd, MacRomanToUtf8(fileName1.view()), NavAskHandler);
}

void NavAskHandler(SaveAnswer answer)
{
    switch (answer) {
    case SaveAnswer::Save: PromptSave(); break;
    case SaveAnswer::Cancel: PromptCancel(); break;
    case SaveAnswer::DontSave: PromptDontSave(); break;
    }
}

void DropPendingCommands()
{
    QuitFlag = ModelSelFlag = CloseFlag = OpenNextFlag = LaunchInstallerFlag = 0;
    // The prompt that held the menus back is gone; nothing waits any more.
    if (MainWndOpenFlag == 1) MenuEnable();
}

void SaveAsContinuation()
{
    if (QuitFlag == 1) return QuitApplication();
    if (CloseFlag == 1) CloseFile();
    if (ModelSelFlag == 1) DefaultAppCheck != 1 ? ModelSelectSequence2() : ModelSelectSequence1();
    if (OpenNextFlag == 1) OpenNextFile();
}
