// What the fuzz targets check of any input, shared with the test that
// replays their corpora: no reader crashes, and what a reader put in the
// table is written and read back unchanged.
#pragma once

#include "docs/import_files.h"
#include "sheet/clipboard_text.h"
#include "sheet/sheet_globals.h"

#include <cmath>

#include <string>
#include <string_view>

// Writing the table, reading that and writing again gives the same bytes.
inline bool TableReadsBackUnchanged()
{
    const std::string first = SheetFileBytes();
    ReadSheetBytes(first);
    return SheetFileBytes() == first;
}

// The data sheet reader, as a document and as imported CSV/TXT.
inline bool SheetReaderHolds(std::string_view bytes)
{
    for (bool imported : {false, true}) {
        fNum = 0;
        if (imported)
            AppendImportedFile(ImportKind::SheetText, bytes);
        else
            ReadSheetBytes(bytes);
        if (!TableReadsBackUnchanged()) return false;
    }
    return true;
}

// The .wdr reader adds at most one model, a refused database none, and the
// count they give is the rows they added.
inline bool DriverFileReadersHold(std::string_view bytes)
{
    for (ImportKind kind : {ImportKind::WdrDriver, ImportKind::DriverDatabase}) {
        fNum = 0;
        const ImportedFile file = AppendImportedFile(kind, bytes);
        if (file.result.read.records != fNum) return false;
        if (kind == ImportKind::WdrDriver && fNum > 1) return false;
        if (!file.result.ok && fNum != 0) return false;
        if (!TableReadsBackUnchanged()) return false;
    }
    return true;
}

// A clipboard text read as a model gives finite numbers only, whatever it holds.
inline bool ClipboardReaderHolds(std::string_view bytes)
{
    cellH = 0;
    TextToParameterValue(Str255(bytes));
    for (float* p : kWorkingCopy)
        if (!std::isfinite(*p)) return false;
    return true;
}
