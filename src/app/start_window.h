// The start window: while no document is open it carries the menu bar and
// offers New Data Sheet, Open and Import, since a Linux desktop has no menu
// bar without a window. Closing it quits.
#pragma once

void ShowStartWindow();
void HideStartWindow();
