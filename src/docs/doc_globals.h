// State of the open document and the commands waiting on a prompt.
#pragma once

#include "platform/str255.h"

#include <cstdint>

extern Str255 fileName1;   // the document's name, shown as the window title
extern Str255 s_extension; // extension of a file handed over by the desktop
extern std::uint8_t FileOpenFlag; // 1 saved document, 255 new and never saved
extern std::uint8_t NewFileFlag;
extern std::uint8_t CloseFlag;
extern std::uint8_t QuitFlag;
extern std::uint8_t OpenNextFlag;
extern std::uint8_t FileErrFlag;

void DocGlobalsDefaults();
