// The life of the document: new, close, save, quit, the save-changes
// prompt and the commands that wait on it.
#pragma once

#include "platform/dialogs.h"

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
