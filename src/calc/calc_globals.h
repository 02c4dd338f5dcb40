// State shared by the calculator windows.
#pragma once

#include <cstdint>

extern std::int16_t effiTabID;
extern std::int16_t VdRadioID;
extern std::int16_t EffiItemID;
extern std::uint8_t CalcOnFlag;    // the next redraw shows s_PASS and stores nothing
extern std::uint8_t CalcWndOnFlag; // a calculator window is open
extern std::uint8_t UncalcFlag;    // the last compute step refused its input
extern std::int16_t tabItem;       // tab of the feet-to-metric calculator
extern std::uint8_t FTMCancelFlag;
extern std::int16_t keepBtn1, keepBtn2, keepBtn3, keepBtn4, keepBtn5;

void CalcGlobalsDefaults();
