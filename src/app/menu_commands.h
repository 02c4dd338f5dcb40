// Dispatch of every menu command to the procedure that carries it out.
#pragma once

#include "platform/events.h"

void InstallApplicationHandler();
int ApplicationEventHandler(const MenuCommand& cmd);

// Sort menu: key items 1 to 14, then the direction items 16 and 17.
void SortKeyChoice(int item);
void SortDirectionChoice(int direction);
// After every Sort choice: row 1 selected, its text in the edit field,
// the document marked modified.
void SortFollowUp();
