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
        ShowFileErrorAlert(path, io.error);
        return false;
    }
    gTruncated = result.truncated;
    if (radiatorList) FileErrFlag = 1;
    return true;
}

bool WriteDocumentFile(const std::string& path, const std::string& bytes)
{
    const FileResult io = WriteFileSafely(path, bytes);
    if (!io.ok) ShowFileErrorAlert(path, io.error);
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
    const bool stationery = FileKindExtension(path) == "spdatasta";
    fileName1 = stationery ? Str255("untitled.spdata") : Utf8ToMacRoman(LastPathComponent(path));
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

// Save panels start beside the document's file; a sheet with no file of its
// own starts where the last panel left off, else in the home folder.
std::string SavePanelFolder()
{
    return fileUrl.empty() ? lastPanelFolder : FolderOfPath(fileUrl);
}

// What a panel chose, with the kind's extension when the name has none; ""
// for Cancel. The folder is remembered for the next panel.
std::string Chosen(const std::string& path, const char* extension)
{
    if (path.empty()) return path;
    lastPanelFolder = FolderOfPath(path);
    return extension ? WithExtension(path, extension) : path;
}

void RunDocumentSavePanel(const char* message, const std::string& name, const char* extension,
                          std::function<void(const std::string&)> done)
{
    MenuDisable();
    RunSavePanel(kMainWnd, message, SavePanelFolder(), name, extension,
                 [extension, done](const std::string& path) { done(Chosen(path, extension)); });
}

} // namespace

void OpenDialogSSTFile()
{
    RunOpenPanel("Select Open File.", lastPanelFolder, "Data Sheet", {"spdata", "spdatasta"},
                 [](const std::string& path) { OpenDialogGetSSTFileHandler(Chosen(path, nullptr)); });
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
    RunDocumentSavePanel("Save This File As...", MacRomanToUtf8(fileName1.view()), "spdata",
                         OpenDialogPutFileHandler);
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
    RunDocumentSavePanel("Save This Stationery File As...",
                         ReplaceSpdataExtension(MacRomanToUtf8(fileName1.view()), "spdatasta"), "spdatasta",
                         [](const std::string& path) {
                             MenuEnable();
                             if (!path.empty()) WriteDocumentFile(path, SheetFileBytes());
                         });
}

void ImportCSVFile()
{
    RunOpenPanel("Select Open CSV/TXT File.", lastPanelFolder, "CSV, Text", {"csv", "txt"},
                 [](const std::string& path) { OpenDialogGetCSVFileHandler(Chosen(path, nullptr)); });
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
    RunDocumentSavePanel("Save This CSV File As...", ReplaceSpdataExtension(MacRomanToUtf8(fileName1.view()), "csv"),
                         "csv", [](const std::string& path) {
                             MenuEnable();
                             if (!path.empty()) WriteDocumentFile(path, CsvExportBytes());
                         });
}
