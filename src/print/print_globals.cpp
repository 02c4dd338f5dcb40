#include "print/print_globals.h"

std::uint8_t DoPrint;
double GPrintScale;

void PrintGlobalsDefaults()
{
    DoPrint = 0;
    GPrintScale = 100.0;
}
