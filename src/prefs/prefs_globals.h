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
extern Str255 availStr;                  // the version the server offers, as it sent it
extern Str255 bundleStr;                 // this program's version
extern std::int16_t checkUpdateBtn;      // the update window's default button, 0 while it waits
extern std::uint8_t LaunchInstallerFlag; // 1: the quit under way opens the downloaded installer

void PrefsGlobalsDefaults();
// Clears the state of one update check before it starts.
void InitUpdateFlag();
