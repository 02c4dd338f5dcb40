// State of the open document and the commands waiting on a prompt.
#pragma once

#include "platform/str255.h"

#include <cstdint>
#include <string>

extern Str255 fileName1;            // the document's name, shown as the window title
extern Str255 s_extension;          // extension of a file handed over by the desktop
extern std::string fileUrl;         // the document's file: the target of Save
extern std::string fsRef;           // the file of the last desktop open or Open panel choice
extern std::string lastPanelFolder; // where the last file panel chose a file ("" none yet)
extern std::uint8_t FileOpenFlag;   // one of the values below
// FileOpenFlag: no file of its own (none open, or an imported sheet), a
// document saved in its file, a new document never saved.
enum DocumentFile : std::uint8_t { kNoFileOfItsOwn = 0, kSavedInItsFile = 1, kNeverSaved = 255 };
extern std::uint8_t NewFileFlag;
extern std::uint8_t CloseFlag;
extern std::uint8_t QuitFlag;
extern std::uint8_t OpenNextFlag;
extern std::uint8_t FileErrFlag;

void DocGlobalsDefaults();
