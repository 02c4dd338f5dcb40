// The one window handler and the one control handler of the program: each
// dispatches on the window (and control) number.
#pragma once

#include "platform/events.h"

void InstallWindowHandlers();
int WindowEventHandler(const WindowEvent& e);
int ControlHitHandler(const ControlEvent& e);
