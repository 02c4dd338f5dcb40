#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

namespace {

std::string Text(double x)
{
    return NumberText(x).str();
}

std::string Cell(int column, float v)
{
    return ParameterCellText(column, v).str();
}

TEST(DecimalRound, SinglePrecisionProductThenTiesToEven)
{
    EXPECT_EQ(DecimalRound(0.0125f, 3), 12 / 1000.0); // product exactly 12.5 rounds to 12
    EXPECT_EQ(DecimalRound(0.0135f, 3), 14 / 1000.0);
    // The stored 2.675 is just below it, but its single-precision product is 267.5.
    EXPECT_EQ(DecimalRound(2.675f, 2), 268 / 100.0);
    EXPECT_EQ(DecimalRound(16.45f, 1), 164 / 10.0);
    EXPECT_EQ(DecimalRound(0.125f, 2), 12 / 100.0);
    EXPECT_EQ(DecimalRound(0.375f, 2), 38 / 100.0);
    EXPECT_EQ(DecimalRound(-2.5f, 1), -25 / 10.0);
    EXPECT_EQ(DecimalRound(0.5f, 1), 0.5);
    // A product beyond the float range would be infinite: the value stays.
    EXPECT_EQ(DecimalRound(FLT_MAX, 3), double(FLT_MAX));
    EXPECT_EQ(DecimalRound(-1e37f, 2), double(-1e37f));
    EXPECT_EQ(NumberText(DecimalRound(FLT_MAX, 3)).str(), "3.40282347e+38");
}

TEST(NumberText, FixedFormExamples)
{
    EXPECT_EQ(Text(0.0), " 0");
    EXPECT_EQ(Text(-0.0), " 0");
    EXPECT_EQ(Text(16.5), " 16.5");
    EXPECT_EQ(Text(0.35), " 0.35");
    EXPECT_EQ(Text(-1.5), "-1.5");
    EXPECT_EQ(Text(2500), " 2500");
    EXPECT_EQ(Text(static_cast<double>(38.2f)), " 38.200000763");
    EXPECT_EQ(Text(static_cast<double>(0.1f)), " 0.10000000149"); // 11 digits below 0.125
    EXPECT_EQ(Text(1e9), " 1000000000");
    EXPECT_EQ(Text(12), " 12");
    // The decimals shrink as the binary exponent grows: 8 from 256, 12 below 1/64.
    EXPECT_EQ(Text(static_cast<double>(300.1f)), " 300.1000061");
    EXPECT_EQ(Text(static_cast<double>(0.01f)), " 0.009999999776");
}

TEST(NumberText, FixedAndExponentialBoundaries)
{
    EXPECT_EQ(Text(0.0078125), " 0.0078125");
    EXPECT_EQ(Text(-0.0078125), "-0.0078125");
    EXPECT_EQ(Text(std::nextafter(0.0078125, 0.0)), "7.8125e-03");
    EXPECT_EQ(Text(0.005), "5e-03");
    EXPECT_EQ(Text(4294967295.5), " 4294967295.5");
    EXPECT_EQ(Text(4294967296.0), "4.2949673e+09");
    EXPECT_EQ(Text(-1e12), "-1e+12");
    EXPECT_EQ(Text(123456789012.0), "1.23456789e+11");
}

TEST(PlusCommaZero, PadsAndNeverRemoves)
{
    struct Case {
        const char* in;
        int k;
        const char* out;
    } cases[] = {
        {" 2", 1, " 2.0"},     {" 2", 2, " 2.00"},     {" 2", 3, " 2.000"},     {" 0.5", 1, " 0.5"},
        {" 0.5", 2, " 0.50"},  {" 0.5", 3, " 0.500"},  {" 0.25", 3, " 0.250"},  {"-2", 3, "-2"},
        {"-2", 2, "-2.00"},    {"-2", 1, "-2.0"},      {" 2.123", 3, " 2.123"}, {" 2.1234", 2, " 2.1234"},
        {"-0.5", 3, "-0.500"}, {" 12.5", 2, " 12.50"}, {" 2.", 2, " 2."},
    };
    for (const Case& c : cases) EXPECT_EQ(PlusCommaZero(Str255(c.in), c.k).str(), c.out) << c.in << " k=" << c.k;
}

TEST(IntegerWidth, CountsIntegerDigitsPlusOne)
{
    EXPECT_EQ(IntegerWidth(0.0f), 2);
    EXPECT_EQ(IntegerWidth(9.99f), 2);
    EXPECT_EQ(IntegerWidth(10.0f), 3);
    EXPECT_EQ(IntegerWidth(99.9f), 3);
    EXPECT_EQ(IntegerWidth(100.0f), 4);
    EXPECT_EQ(IntegerWidth(999.99f), 4);
    EXPECT_EQ(IntegerWidth(1000.5f), 5);
    EXPECT_EQ(IntegerWidth(12345.0f), 6);
}

TEST(ReadNumber, DecimalInTheMannerOfStrtod)
{
    EXPECT_EQ(ReadNumber("12,5"), 12.0);
    EXPECT_EQ(ReadNumber("abc"), 0.0);
    EXPECT_EQ(ReadNumber(" 3.3e1"), 33.0);
    EXPECT_EQ(ReadNumber("\t 42abc"), 42.0);
    EXPECT_EQ(ReadNumber("\n\v\f\r5"), 5.0); // every blank strtod skips
    EXPECT_EQ(ReadNumber("+7"), 7.0);
    EXPECT_EQ(ReadNumber("-.5"), -0.5);
    EXPECT_EQ(ReadNumber(".5x"), 0.5);
    EXPECT_EQ(ReadNumber("5."), 5.0);
    EXPECT_EQ(ReadNumber("1e"), 1.0);
    EXPECT_EQ(ReadNumber("1e+"), 1.0);
    EXPECT_EQ(ReadNumber("2.5E-1"), 0.25);
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(ReadNumber("-"), 0.0);
    EXPECT_EQ(ReadNumber("."), 0.0);
    EXPECT_EQ(ReadNumber("0.1"), 0.1); // correctly rounded
    EXPECT_EQ(ReadNumber("38.2"), 38.2);
}

TEST(ReadNumber, NeverInfinityOrNanFromWords)
{
    EXPECT_EQ(ReadNumber("inf"), 0.0);
    EXPECT_EQ(ReadNumber("-infinity"), 0.0);
    EXPECT_EQ(ReadNumber("nan"), 0.0);
    EXPECT_EQ(ReadNumber("1e-999"), 0.0);
    EXPECT_TRUE(std::isinf(ReadNumber("1e999")));
    EXPECT_EQ(ToStoredFloat(ReadNumber("1e999")), FLT_MAX);
    EXPECT_EQ(ToStoredFloat(ReadNumber("-1e39")), -FLT_MAX);
    EXPECT_EQ(ToStoredFloat(ReadNumber("3.4028235e38")), FLT_MAX);
    EXPECT_EQ(ToStoredFloat(0.009), 0.009f);
}

TEST(ReadNumber, IntegerForms)
{
    EXPECT_EQ(ReadNumber("&HFF"), 255.0);
    EXPECT_EQ(ReadNumber("  &hff"), 255.0);
    EXPECT_EQ(ReadNumber("&O17"), 15.0);
    EXPECT_EQ(ReadNumber("&o8"), 0.0);
    EXPECT_EQ(ReadNumber("&X101"), 5.0);
    EXPECT_EQ(ReadNumber("&x12"), 1.0);
    EXPECT_EQ(ReadNumber("&1F"), 31.0);
    EXPECT_EQ(ReadNumber("&"), 0.0);
    EXPECT_EQ(ReadNumber("0x1F"), 31.0);
    EXPECT_EQ(ReadNumber("0X1fg"), 31.0);
    EXPECT_EQ(ReadNumber("-0x10"), -16.0);
    EXPECT_EQ(ReadNumber("0x"), 0.0);
    EXPECT_EQ(ReadNumber("0xg"), 0.0);
}

TEST(CellText, EdgeCasesOfEveryColumn)
{
    struct Case {
        int column;
        float v;
        const char* text;
    } cases[] = {
        {kColQts, 0.0125f, " 0.012"}, {kColQts, 0.0135f, " 0.014"},  {kColDia, 16.45f, " 16.4"},
        {kColVas, 25.0f, " 25"},      {kColVas, 25.5f, " 25.5"},     {kColVas, 25.123f, " 25.123"},
        {kColPemax, 60.0f, " 60"},    {kColPemax, 60.25f, " 60.25"}, {kColVd, 999.99f, " 999.99"},
        {kColVd, 1000.5f, " 1000.5"}, {kColVd, 1234.0f, " 1234.0"},  {kColVd, 12.3f, " 12.30"},
        {kColLe, 0.0089f, " 0.008"},  {kColLe, 0.0091f, " 0.009"},   {kColLe, 0.01f, " 0.010"},
        {kColLe, 0.5f, " 0.500"},     {kColLe, 0.0f, " 0.00"},       {kColLe, 0.0085f, " 0.008"},
        {kColLe, 0.001f, " 0.001"},   {kColLe, 0.005f, " 0.005"},    {kColLe, -0.5f, " 0.00"},
        {kColLe, 0.009f, " 0.009"},   {kColLe, 0.0001f, " 0.000"},   {kColQts, -2.0f, "-2"},
        {kColQts, -0.5f, "-0.500"},   {kColLe, 1e-30f, " 0.000"},    {kColLe, -1e10f, " 0.000"},
        {kColFs, 38.2f, " 38.2"},     {kColSd, 132.7f, " 132.7"},    {kColXmax, 4.5f, " 4.50"},
        {kColEffi, 0.5f, " 0.500"},   {kColRe, 5.6f, " 5.600"},      {kColQms, 3.25f, " 3.250"},
        {kColQes, 0.4f, " 0.400"},
    };
    for (const Case& c : cases) EXPECT_EQ(Cell(c.column, c.v), c.text) << "column " << c.column << " v " << c.v;
}

TEST(CellText, ZeroInEveryColumn)
{
    const char* expected[16] = {nullptr,  nullptr,  nullptr,  " 0.0", " 0.0", " 0",    " 0.000", " 0.000",
                                " 0.000", " 0.000", " 0.000", " 0",   " 0.0", " 0.00", " 0.00",  " 0.00"};
    for (int column = kColDia; column <= kColLe; ++column)
        EXPECT_EQ(Cell(column, 0.0f), expected[column]) << "column " << column;
}

TEST(CellText, RowCellsComeFromTheTable)
{
    SheetGlobalsDefaults();
    fNum = 12;
    Row(12).name = Str255("W8-1772");
    Row(12).range = Str255("Woofer");
    Row(12).Param(kColFs) = 38.2f;
    EXPECT_EQ(CellText(kColNo, 12).str(), " 12");
    EXPECT_EQ(CellText(kColName, 12).str(), "W8-1772");
    EXPECT_EQ(CellText(kColRange, 12).str(), "Woofer");
    EXPECT_EQ(CellText(kColFs, 12).str(), " 38.2");
    EXPECT_EQ(CellText(kColNo, 1).str(), " 1");
}

TEST(DigitOpt, OffersTheStoredValueRoundedWithoutPadding)
{
    struct Case {
        int column;
        double stored;
        const char* offer;
    } cases[] = {
        {kColFs, static_cast<double>(38.2f), " 38.2"},
        {kColQts, static_cast<double>(0.35f), " 0.35"},
        {kColQts, 0.0, " 0"},
        {kColDia, static_cast<double>(16.456f), " 16.46"},
        {kColPemax, static_cast<double>(60.125f), " 60.12"},
        {kColSd, static_cast<double>(132.75f), " 132.8"},
        {kColLe, static_cast<double>(0.0085f), " 0.008"},
        {kColLe, static_cast<double>(0.00049f), " 0"},
    };
    for (const Case& c : cases) {
        cellH = static_cast<std::int16_t>(c.column);
        EXPECT_EQ(DigitOpt(NumberText(c.stored)).str(), c.offer) << "column " << c.column;
    }
    for (int column : {kColNo, kColName, kColRange}) {
        cellH = static_cast<std::int16_t>(column);
        EXPECT_EQ(DigitOpt(Str255(" 38.200000763")).str(), " 38.200000763");
    }
}

} // namespace
