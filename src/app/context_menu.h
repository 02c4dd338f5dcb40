// The sheet's contextual menu: Cut, Copy, Past, Delete, Select All.
#pragma once

void InstallContextualMenuHandler(int window);
// Handles a contextual click at a content point of the main window.
int ContextualMenuHandler(int window, int x, int y);
// True where the menu opens; y is measured from the top of the frame.
bool ContextMenuAllowedAt(int x, int frameY, int column);
void ShowContextMenuForClickOnSheet(int x, int y);
void PostContextualMenuEvents(int item);
