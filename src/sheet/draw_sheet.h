// The one redraw of the main window: it keeps the selection in view,
// commits the edit field's text into its cell, notices changes and
// rebuilds the top bar for the new selection.
#pragma once

void DrawSheet();
