// The life of the document: new, open, close, save, quit and the file
// commands of the File menu.
#pragma once

void NewDataSheet();
void OpenDialogSSTFile();
void CloseSequence();
void CloseFile();
void SaveRule();
void SaveSSTFile();
void SaveAsSSTFile();
void SaveAsStationeryFile();
void NavAskWind();
void ImportCSVFile();
void ExportCSVFile();
void QuitSequence();
void InstallAEHandlers();
