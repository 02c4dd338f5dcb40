// State of the application shell: the main window's frame and the menus.
#pragma once

#include "platform/geometry.h"
#include "platform/str255.h"

#include <cstdint>

extern Rect Bounds;      // content bounds of the main window
extern Rect PrefeBounds; // bounds of the preferences window
extern std::int32_t BoundsCheck;
extern std::uint8_t RePosiFlag;
extern std::uint8_t MainWndOpenFlag;

extern std::int16_t EditWndNum; // 1: Edit acts on the sheet, 2: on a calculator
extern std::int16_t itemIDPass;
extern std::int16_t undoItemID;
extern Str255 UndoText;
extern std::int16_t sortItmID;
extern std::int16_t sendItmID;
extern std::int16_t calcItemID;
extern std::int16_t edtFldID;
extern Str255 JPManualName; // text of Help item 2

void AppGlobalsDefaults();
