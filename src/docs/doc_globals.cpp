#include "docs/doc_globals.h"

Str255 fileName1;
Str255 s_extension;
std::string fileUrl;
std::string fsRef;
std::string lastPanelFolder;
std::uint8_t FileOpenFlag;
std::uint8_t NewFileFlag;
std::uint8_t CloseFlag;
std::uint8_t QuitFlag;
std::uint8_t OpenNextFlag;
std::uint8_t FileErrFlag;

void DocGlobalsDefaults()
{
    fileName1.Clear();
    s_extension.Clear();
    fileUrl.clear();
    fsRef.clear();
    lastPanelFolder.clear();
    FileOpenFlag = NewFileFlag = CloseFlag = QuitFlag = OpenNextFlag = FileErrFlag = 0;
}
