// Page setup and printing of the table.
#pragma once

void PageSetupSequence();
void PrintSequence();
