#include "print/print.h"

// Printing is not built yet: the menu choices are taken and do nothing.
void PageSetupSequence() { }
void PrintSequence() { }
