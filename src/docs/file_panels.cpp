#include "docs/file_panels.h"

#include "app/alerts.h"
#include "app/ids.h"
#include "app/main_window.h"
#include "app/menu_bar.h"
#include "docs/doc_globals.h"
#include "docs/doc_lifecycle.h"
#include "docs/file_io.h"
#include "docs/file_windows.h"
#include "docs/import_files.h"
#include "docs/sheet_format.h"
#include "platform/dialogs.h"
#include "platform/mac_roman.h"
#include "platform/services.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_globals.h"

namespace {

// What the last read left out, told once the sheet is shown.
bool gTruncated = false;
std::vector<ImportFailure> gFailures;

// Reads a data sheet file into the table; false after telling the user why
// it could not be read.
bool ReadDocumentFile(const std::string& path, bool csvHeader)
{
    ReadResult result;
    const FileResult io = ReadWholeFile(
        path, [&](std::string_view bytes) { result = ReadSheetBytes(bytes, {.csvHeader = csvHeader}); });
    if (!io.ok) {
        ShowFileErrorAlert(path, io.error);
        return false;
    }
    gTruncated = result.truncated;
    return true;
}

// Reads the files, in order, into the emptied table, each by its kind. A
// CSV/TXT file for Ashgrove stops the import with FileErrFlag = 1. False
// when not one file could be read; the user has then been told why.
bool ImportFiles(const std::vector<std::string>& paths)
{
    fNum = 0;
    gTruncated = false;
    gFailures.clear();
    bool anyRead = false;
    for (const std::string& path : paths) {
        if (fNum >= kMaxModels) {
            gTruncated = true;
            break;
        }
        ImportedFile file;
        const FileResult io = ReadWholeFile(
            path, [&](std::string_view bytes) { file = AppendImportedFile(ImportKindOf(path), bytes); });
        if (file.passiveRadiatorList) {
            FileErrFlag = 1;
            return true;
        }
        if (!io.ok || !file.result.ok) {
            gFailures.push_back({LastPathComponent(path), io.ok ? file.result.problem : io.error});
            continue;
        }
        gTruncated = gTruncated || file.result.read.truncated;
        anyRead = true;
    }
    if (anyRead) return true;
    TellWhatWasNotRead(kNoWindow);
    return false;
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
    if (stationery)
        SetDocumentUntitled();
    else
        SetDocumentSaved();
}

void ShowOpenedDocument()
{
    InitMenu2();
    MainWnd1();
    DrawSheet();
    TellWhatWasNotRead(kMainWnd);
}

void ImportInto(const std::string& path)
{
    fileUrl = path;
    fileName1 = Utf8ToMacRoman(ImportedDocumentName(LastPathComponent(path)));
    SetDocumentImported();
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

// The kinds of file the panels offer.
const FileFilter kDataSheetFiles{"Data Sheet", {"spdata"}};
const FileFilter kStationeryFiles{"Stationery", {"spdatasta"}};
const FileFilter kCsvFiles{"CSV", {"csv"}};
const FileFilter kTextFiles{"Text", {"txt"}};
const std::vector<FileFilter> kOpenFilters{
    {"Data Sheet and Stationery", {"spdata", "spdatasta"}}, kDataSheetFiles, kStationeryFiles};
const std::vector<FileFilter> kImportFilters{{"Driver Files", {"csv", "txt", "wdr", "xml"}},
                                             kCsvFiles,
                                             kTextFiles,
                                             {"WinISD Driver", {"wdr"}},
                                             {"QSpeakers Database", {"xml"}}};

void RunDocumentSavePanel(const char* message, const std::string& name, const FileFilter& filter,
                          std::function<void(const std::string&)> done)
{
    MenuDisable();
    const std::string extension = filter.extensions.front();
    RunSavePanel(kMainWnd, message, SavePanelFolder(), name, filter,
                 [extension, done](const std::string& path) { done(Chosen(path, extension.c_str())); });
}

// Writes the sheet to a file the person chooses, named after the document
// with `extension`; the document itself stays as it is.
void SaveACopy(const char* message, const char* extension, const FileFilter& filter, std::string (*bytes)())
{
    RunDocumentSavePanel(message, ReplaceSpdataExtension(MacRomanToUtf8(fileName1.view()), extension), filter,
                         [bytes](const std::string& path) {
                             MenuEnable();
                             if (!path.empty()) WriteDocumentFile(path, bytes());
                         });
}

} // namespace

void OpenDialogSSTFile()
{
    RunOpenPanel("Select Open File.", lastPanelFolder, kOpenFilters,
                 [](const std::string& path) { OpenDialogGetSSTFileHandler(Chosen(path, nullptr)); });
}

void OpenDialogGetSSTFileHandler(const std::string& path)
{
    if (path.empty()) return; // Cancel: the no-document state stands
    fileUrl = fsRef = path;
    if (!ReadDocumentFile(path, true)) return ClearParameterArraySheetFile();
    NameAfterFile(path);
    ViewReset();
    ShowOpenedDocument();
}

bool ClickOpenSSTFile()
{
    if (!ExtensionIs("spdata", "spdatasta")) return false;
    fileUrl = fsRef;
    if (!ReadDocumentFile(fsRef, false)) return false;
    NameAfterFile(fsRef);
    ViewReset();
    InitMenu2();
    return true;
}

bool ReOpenSSTFile()
{
    ClearParameterArraySheetFile();
    if (!ReadDocumentFile(fileUrl, false)) return false;
    SetDocumentSaved();
    prefNum = fNum;
    return true;
}

bool SaveSSTFile()
{
    if (fileName1.empty() || fileUrl.empty()) return false;
    if (!WriteDocumentFile(fileUrl, SheetFileBytes())) return false;
    SetDocumentSaved();
    return true;
}

void SaveAsSSTFile()
{
    RunDocumentSavePanel("Save This File As...", MacRomanToUtf8(fileName1.view()), kDataSheetFiles,
                         OpenDialogPutFileHandler);
}

void OpenDialogPutFileHandler(const std::string& path)
{
    MenuEnable();
    if (path.empty() || !WriteDocumentFile(path, SheetFileBytes())) return DropPendingCommands();
    fileUrl = path; // fsRef stays: it may name a desktop open still waiting
    fileName1 = Utf8ToMacRoman(LastPathComponent(path));
    SetWindowTitle(kMainWnd, fileName1);
    SetWindowFilePath(kMainWnd, path);
    SetDocumentSaved();
    SaveAsContinuation();
}

void SaveAsStationeryFile()
{
    SaveACopy("Save This Stationery File As...", "spdatasta", kStationeryFiles, SheetFileBytes);
}

void ImportCSVFile()
{
    RunOpenFilesPanel("Select Open CSV/TXT File.", lastPanelFolder, kImportFilters,
                      [](const std::vector<std::string>& paths) {
                          if (!paths.empty()) lastPanelFolder = FolderOfPath(paths.front());
                          OpenDialogGetCSVFileHandler(paths);
                      });
}

void OpenDialogGetCSVFileHandler(const std::vector<std::string>& paths)
{
    if (paths.empty()) return;
    if (!ImportFiles(paths)) return ClearParameterArraySheetFile();
    if (FileErrFlag == 1) {
        SysBeep();
        MenuDisable();
        return FileErrQuitWnd();
    }
    ImportInto(paths.front());
    ShowOpenedDocument();
}

bool ClickOpenCSVFile()
{
    if (!ExtensionIs("csv", "txt") && !ExtensionIs("wdr")) return false;
    if (!ImportFiles({fsRef})) return false;
    if (FileErrFlag == 1) return true; // the caller shows the file-error-quit window
    ImportInto(fsRef);
    InitMenu2();
    return true;
}

void TellWhatWasNotRead(int window)
{
    const bool truncated = gTruncated;
    gTruncated = false;
    if (!gFailures.empty()) {
        const AlertText text = ImportFailureAlert(gFailures, fNum, truncated);
        gFailures.clear();
        return ShowSheetAlert(window, text.message, text.explanation);
    }
    if (truncated) ShowSheetAlert(window, kTooManyModels.message, kTooManyModels.explanation);
}

void ExportCSVFile()
{
    SaveACopy("Save This CSV File As...", "csv", kCsvFiles, CsvExportBytes);
}
