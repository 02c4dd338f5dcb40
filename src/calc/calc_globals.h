// State shared by the calculator windows.
#pragma once

#include <cstdint>

extern std::int16_t effiTabID;
extern std::int16_t VdRadioID;
extern std::int16_t EffiItemID;
extern double PI2;
extern float C;                    // speed of sound, m/s
extern float LO;                   // density of air, kg/m³
extern std::uint8_t CalcOnFlag;    // the next redraw shows s_PASS and stores nothing
extern std::uint8_t CalcWndOnFlag; // a calculator window is open
extern std::uint8_t UncalcFlag;    // the last compute step refused its input
extern std::int16_t tabItem;       // tab of the feet-to-metric calculator
extern std::uint8_t FTMCancelFlag;
extern std::int16_t keepBtn1, keepBtn2, keepBtn3, keepBtn4, keepBtn5;

void CalcGlobalsDefaults();
