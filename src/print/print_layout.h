// The printed table's pages: how the models fall on them, the scale that fits
// the table to the paper, and the texts at their top.
#pragma once

#include <string>
#include <string_view>

constexpr int kRowsPerPage = 40;
// The table's top-left corner on the paper, in points from the printable
// area's corner: room on the left and for the title above.
constexpr int kPrintLeft = 54;
constexpr int kPrintTop = 32;
constexpr int kPrintTableHeight = 32 + kRowsPerPage * 16; // the titles and 40 rows
constexpr int kPageCounterX = 848;                        // from the table's left edge

// At least one page: an empty table prints its empty frame.
int PageCount(int models);
int FirstRowOfPage(int page);
int LastRowOfPage(int page, int models);

// The percentage that fits the table to a printable area of width by height
// points: by its height on a landscape-like area, else by its width.
int BasePrintScale(double width, double height);
// The person's Page Setup percentage applied to the fitting one.
double PrintScale(int base, double userPercent);

// The document's name without its first ".spdata" in any letter case.
std::string PrintedDocumentName(std::string_view documentName);
std::string PrintTitle(std::string_view documentName);
// "Page : " and the two numbers as the sheet writes them, each with its blank.
std::string PageCounterText(int page, int lastPage);
