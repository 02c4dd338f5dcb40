// One printed page of the table: the title and page counter, the column
// titles and up to 40 models, in a frame ruled for 40.
#pragma once

#include <string_view>

// Draws page `page` of the open table on the current printed page; the
// counter names lastPage, the last page this job prints.
void PrintSheet(int page, int lastPage, std::string_view documentName);
