#include "print/print_globals.h"

double GPrintScale;

void PrintGlobalsDefaults()
{
    GPrintScale = 100.0;
}
