// Alerts shown as sheets on a window.
#pragma once

#include <string_view>

void ShowSheetAlert(int window, std::string_view message, std::string_view informative);
// After a re-read, the selected row no longer exists.
void ShowAlertNumExtra();
