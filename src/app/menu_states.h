// The menu bar's fixed enable states: which entry each state operation
// turns on, turns off or leaves alone.
#pragma once

#include <span>

enum MenuState : int {
    kStateInit1, // no document
    kStateInit2, // a document is open
    kStateInit3,
    kStateEnable,        // a dialog closed while the main window is open
    kStateEnableAtClose, // a dialog closed while no document is open
    kStateDisable,       // a dialog, sheet or panel of the program is up
    kStateCount,
};

enum class Switch : char { Keep, On, Off };

constexpr int kTitleEntry = 0; // the entry is the menu's title
constexpr int kQuitEntry = -1; // the Quit command of the application menu

struct MenuStateEntry {
    int menu;
    int item; // kTitleEntry, kQuitEntry or an item number
    Switch state[kStateCount];
};

std::span<const MenuStateEntry> MenuStateTable();
