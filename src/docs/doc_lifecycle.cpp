#include "docs/doc_lifecycle.h"

#include "app/app_globals.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "app/quit.h"
#include "app/start_window.h"
#include "docs/doc_globals.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

void NewDataSheet()
{
    InitMenu2();
    DirtyFlag = 0;
    FileOpenFlag = 255;
    NewFileFlag = 1;
    fileName1 = Str255("untitled.spdata");
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
    if (FileOpenFlag == 255) SaveAsSSTFile();
    else if (FileOpenFlag == 1 && DirtyFlag == 1) SaveSSTFile();
    else NavAskWind();
}

void CloseSequence()
{
    CloseFlag = 1;
    QuitFlag = 0;
    // Until documents can be saved there is nothing to ask about.
    CloseFile();
}

void CloseFile()
{
    CloseMainWindow();
    InitMenu1();
    ClearParameterArraySheetFile();
    FileOpenFlag = 0;
    DirtyFlag = 0;
    CloseFlag = 0;
    MainWndOpenFlag = 0;
    ShowStartWindow();
}

void QuitSequence()
{
    QuitFlag = 1;
    QuitApplication();
}

// Reading and writing documents come with the file formats.
void OpenDialogSSTFile() {}
void SaveSSTFile() {}
void SaveAsSSTFile() {}
void SaveAsStationeryFile() {}
void NavAskWind() {}
void ImportCSVFile() {}
void ExportCSVFile() {}
void InstallAEHandlers() {}
