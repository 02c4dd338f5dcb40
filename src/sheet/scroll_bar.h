// The main window's scroll bar: set up for the rows that do not fit, and
// its arrows and thumb scrolling the sheet (its page areas do nothing).
#pragma once

void SetInstallScrollButton();
void WindowScrollButtonHitHandler(int part);
