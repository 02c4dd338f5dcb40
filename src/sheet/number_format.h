// Number to text and text to number, the one conversion every display,
// file, clipboard and message format of the program goes through.
#pragma once

#include "platform/str255.h"

#include <string_view>

// Rounds v to k decimals (k = 1, 2 or 3): the product v * 10^k is taken in
// single precision, rounded to an integer ties-to-even, then divided in double.
double DecimalRound(float v, int k);

// The standard number text: fixed-point with trailing zeros removed and a
// leading blank for non-negative values, or an exponential form for very
// small and very large magnitudes.
Str255 NumberText(double x);

// The text a file keeps for v at k decimals: the rounded value's text, or,
// where rounding to k decimals cannot change v (v * 10^k is already whole in
// single precision) and that text would read back as another float, the
// text of v itself. Every stored float then reads back with the same bits.
Str255 FileNumberText(float v, int k);

// Pads the digits after the point to at least k (1, 2 or 3); never removes.
Str255 PlusCommaZero(const Str255& s, int k);

// Length of the number text of the value's integer part (digits plus one).
int IntegerWidth(float v);

// Reads a typed or stored number in the manner of strtod (leading number,
// rest ignored, no number gives 0), plus the "&H", "&O", "&X", "&" and "0x"
// integer forms. Infinity and NaN are never read from text.
double ReadNumber(std::string_view text);

// A read number as the 32-bit float the table stores. Values beyond the
// float range become the largest float of that sign rather than infinity.
float ToStoredFloat(double x);

// Text of one sheet cell of column 3..15 for value v.
Str255 ParameterCellText(int column, float v);

// Text of one sheet cell (column 0..15) of a row of the model table.
Str255 CellText(int column, int row);

// The edit field's offer for `column` (the selected column `cellH` unless
// given), from the default number text s of the stored value.
Str255 DigitOpt(const Str255& s, int column);
Str255 DigitOpt(const Str255& s);
