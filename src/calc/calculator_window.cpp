#include "calc/calculator_window.h"

#include "platform/events.h"

// The calculators are not built yet: the menu choice is taken and does nothing.
void OpenCalculatorWindow(int) {}

int CalcWndEditCommand(int)
{
    return 0;
}
