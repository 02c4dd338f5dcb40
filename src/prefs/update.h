// The update check: asks the maker's server for the newest version, says in
// the update window (9) whether this one is current, and downloads a newer
// one.
#pragma once

#include "platform/events.h"

struct UpdateLines;

// The check's one timer: the decision a second after the request, the looks
// at a running download, and the pause before the program ends to let the
// installer start.
constexpr int kUpdateTimer = 3;

// Asks for the newest version's number; a second later the program decides
// whether the update window comes up.
void CheckForVersion();
// Check for Updates...: the window comes up whatever the answer.
void CheckForUpdatesCommand();

void UpdateWnd();
// The window's two lines of text.
void UpdateWndLines(const UpdateLines& lines);
void CloseUpdateWnd();
int UpdateWndEvent(const WindowEvent& e);
int UpdateWndControlHit(const ControlEvent& e);
