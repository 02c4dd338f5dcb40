// The calculator windows opened from the Calculate menu.
#pragma once

// Opens the calculator of Calculate menu item `item` on the selected model.
void OpenCalculatorWindow(int item);
// An Edit menu command on the calculator window's focused field.
int CalcWndEditCommand(int item);
