#include "print/print_pdf.h"

#include "app/startup_defaults.h"
#include "docs/file_io.h"
#include "docs/import_files.h"
#include "docs/sheet_format.h"
#include "platform/mac_roman.h"
#include "platform/printing.h"
#include "platform/services.h"
#include "print/print.h"
#include "print/print_layout.h"
#include "sheet/sheet_globals.h"

#include <cstdio>

namespace {

bool IsImport(const std::string& ext)
{
    return ext == "csv" || ext == "txt" || ext == "wdr" || ext == "xml";
}

void Complain(const std::string& what)
{
    std::fprintf(stderr, "merestone: %s\n", what.c_str());
}

// Reads the file into the table as opening or importing it would; the
// document's name, or "" when it could not be read.
bool ReadTable(const std::string& path, std::string& name)
{
    const std::string ext = FileKindExtension(path);
    if (ext != "spdata" && ext != "spdatasta" && !IsImport(ext)) {
        Complain("cannot read " + path + ": not a data sheet (.spdata, .spdatasta) or a file to import");
        return false;
    }
    bool truncated = false, understood = true;
    std::string problem;
    const FileResult read = ReadWholeFile(path, [&](std::string_view bytes) {
        if (!IsImport(ext)) {
            truncated = ReadSheetBytes(bytes).truncated;
            return;
        }
        const ImportedFile imported = AppendImportedFile(ImportKindOf(path), bytes);
        understood = imported.result.ok && !imported.passiveRadiatorList;
        problem = imported.result.problem;
        truncated = imported.result.read.truncated;
    });
    if (!read.ok || !understood) {
        Complain("cannot read " + path + ": " + (read.ok ? problem : read.error));
        return false;
    }
    if (truncated) Complain("only the first 32,767 models of " + path + " were read");
    // Stationery prints under its own name, not as "...sta".
    const std::string file = LastPathComponent(path);
    name = IsImport(ext) ? ImportedDocumentName(file) : ext == "spdatasta" ? file.substr(0, file.size() - 3) : file;
    return true;
}

} // namespace

int PrintTableToPdf(const std::string& outPath, const std::string& inPath, const std::string& pageSize)
{
    SetStartupDefaults();
    std::string name;
    if (!ReadTable(inPath, name)) return 1;
    InitPlatformWithoutDisplay();
    const Str255 title = Utf8ToMacRoman(name);
    const PrintableArea area = PdfPrintableArea(pageSize);
    const double scale = PrintScale(BasePrintScale(area.width, area.height), 100.0);
    int error = BeginPdfJob(outPath, pageSize, PrintedDocumentName(name), scale);
    if (!error) {
        PrintPages(1, PageCount(fNum), title.view());
        error = EndPrintJob();
    }
    if (error) Complain("cannot write " + outPath + ": " + PrintJobErrorText());
    return error ? 1 : 0;
}
