#include "sheet/dirty.h"

#include "app/ids.h"
#include "platform/windows.h"
#include "sheet/sheet_globals.h"

void DirtyFlagTrue()
{
    DirtyFlag = 1;
    SetWindowModifiedMark(kMainWnd, true);
}
