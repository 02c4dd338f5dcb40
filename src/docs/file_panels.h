// Reading and writing documents through the file panels: Open, Save, Save
// As, Save As Stationery, Import CSV/TXT and Export CSV.
#pragma once

#include <string>

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
void ImportCSVFile();
void OpenDialogGetCSVFileHandler(const std::string& path);
// Imports fsRef when s_extension is "csv" or "txt"; false when nothing was read.
bool ClickOpenCSVFile();
void ExportCSVFile();
