// The data sheet file: the model table as plain text, one record a line,
// 15 comma-separated fields, each line ended by a CR. CSV export is the
// same body behind a header line. The reader takes commas or tabs, CR, LF
// or CR LF line ends, quoted fields and a leading UTF-8 byte-order mark.
#pragma once

#include "sheet/model_table.h"

#include <string>
#include <string_view>

// One record as a line, CR included.
std::string FormatRecordLine(const ModelRecord& m);
// Rows 1..fNum as lines: the whole data sheet file.
std::string SheetFileBytes();
extern const char* const kCsvHeaderLine; // CR included
std::string CsvExportBytes();

struct ReadResult {
    int records = 0;        // models read
    bool truncated = false; // the file held more than the table could take
};

struct ReadOptions {
    // A first record named exactly "Model Name" is the CSV header: it is
    // skipped and takes no row.
    bool csvHeader = false;
    // The texts are UTF-8 (see IsUtf8Text) and are turned into the
    // program's character set; else they are taken byte for byte.
    bool utf8Texts = false;
};

// Reads records into the rows after the last one, numbering each by its row,
// and raises fNum; stops when the table is full.
ReadResult AppendSheetBytes(std::string_view bytes, ReadOptions options = {});
// The same into an empty table: rows 1..n, fNum = n.
ReadResult ReadSheetBytes(std::string_view bytes, ReadOptions options = {});

// True when the file's very first field is exactly "Manufacturer".
bool IsPassiveRadiatorList(std::string_view bytes);

// The last component of a path.
std::string LastPathComponent(std::string_view path);
// The folder part of a path ("" for a bare name, "/" for a file in the root).
std::string FolderOfPath(std::string_view path);
// The extension of a file name, without the point ("" when it has none).
std::string PathExtension(std::string_view name);
// The extension of the file a path names, in lower case: what says which
// kind of file it is, however the name was typed.
std::string FileKindExtension(std::string_view path);
// The path with ".<extension>" added when its file name has no extension.
std::string WithExtension(std::string_view path, std::string_view extension);
// "name.spdata" (any case of the extension) becomes "name.<newExtension>";
// any other name stays as it is.
std::string ReplaceSpdataExtension(std::string_view name, std::string_view newExtension);
// The name of a sheet made from an imported file: "drivers.csv",
// "notes.txt", "W-165.wdr" and "speakers.xml" (any letter case) become
// "drivers.spdata" and so on; any other name stays as it is.
std::string ImportedDocumentName(std::string_view fileName);
