// The main sheet window: its frame, fixed controls and resizing.
#pragma once

#include "platform/events.h"

void MainWnd1();
void CloseMainWindow();
int WndLiveResizeEventHandler(const WindowEvent& e);
// The window handler's part for the main window's own bounds.
void RecordMainWindowBounds();
// Closes a dialog window, taking it off the main window first if it is a sheet.
void SheetWndClose(int window);
// Misc. > Show Merestone: the main window back after a sibling had the front.
void ShowMerestone();
