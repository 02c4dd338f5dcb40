// Importing files into a new sheet: which reader a file takes, and what the
// user is told about the files that could not be read.
#pragma once

#include "docs/driver_files.h"

#include <string>
#include <string_view>
#include <vector>

// By the file's extension: ".wdr" driver files, ".xml" driver databases, and
// everything else as CSV or tab-separated text.
enum class ImportKind { SheetText, WdrDriver, DriverDatabase };
ImportKind ImportKindOf(std::string_view path);

struct ImportedFile {
    DriverFileResult result;
    bool passiveRadiatorList = false; // a CSV/TXT file for Ashgrove: nothing was read
};

// Reads one file's bytes into the rows after the last. CSV and TXT may start
// with the header line and may be UTF-8.
ImportedFile AppendImportedFile(ImportKind kind, std::string_view bytes);

struct ImportFailure {
    std::string name;    // the file's name, as the file system has it
    std::string problem; // why it could not be read
};

struct AlertText {
    std::string message, explanation;
};

// The one alert at the end of an import that lists the files it could not
// read (the first ten by name) and says how many models did come in; when
// the sheet also filled up, it says that in the words of kTooManyModels.
AlertText ImportFailureAlert(const std::vector<ImportFailure>& failures, int modelsRead, bool truncated);

// What every way of opening a file says when it held more models than a
// sheet can take.
extern const AlertText kTooManyModels;

// 32767 as "32,767".
std::string CountText(int n);
