#include "app/app_globals.h"

Rect Bounds;
Rect PrefeBounds;
std::int32_t BoundsCheck;
std::uint8_t RePosiFlag;
std::uint8_t MainWndOpenFlag;
std::int16_t EditWndNum;
std::int16_t itemIDPass;
std::int16_t undoItemID;
Str255 UndoText;
std::int16_t sortItmID;
std::int16_t sendItmID;
std::int16_t calcItemID;
std::int16_t edtFldID;
Str255 JPManualName;

void AppGlobalsDefaults()
{
    Bounds = Rect{44, 0, 444, 941};
    PrefeBounds = Rect{200, 300, 525, 630};
    BoundsCheck = 1;
    RePosiFlag = 0;
    MainWndOpenFlag = 0;
    EditWndNum = 1;
    itemIDPass = 0;
    undoItemID = 0;
    UndoText.Clear();
    sortItmID = 1;
    sendItmID = 1;
    calcItemID = 0;
    edtFldID = 0;
    JPManualName.Clear();
}
