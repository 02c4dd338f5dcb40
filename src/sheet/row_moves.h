// Moving the selected model one row up or down.
#pragma once

// Swap the model at row cellV with the one above (below): texts and numbers
// move, the entry-order numbers stay, then the moved model takes its new
// row number as its entry-order number and the selection follows it.
void MoveToUpper();
void MoveToLower();
