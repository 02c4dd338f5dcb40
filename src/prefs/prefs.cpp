#include "prefs/prefs.h"

// Preferences are not stored yet: the defaults stand for every run.
void LoadPrefs() { }
void SavePrefs() { }
void PreferenceWnd() { }
void CheckForVersion() { }
