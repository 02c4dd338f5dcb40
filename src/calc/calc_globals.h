// State shared by the calculator windows.
#pragma once

#include <cstdint>

extern std::int16_t effiTabID;
extern std::int16_t VdRadioID;
extern std::int16_t EffiItemID;
extern double PI2;
extern float C;  // speed of sound, m/s
extern float LO; // density of air, kg/m³
extern std::uint8_t CalcOnFlag;    // the next redraw shows s_PASS and stores nothing
extern std::uint8_t CalcWndOnFlag; // a calculator window is open

void CalcGlobalsDefaults();
