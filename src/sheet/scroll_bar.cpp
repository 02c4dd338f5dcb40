#include "sheet/scroll_bar.h"

#include "app/ids.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "sheet/draw_sheet.h"
#include "sheet/sheet_geometry.h"
#include "sheet/sheet_globals.h"

void SetInstallScrollButton()
{
    const int wndHeight = WindowContentHeight(kMainWnd);
    dispNum = static_cast<std::int16_t>((wndHeight - kHeaderBottom) / kRowHeight);
    ScrollNum = static_cast<std::int16_t>(fNum - dispNum < 1 ? 0 : fNum - dispNum);
    DisposeControl(kMainWnd, kScrollBarCtl);
    CreateScrollBar(kMainWnd, kScrollBarCtl, LTRB(926, 81, 941, wndHeight - 15), 0, 0, 0);
    if (ScrollNum > 0) {
        SetControlRange(kMainWnd, kScrollBarCtl, 0, ScrollNum);
        SetControlValue(kMainWnd, kScrollBarCtl, 0);
        SetControlViewSize(kMainWnd, kScrollBarCtl, dispNum);
        ScrollBtn = 1;
    } else {
        ScrollBtn = 0;
    }
}

void WindowScrollButtonHitHandler(int part)
{
    const int value = GetControlValue(kMainWnd, kScrollBarCtl);
    switch (part) {
    case kPartThumb: break;
    case kPartUpArrow: SetControlValue(kMainWnd, kScrollBarCtl, value - 1); break;
    case kPartDownArrow: SetControlValue(kMainWnd, kScrollBarCtl, value + 1); break;
    default: return; // the page areas do nothing
    }
    ScrollValue = static_cast<std::int16_t>(GetControlValue(kMainWnd, kScrollBarCtl));
    ScrollBtnClick = 1;
    SelectBtnFlag = 1;
    DrawSheet();
}
