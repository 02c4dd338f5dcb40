#include "calc/calc_globals.h"

#include <numbers>

std::int16_t effiTabID;
std::int16_t VdRadioID;
std::int16_t EffiItemID;
double PI2;
float C;
float LO;
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
    PI2 = 2.0 * std::numbers::pi;
    C = 345.0f;
    LO = 1.18f;
    CalcOnFlag = 0;
    CalcWndOnFlag = 0;
    UncalcFlag = 0;
    tabItem = 1;
    FTMCancelFlag = 0;
    keepBtn1 = keepBtn2 = keepBtn3 = keepBtn4 = keepBtn5 = 0;
}
