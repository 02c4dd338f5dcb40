#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/row_layout.h"

#include <gtest/gtest.h>

namespace {

int X(int column, float v)
{
    return CellTextX(column, ParameterCellText(column, v), v);
}

TEST(RowLayout, TextsShiftLeftAsTheirIntegerPartGrows)
{
    struct Case {
        int column;
        float v;
        int x;
    } cases[] = {
        {kColDia, 6.5f, 216},   {kColDia, 20.5f, 208},  {kColDia, 120.0f, 200},  {kColDia, 1200.0f, 208},
        {kColFs, 8.0f, 279},    {kColFs, 38.2f, 271},   {kColFs, 120.0f, 263},   {kColFs, 1500.0f, 255},
        {kColQts, 0.35f, 371},  {kColQes, 12.0f, 428},  {kColQms, 3.2f, 486},    {kColQms, 13.2f, 478},
        {kColEffi, 0.5f, 543},  {kColEffi, 12.0f, 535}, {kColEffi, 120.0f, 543}, {kColRe, 5.6f, 599},
        {kColRe, 16.0f, 591},   {kColPemax, 6.0f, 672}, {kColPemax, 60.0f, 664}, {kColPemax, 600.0f, 656},
        {kColPemax, 6000.0f, 648}, {kColSd, 22.0f, 718}, {kColSd, 220.0f, 710},  {kColSd, 22000.0f, 702},
        {kColXmax, 6.5f, 770},  {kColXmax, 16.5f, 762}, {kColVd, 9.0f, 830},     {kColVd, 143.0f, 814},
        {kColVd, 1430.0f, 814}, {kColLe, 0.85f, 876},   {kColLe, 12.0f, 868},
    };
    for (const Case& c : cases) EXPECT_EQ(X(c.column, c.v), c.x) << "column " << c.column << " v " << c.v;
}

TEST(RowLayout, VasAndNoShiftByTheirTextsLength)
{
    EXPECT_EQ(CellTextX(kColVas, Str255(" 0"), 0), 329);
    EXPECT_EQ(CellTextX(kColVas, Str255(" 25"), 25), 325);
    EXPECT_EQ(CellTextX(kColVas, Str255(" 250"), 250), 321);
    EXPECT_EQ(CellTextX(kColVas, Str255(" 2.5"), 2.5f), 324); // a point makes it narrower
    EXPECT_EQ(CellTextX(kColVas, Str255(" 25.5"), 25.5f), 319);
    EXPECT_EQ(CellTextX(kColVas, Str255(" 55.123"), 55.123f), 311);
    EXPECT_EQ(CellTextX(kColVas, Str255(" 155.123"), 155.123f), 311); // unlisted lengths: no shift
    EXPECT_EQ(CellTextX(kColNo, NumberText(1), 0), 14);
    EXPECT_EQ(CellTextX(kColNo, NumberText(12), 0), 7);
    EXPECT_EQ(CellTextX(kColNo, NumberText(123), 0), 0);
    EXPECT_EQ(CellTextX(kColNo, NumberText(12345), 0), -3);
    EXPECT_EQ(CellTextX(kColName, Str255("W8"), 0), 34);
    EXPECT_EQ(CellTextX(kColRange, Str255("Woofer"), 0), 145);
}

TEST(RowLayout, SelectionSpansTheColumnOrTheWholeRow)
{
    EXPECT_EQ(SelectionExtent(0).left, 0);
    EXPECT_EQ(SelectionExtent(0).right, 924);
    EXPECT_EQ(SelectionExtent(1).left, 28);
    EXPECT_EQ(SelectionExtent(1).right, 140);
    EXPECT_EQ(SelectionExtent(2).left, 140);
    EXPECT_EQ(SelectionExtent(2).right, 196);
    EXPECT_EQ(SelectionExtent(15).left, 868);
    EXPECT_EQ(SelectionExtent(15).right, 924);
    EXPECT_STREQ(HeaderLabelOf(kColSd).unit, "(cm  )");
    EXPECT_EQ(HeaderLabelOf(kColVd).superX, 848);
}

} // namespace
