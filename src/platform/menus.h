// Menus addressed by menu number and 1-based item number, separators
// counted. One set of menu objects serves the bars of every window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Creates an empty menu (replacing one of the same number); not in the bar.
void CreateMenu(int menu, std::string_view title);
// Appends an item; "-" appends a separator. key 0 means no shortcut;
// modifiers are the Modifier bits that go with it besides Command.
void AppendMenuItem(int menu, std::string_view text, char key = 0, unsigned modifiers = 0, std::uint32_t commandId = 0);
void InsertMenuInBar(int menu); // appended at the right of the bar
void DeleteMenu(int menu);      // from the bar and from memory
bool MenuExists(int menu);
bool MenuIsInBar(int menu);
// The menu bar's menus, left to right.
std::string MenuBarTitles();

void SetMenuEnabled(int menu, bool enabled); // the title: off disables the whole menu
bool MenuIsEnabled(int menu);
void SetMenuItemEnabled(int menu, int item, bool enabled);
bool MenuItemIsEnabled(int menu, int item); // its own state, whatever the title's
void SetMenuItemText(int menu, int item, std::string_view text);
std::string MenuItemText(int menu, int item);
std::string MenuItemShortcut(int menu, int item); // in portable text, "Ctrl+Shift+S"
void SetMenuItemChecked(int menu, int item, bool checked);
bool MenuItemIsChecked(int menu, int item);
int MenuItemCount(int menu);

// The standard Window menu, handled by the platform itself.
void CreateStandardWindowMenu(int menu);

// Carries out a menu choice as if the user made it: nothing happens when the
// item or its menu is disabled. Returns the command handler's answer.
int ChooseMenuItem(int menu, int item);

// Pops a menu up at a content point of a window and waits for the choice;
// returns the item chosen or 0.
int PopUpMenuSelect(int menu, int window, int x, int y);
