// Marking the document modified.
#pragma once

// DirtyFlag = 1 and the main window's modified mark on.
void DirtyFlagTrue();
