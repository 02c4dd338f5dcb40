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
}
