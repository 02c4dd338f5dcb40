// Where the sheet's texts stand: the x of each cell's text in a row, and
// the header labels with their units.
#pragma once

#include "platform/str255.h"

#include <span>

// x of a cell's text within a row (before the horizontal offset): the
// column's base x plus a shift that grows as the integer part grows. For
// the "No" column and Vas the shift follows the length of the text itself.
int CellTextX(int column, const Str255& text, float value);

struct HeaderLabel {
    int column;
    const char* name;
    int nameX;
    const char* unit; // empty when the column has none
    int unitX;
    const char* superscript; // "2" or "3" drawn small over the unit's blanks
    int superX;
};

std::span<const HeaderLabel> HeaderLabels();
const HeaderLabel& HeaderLabelOf(int column);

// Horizontal extent of the selection for column cellH: the whole row for 0.
struct Span {
    int left;
    int right;
};
Span SelectionExtent(int column);
