// The life of the document: new, close, save, quit, the save-changes
// prompt and the commands that wait on it.
#pragma once

#include "platform/dialogs.h"

// The document's state, set in one place: what FileOpenFlag and DirtyFlag
// say, and the main window's modified mark with them.
void SetDocumentSaved();    // in its own file, unchanged
void SetDocumentUntitled(); // new or from stationery, unchanged
void SetDocumentImported(); // no file of its own, changed
void SetNoDocument();

void NewDataSheet();
void CloseSequence();
void CloseFile();
void SaveRule();
void QuitSequence();
void NavAskWind();
void NavAskHandler(SaveAnswer answer);
// A save failed or was cancelled: the commands that waited on it are dropped.
void DropPendingCommands();
// The commands that waited for a Save As to write the document.
void SaveAsContinuation();
