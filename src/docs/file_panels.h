// Reading and writing documents through the file panels: Open, Save, Save
// As, Save As Stationery, Import CSV/TXT and Export CSV.
#pragma once

#include <string>
#include <vector>

void OpenDialogSSTFile();
void OpenDialogGetSSTFileHandler(const std::string& path);
// Reads fsRef when s_extension is "spdata" or "spdatasta"; false when
// nothing was read.
bool ClickOpenSSTFile();
// Reads the document's own file again, dropping unsaved changes.
bool ReOpenSSTFile();
// Writes the document to its file; false (after telling the user) on failure.
bool SaveSSTFile();
void SaveAsSSTFile();
void OpenDialogPutFileHandler(const std::string& path);
void SaveAsStationeryFile();
// Import CSV, TXT, driver files and driver databases, several at once, into
// one new sheet named after the first file.
void ImportCSVFile();
void OpenDialogGetCSVFileHandler(const std::vector<std::string>& paths);
// Imports fsRef when s_extension is "csv", "txt" or "wdr"; false when
// nothing was read.
bool ClickOpenCSVFile();
// Once the sheet is shown: tells, in one alert on `window`, what the last
// read left out (files it could not read, models past the table's limit).
void TellWhatWasNotRead(int window);
void ExportCSVFile();
