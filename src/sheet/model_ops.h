// The Edit menu on the main window: whole models when the "No" column is
// selected, the edit field's text otherwise, with one level of undo.
#pragma once

// Carries out Edit item `item` (1, 2, 4 to 8); 0 when handled.
int EditMenuForMainWnd(int item);

// Pastes the clipboard as a model (whole model selected) or into the edit
// field; false, after a beep, when the clipboard's text does not fit.
bool PasteToEditFieldFromClipboard();
