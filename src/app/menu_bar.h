// The menu bar: building it, its enable states, and the two menus that are
// not in the bar (the frequency-range list and the sheet's contextual menu).
#pragma once

#include "app/menu_states.h"

// Deletes and rebuilds File, Edit, Sort, Calculate, Misc., Window and Help
// in the no-document state; builds the application menu the first time.
void InitMenu1();
// Rebuilds the bar and sets the document-open state.
void InitMenu2();
void InitMenu3();
void MenuEnable();
void MenuEnableAtClose();
// The menus back after a window that had them off: MenuEnable while a sheet
// is open, MenuEnableAtClose without one.
void MenuEnableAfterWindow();
void MenuDisable();
void ApplyMenuState(MenuState state);

void BuildFreqRangePopMenu(int menu);

// The Undo item's text after an edit: "Undo", "Undo Cut" or "Undo Paste".
void SetUndoItem(const char* text, bool enabled);
