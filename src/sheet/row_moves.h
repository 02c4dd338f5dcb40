// Whole-model changes of the table: moving the selected model up or down,
// cutting it, and inserting the working-copy model.
#pragma once

#include "sheet/model_table.h"

// Swap the model at row cellV with the one above (below): texts and numbers
// move, the entry-order numbers stay, then the moved model takes its new
// row number as its entry-order number and the selection follows it.
void MoveToUpper();
void MoveToLower();

// Removes the model at row cellV; the rows below move up, the vacated last
// row is blank with entry-order number 0, and cellV stays within the table.
void CutOneModel();

// Inserts `model` as row `insertRow`, its entry-order number included; the
// rows from there move down. False when the table is full.
bool InsertModel(int insertRow, const ModelRecord& model);

// Inserts the working copy (s_SP, s_RANG, DIA .. LE) as row `insertRow`,
// numbered cellV + 1; the rows from there move down. False when the table
// is full.
bool PasteOnSheet(int insertRow);
