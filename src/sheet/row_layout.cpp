#include "sheet/row_layout.h"

#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/sheet_geometry.h"

namespace {

// Shifts by width 2, 3, 4, 5, 6 (the integer width of the value, or the
// text's length for "No" and Vas); `other` is used for every width not
// listed, and is 0 where the table names none.
struct ColumnX {
    int base;
    int byWidth[5];
    bool listed[5];
    int other;
};

constexpr bool Y = true, N = false;

constexpr ColumnX kColumns[16] = {
    {-3, {17, 10, 3, 0, 0}, {Y, Y, Y, N, N}, 0},   // No
    {34, {}, {}, 0},                               // model name
    {145, {}, {}, 0},                              // range
    {208, {8, 0, -8, 0, 0}, {Y, Y, Y, N, N}, 0},   // Dia
    {263, {16, 8, 0, -8, 0}, {Y, Y, Y, Y, N}, 0},  // Fs
    {311, {18, 14, 10, 8, 4}, {Y, Y, Y, Y, Y}, 0}, // Vas, by text length (7 gives 0)
    {371, {}, {}, 0},                              // Qts
    {428, {}, {}, 0},                              // Qes
    {478, {8, 0, 0, 0, 0}, {Y, Y, N, N, N}, 0},    // Qms
    {543, {0, -8, 0, 0, 0}, {Y, Y, N, N, N}, 0},   // Effi
    {591, {8, 0, 0, 0, 0}, {Y, Y, N, N, N}, 0},    // Re
    {648, {24, 16, 8, 0, 0}, {Y, Y, Y, Y, N}, 0},  // Pemax
    {702, {24, 16, 8, 0, 0}, {Y, Y, Y, Y, Y}, 0},  // Sd
    {766, {4, 0, 0, 0, 0}, {Y, N, N, N, N}, -4},   // Xmax
    {814, {16, 8, 0, 0, 0}, {Y, Y, Y, Y, N}, 0},   // Vd
    {876, {0, 0, 0, 0, 0}, {Y, N, N, N, N}, -8},   // Le
};

constexpr HeaderLabel kLabels[] = {
    {kColNo, "No", 6, "", 0, "", 0},
    {kColName, "Model Name", 48, "", 0, "", 0},
    {kColRange, "Range", 149, "", 0, "", 0},
    {kColDia, "Dia", 214, "(cm)", 211, "", 0},
    {kColFs, "Fs", 273, "(Hz)", 269, "", 0},
    {kColVas, "Vas", 324, "(Liter)", 319, "", 0},
    {kColQts, "Qts", 382, "", 0, "", 0},
    {kColQes, "Qes", 437, "", 0, "", 0},
    {kColQms, "Qms", 490, "", 0, "", 0},
    {kColEffi, "Effi", 550, "(%)", 551, "", 0},
    {kColRe, "Re", 609, "(Ohms)", 594, "", 0},
    {kColPemax, "Pemax", 652, "(Watts)", 651, "", 0},
    {kColSd, "Sd", 720, "(cm  )", 712, "2", 736},
    {kColXmax, "Xmax", 767, "(mm)", 769, "", 0},
    {kColVd, "Vd", 832, "(cm  )", 824, "3", 848},
    {kColLe, "Le", 888, "(mH)", 882, "", 0},
};

} // namespace

int CellTextX(int column, const Str255& text, float value)
{
    if (column < 0 || column > kColLe) return 0;
    const ColumnX& c = kColumns[column];
    int width = column == kColNo || column == kColVas ? int(text.size()) : IntegerWidth(value);
    int shift = c.other;
    if (width >= 2 && width <= 6 && c.listed[width - 2]) shift = c.byWidth[width - 2];
    if (column == kColVas && width == 4 && text.view().find('.') != std::string_view::npos) shift = 13;
    return c.base + shift;
}

std::span<const HeaderLabel> HeaderLabels()
{
    return kLabels;
}

const HeaderLabel& HeaderLabelOf(int column)
{
    return kLabels[column >= 0 && column <= kColLe ? column : 0];
}

Span SelectionExtent(int column)
{
    if (column == kColNo) return {0, kLastColumnRight};
    if (column == kColName) return {kNoColumnRight, kNameColumnRight};
    return {ColumnLeft(column), ColumnLeft(column) + kColumnWidth};
}
