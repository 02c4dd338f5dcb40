// State of printing.
#pragma once

#include <cstdint>

extern std::uint8_t DoPrint; // drawing goes to the print page, not the window
extern double GPrintScale;   // print scale in percent

void PrintGlobalsDefaults();
