// The one redraw of the main window: it keeps the selection in view,
// commits the edit field's text into its cell, notices changes and
// rebuilds the top bar for the new selection.
#pragma once

void DrawSheet();

// Stores what the person typed into the edit field in its cell now, as the
// next redraw would, and marks the change. Commands that reorder, replace or
// read rows call it first, so typing is never lost to them.
void CommitEditField();

// Escape in the edit field: it offers the cell's stored text again, all of
// it selected, and the typing is dropped. False when there is no field.
bool RevertEditField();
