// Fixed texts of the sheet's top bar, by selected column.
#pragma once

#include <string>

// Label of control 10 for column 0..15.
const char* ColumnLabel(int column);
// The explanation line of control 14 for column 0..15; the efficiency
// column shows the selected row's efficiency as a sound pressure level.
std::string ExplanationLine(int column, float effi);
// "Efficiency ( 89 dB@1W1m )" for an Effi of 0.5 %.
std::string EfficiencyLine(float effi);
