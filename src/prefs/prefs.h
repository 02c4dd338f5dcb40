// Per-user preferences and the update check.
#pragma once

void LoadPrefs();
void SavePrefs();
void PreferenceWnd();
void CheckForVersion();
