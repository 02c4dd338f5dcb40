// Page setup and printing of the table.
#pragma once

#include <string_view>

void PageSetupSequence();
void PrintSequence();

// Draws pages first..last of the open table into the print job begun, each
// numbered against `last`. False when the device refused a page.
bool PrintPages(int first, int last, std::string_view documentName);
