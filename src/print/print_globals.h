// State of printing.
#pragma once

extern double GPrintScale; // print scale in percent

void PrintGlobalsDefaults();
