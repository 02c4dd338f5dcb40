// Per-user preferences: kept across runs, and the preferences window.
#pragma once

#include "platform/events.h"

// Reads the eight stored settings over the start-up defaults; what is
// missing or unreadable keeps its default.
void LoadPrefs();
// Writes all eight; every way the program ends calls it last.
void SavePrefs();

void PreferenceWnd();
int PrefsWndEvent(const WindowEvent& e);
int PrefsWndControlHit(const ControlEvent& e);

// The desktop session is ending: the preferences are stored; with unsaved
// changes the save prompt comes up and the session waits (false).
bool SessionMayEnd();
