// Files handed over by the desktop (launch arguments or a second launch):
// only the last acceptable one opens, 0.2 seconds after the request.
#pragma once

#include <string>
#include <vector>

void InstallAEHandlers();
void HandleOpenDoc(const std::vector<std::string>& paths);
void CarbonTimerActionFileOpen();
void ClickOpenDocmFile();
// Opens the waiting file once the save prompt is answered.
void OpenNextFile();

constexpr int kFileOpenTimer = 1;
