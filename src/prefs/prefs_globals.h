// Stored preferences and the state of the update check.
#pragma once

#include "platform/str255.h"

#include <cstdint>

extern std::int32_t UpdateForCheck; // 1: check for a newer version at start-up
extern Str255 checkVerURL;
extern Str255 downloadURL;
extern Str255 downFileZip;
extern Str255 downFileName;
extern std::uint8_t CheckForUpFlag;
extern std::uint8_t NetConnectFlag;
extern std::uint8_t UpdateOkFlag;
extern std::uint8_t DownLoadOkFlag;
extern std::uint8_t CheckByMenuFlag;

void PrefsGlobalsDefaults();
// Clears the state of one update check before it starts.
void InitUpdateFlag();
