#include "calc/calc_globals.h"

std::int16_t effiTabID;
std::int16_t VdRadioID;
std::int16_t EffiItemID;
std::uint8_t CalcOnFlag;
std::uint8_t CalcWndOnFlag;
std::uint8_t UncalcFlag;
std::int16_t tabItem;
std::uint8_t FTMCancelFlag;
std::int16_t keepBtn1, keepBtn2, keepBtn3, keepBtn4, keepBtn5;

void CalcGlobalsDefaults()
{
    effiTabID = 1;
    VdRadioID = 1;
    EffiItemID = 3;
    CalcOnFlag = 0;
    CalcWndOnFlag = 0;
    UncalcFlag = 0;
    tabItem = 1;
    FTMCancelFlag = 0;
    keepBtn1 = keepBtn2 = keepBtn3 = keepBtn4 = keepBtn5 = 0;
}
