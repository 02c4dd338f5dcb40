// The sheet's geometry in points, shared by the window, its input and the
// printed page: the top bar, the column titles, the rows and the columns.
#pragma once

constexpr int kSheetWidth = 941;  // the main window's content
constexpr int kTopBarHeight = 48; // the bar above the column titles
constexpr int kHeaderBottom = 80; // the column titles end; the rows begin
constexpr int kRowHeight = 16;
constexpr int kRowBaseline = 29;      // a row's text baseline below its slot's top, from the bar
constexpr int kNoColumnRight = 28;    // the row numbers' column
constexpr int kNameColumnRight = 140; // the model name's column
constexpr int kColumnWidth = 56;      // every column after the name
constexpr int kLastColumnRight = 924; // the last column; the scroll bar follows
constexpr int kSheetBottom = 1520;    // the tallest sheet drawn

// The left edge of column 2 (range) .. 15 (Le).
constexpr int ColumnLeft(int column)
{
    return kNameColumnRight + kColumnWidth * (column - 2);
}
