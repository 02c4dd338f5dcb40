#include "docs/file_panels.h"

#include "app/alerts.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_io.h"
#include "docs/file_windows.h"
#include "docs/sheet_format.h"
#include "platform/dialogs.h"
#include "platform/mac_roman.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

namespace {

bool gTruncated = false; // the last read left records out

// Reads a data sheet or CSV file into the table; false after telling the
// user why it could not be read.
bool ReadSheetFile(const std::string& path, bool csv)
{
    bool radiatorList = false;
    ReadResult result;
    const FileResult io = ReadWholeFile(path, [&](std::string_view bytes) {
        radiatorList = csv && IsPassiveRadiatorList(bytes);
        if (!radiatorList) result = ReadSheetBytes(bytes);
    });
    if (!io.ok) {
        ShowFileErrorAlert(io.error);
        return false;
    }
    gTruncated = result.truncated;
    if (radiatorList) FileErrFlag = 1;
    return true;
}

bool WriteDocumentFile(const std::string& path, const std::string& bytes)
{
    const FileResult io = WriteFileSafely(path, bytes);
    if (!io.ok) ShowFileErrorAlert(io.error);
    return io.ok;
}

void ViewReset()
{
    prefNum = fNum;
    cellH = 0;
    cellV = 1;
    ScrollValue = 0;
}

// A stationery file opens as a new, untitled document.
void NameAfterFile(const std::string& path)
{
    const std::string name = LastPathComponent(path);
    const bool stationery = name.size() >= 10 && name.compare(name.size() - 10, 10, ".spdatasta") == 0;
    fileName1 = stationery ? Str255("untitled.spdata") : Utf8ToMacRoman(name);
    FileOpenFlag = stationery ? 255 : 1;
    DirtyFlag = 0;
}

void TellIfTruncated()
{
    if (!gTruncated) return;
    gTruncated = false;
    ShowSheetAlert(kMainWnd, "Only the first 32,767 models were read.",
                   "The file holds more models than a data sheet can. The rest of it was not read, "
                   "and saving the sheet keeps only the models shown.");
}

void ShowOpenedDocument()
{
    InitMenu2();
    MainWnd1();
    DrawSheet();
    TellIfTruncated();
}

void ImportInto(const std::string& path)
{
    fileUrl = path;
    DropHeaderRecord();
    fileName1 = Utf8ToMacRoman(ImportedDocumentName(LastPathComponent(path)));
    FileOpenFlag = 0;
    DirtyFlag = 1;
    ViewReset();
}

bool ExtensionIs(const char* a, const char* b = nullptr)
{
    return s_extension == std::string_view(a) || (b && s_extension == std::string_view(b));
}

} // namespace

void OpenDialogSSTFile()
{
    RunOpenPanel("Select Open File.", {"spdata", "spdatasta"}, OpenDialogGetSSTFileHandler);
}

void OpenDialogGetSSTFileHandler(const std::string& path)
{
    if (path.empty()) return; // Cancel: the no-document state stands
    fileUrl = fsRef = path;
    if (!ReadSheetFile(path, false)) return ClearParameterArraySheetFile();
    DropHeaderRecord();
    NameAfterFile(path);
    ViewReset();
    ShowOpenedDocument();
}

bool ClickOpenSSTFile()
{
    if (!ExtensionIs("spdata", "spdatasta")) return false;
    fileUrl = fsRef;
    if (!ReadSheetFile(fsRef, false)) return false;
    NameAfterFile(fsRef);
    ViewReset();
    InitMenu2();
    return true;
}

bool ReOpenSSTFile()
{
    ClearParameterArraySheetFile();
    if (!ReadSheetFile(fileUrl, false)) return false;
    SetWindowModifiedMark(kMainWnd, false);
    FileOpenFlag = 1;
    DirtyFlag = 0;
    prefNum = fNum;
    return true;
}

bool SaveSSTFile()
{
    if (fileName1.empty() || fileUrl.empty()) return false;
    if (!WriteDocumentFile(fileUrl, SheetFileBytes())) return false;
    SetWindowModifiedMark(kMainWnd, false);
    FileOpenFlag = 1;
    DirtyFlag = 0;
    return true;
}

void SaveAsSSTFile()
{
    MenuDisable();
    RunSavePanel(kMainWnd, "Save This File As...", MacRomanToUtf8(fileName1.view()), OpenDialogPutFileHandler);
}

void OpenDialogPutFileHandler(const std::string& path)
{
    MenuEnable();
    if (path.empty() || !WriteDocumentFile(path, SheetFileBytes())) return DropPendingCommands();
    fileUrl = path; // fsRef stays: it may name a desktop open still waiting
    fileName1 = Utf8ToMacRoman(LastPathComponent(path));
    SetWindowModifiedMark(kMainWnd, false);
    SetWindowTitle(kMainWnd, fileName1);
    SetWindowFilePath(kMainWnd, path);
    FileOpenFlag = 1;
    DirtyFlag = 0;
    SaveAsContinuation();
}

void SaveAsStationeryFile()
{
    MenuDisable();
    RunSavePanel(kMainWnd, "Save This Stationery File As...",
                 ReplaceSpdataExtension(MacRomanToUtf8(fileName1.view()), "spdatasta"), [](const std::string& path) {
                     MenuEnable();
                     if (!path.empty()) WriteDocumentFile(path, SheetFileBytes());
                 });
}

void ImportCSVFile()
{
    RunOpenPanel("Select Open CSV/TXT File.", {"csv", "txt"}, OpenDialogGetCSVFileHandler);
}

void OpenDialogGetCSVFileHandler(const std::string& path)
{
    if (path.empty()) return;
    if (!ReadSheetFile(path, true)) return ClearParameterArraySheetFile();
    if (FileErrFlag == 1) {
        SysBeep();
        MenuDisable();
        return FileErrQuitWnd();
    }
    ImportInto(path);
    ShowOpenedDocument();
}

bool ClickOpenCSVFile()
{
    if (!ExtensionIs("csv", "txt")) return false;
    if (!ReadSheetFile(fsRef, true)) return false;
    if (FileErrFlag == 1) return true; // the caller shows the file-error-quit window
    ImportInto(fsRef);
    InitMenu2();
    return true;
}

void ExportCSVFile()
{
    MenuDisable();
    RunSavePanel(kMainWnd, "Save This CSV File As...",
                 ReplaceSpdataExtension(MacRomanToUtf8(fileName1.view()), "csv"), [](const std::string& path) {
                     MenuEnable();
                     if (!path.empty()) WriteDocumentFile(path, CsvExportBytes());
                 });
}
