#include "sheet/model_table.h"
#include "sheet/number_format.h"
#include "sheet/sheet_globals.h"
#include "sheet/sheet_texts.h"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>

TEST(NumberText, DecimalRoundThenFixedOrExponentialForm)
{
    // 0.0125f * 1000 is exactly 12.5 and rounds to 12. The stored 2.675 is just below it, but its single-precision
    // product is 267.5. A product beyond the float range would be infinite: the value stays.
    const std::tuple<float, int, double> cases[] = {
        {0.0125f, 3, 12 / 1000.0}, {0.0135f, 3, 14 / 1000.0}, {2.675f, 2, 268 / 100.0}, {16.45f, 1, 164 / 10.0},
        {0.125f, 2, 12 / 100.0},   {0.375f, 2, 38 / 100.0},   {-2.5f, 1, -25 / 10.0},   {0.5f, 1, 0.5},
        {FLT_MAX, 3, FLT_MAX},     {-1e37f, 2, -1e37f},
    };
    for (const auto& [v, k, rounded] : cases) EXPECT_EQ(DecimalRound(v, k), rounded) << v << " k=" << k;
    EXPECT_EQ(NumberText(DecimalRound(FLT_MAX, 3)).str(), "3.40282347e+38");
    const std::pair<double, const char*> plain[] = {
        {0.0, " 0"},     {-0.0, " 0"},         {16.5, " 16.5"}, {0.35, " 0.35"},  {-1.5, "-1.5"},
        {2500, " 2500"}, {1e9, " 1000000000"}, {12, " 12"},     {0.005, "5e-03"}, {-1e12, "-1e+12"},
    };
    for (const auto& [x, text] : plain) EXPECT_EQ(NumberText(x).str(), text) << x;
    // The decimals shrink as the binary exponent grows: 11 below 0.125, 12
    // below 1/64, 8 from 256. Below 2^-7 and from 2^32 the exponential form.
    const double justBelow = std::nextafter(0.0078125, 0.0);
    const std::pair<double, const char*> singles[] = {
        {38.2f, " 38.200000763"},
        {0.1f, " 0.10000000149"},
        {300.1f, " 300.1000061"},
        {0.01f, " 0.009999999776"},
        {0.0078125, " 0.0078125"},
        {-0.0078125, "-0.0078125"},
        {justBelow, "7.8125e-03"},
        {4294967295.5, " 4294967295.5"},
        {4294967296.0, "4.2949673e+09"},
        {123456789012.0, "1.23456789e+11"},
        {131072.123456789, " 131072.123457"},
        {16384.123456789, " 16384.123457"},
    };
    for (const auto& [x, text] : singles) EXPECT_EQ(NumberText(x).str(), text) << x;
}

TEST(ReadNumber, InTheMannerOfStrtodPlusIntegerForms)
{
    // Never infinity or NaN from words, and an underflow reads as 0.
    const std::pair<const char*, double> cases[] = {
        {"12,5", 12.0},  {"abc", 0.0},     {" 3.3e1", 33.0},  {"\t 42abc", 42.0}, {"\n\v\f\r5", 5.0},
        {"+7", 7.0},     {"-.5", -0.5},    {".5x", 0.5},      {"5.", 5.0},        {"1e", 1.0},
        {"1e+", 1.0},    {"2.5E-1", 0.25}, {"", 0.0},         {"-", 0.0},         {".", 0.0},
        {"0.1", 0.1},    {"38.2", 38.2},   {"inf", 0.0},      {"-infinity", 0.0}, {"nan", 0.0},
        {"1e-999", 0.0}, {"&HFF", 255.0},  {"  &hff", 255.0}, {"&O17", 15.0},     {"&o8", 0.0},
        {"&X101", 5.0},  {"&x12", 1.0},    {"&1F", 31.0},     {"&", 0.0},         {"0x1F", 31.0},
        {"0X1fg", 31.0}, {"-0x10", -16.0}, {"0x", 0.0},       {"0xg", 0.0},       {"--5", 0.0},
        {"+-5", 0.0},    {"0xaA", 170.0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(std::isinf(ReadNumber("1e999")));
    EXPECT_EQ((std::vector{ToStoredFloat(ReadNumber("1e999")), ToStoredFloat(ReadNumber("-1e39")),
                           ToStoredFloat(ReadNumber("3.4028235e38")), ToStoredFloat(0.009)}),
              (std::vector{FLT_MAX, -FLT_MAX, FLT_MAX, 0.009f}));
}

TEST(CellText, PaddingEveryColumnAndTheEditOffer)
{
    const std::tuple<int, float, const char*> cases[] = {
        {kColQts, 0.0125f, " 0.012"}, {kColQts, 0.0135f, " 0.014"},  {kColDia, 16.45f, " 16.4"},
        {kColVas, 25.0f, " 25"},      {kColVas, 25.5f, " 25.5"},     {kColVas, 25.123f, " 25.123"},
        {kColPemax, 60.0f, " 60"},    {kColPemax, 60.25f, " 60.25"}, {kColPemax, 60.125f, " 60.12"},
        {kColVd, 999.99f, " 999.99"}, {kColVd, 1000.5f, " 1000.5"},  {kColVd, 1234.0f, " 1234.0"},
        {kColVd, 12.3f, " 12.30"},    {kColLe, 0.0089f, " 0.008"},   {kColLe, 0.0091f, " 0.009"},
        {kColLe, 0.01f, " 0.010"},    {kColLe, 0.5f, " 0.500"},      {kColLe, 0.0f, " 0.00"},
        {kColLe, 0.0085f, " 0.008"},  {kColLe, 0.001f, " 0.001"},    {kColLe, 0.005f, " 0.005"},
        {kColLe, -0.5f, " 0.00"},     {kColLe, 0.009f, " 0.009"},    {kColLe, 0.0001f, " 0.000"},
        {kColQts, -2.0f, "-2"},       {kColQts, -0.5f, "-0.500"},    {kColLe, 1e-30f, " 0.000"},
        {kColLe, -1e10f, " 0.000"},   {kColFs, 38.2f, " 38.2"},      {kColSd, 132.7f, " 132.7"},
        {kColXmax, 4.5f, " 4.50"},    {kColEffi, 0.5f, " 0.500"},    {kColRe, 5.6f, " 5.600"},
        {kColQms, 3.25f, " 3.250"},   {kColQes, 0.4f, " 0.400"},
    };
    for (const auto& [column, v, text] : cases)
        EXPECT_EQ(ParameterCellText(column, v).str(), text) << "column " << column << " v " << v;
    // A row's cells: its number, its texts and its values.
    SheetGlobalsDefaults();
    Row(12).name = Str255("W8-1772");
    Row(12).range = Str255("Woofer");
    Row(12).Param(kColFs) = 38.2f;
    EXPECT_EQ((std::vector{CellText(kColNo, 12).str(), CellText(kColName, 12).str(), CellText(kColRange, 12).str(),
                           CellText(kColFs, 12).str(), CellText(kColNo, 1).str()}),
              (std::vector<std::string>{" 12", "W8-1772", "Woofer", " 38.2", " 1"}));
    // Each parameter column's zero, and the edit field's offer: the stored value rounded to the column's decimals,
    // without padding. 1.23456 reads differently at 1, 2 and 3 decimals.
    const char* zeros[16] = {nullptr,  nullptr,  nullptr,  " 0.0", " 0.0", " 0",    " 0.000", " 0.000",
                             " 0.000", " 0.000", " 0.000", " 0",   " 0.0", " 0.00", " 0.00",  " 0.00"};
    const char* offers[16] = {nullptr,  nullptr,  nullptr,  " 1.23", " 1.23", " 1.235", " 1.235", " 1.235",
                              " 1.235", " 1.235", " 1.235", " 1.23", " 1.2",  " 1.23",  " 1.23",  " 1.235"};
    for (int column = kColDia; column <= kColLe; ++column) {
        cellH = static_cast<std::int16_t>(column);
        EXPECT_EQ(ParameterCellText(column, 0.0f).str(), zeros[column]) << "column " << column;
        EXPECT_EQ(DigitOpt(NumberText(1.23456f)).str(), offers[column]) << "column " << column;
    }
    // Ties go to even; 0, and a value too small for the decimals, offer " 0".
    const std::tuple<int, float, const char*> rounded[] = {
        {kColPemax, 60.125f, " 60.12"}, {kColSd, 132.75f, " 132.8"}, {kColLe, 0.0085f, " 0.008"},
        {kColLe, 0.00049f, " 0"},       {kColQts, 0.0f, " 0"},
    };
    for (const auto& [column, stored, offer] : rounded)
        EXPECT_EQ(DigitOpt(NumberText(stored), column).str(), offer) << "column " << column;
    for (int column : {kColNo, kColName, kColRange}) // texts are offered as they are
        EXPECT_EQ(DigitOpt(Str255(" 38.200000763"), column).str(), " 38.200000763");
    // Padding to k decimals never removes any.
    const std::tuple<const char*, int, const char*> padded[] = {
        {" 2", 1, " 2.0"},     {" 2", 2, " 2.00"},     {" 2", 3, " 2.000"},     {" 0.5", 1, " 0.5"},
        {" 0.5", 2, " 0.50"},  {" 0.5", 3, " 0.500"},  {" 0.25", 3, " 0.250"},  {"-2", 3, "-2"},
        {"-2", 2, "-2.00"},    {"-2", 1, "-2.0"},      {" 2.123", 3, " 2.123"}, {" 2.1234", 2, " 2.1234"},
        {"-0.5", 3, "-0.500"}, {" 12.5", 2, " 12.50"}, {" 2.", 2, " 2."},
    };
    for (const auto& [in, k, out] : padded) EXPECT_EQ(PlusCommaZero(Str255(in), k).str(), out) << in << " k=" << k;
    // Integer digits plus one.
    const std::pair<float, int> widths[]
        = {{0.0f, 2}, {9.99f, 2}, {10.0f, 3}, {99.9f, 3}, {100.0f, 4}, {999.99f, 4}, {1000.5f, 5}, {12345.0f, 6}};
    for (const auto& [v, width] : widths) EXPECT_EQ(IntegerWidth(v), width) << v;
}

// No level exists for an efficiency of 0 or below: "--", never "-inf" or "nan".
TEST(SheetTexts, EfficiencyLineAndColumnLabelBounds)
{
    const std::pair<float, const char*> cases[] = {
        {0.5f, "Efficiency ( 89dB@1W1m )"},   {1.0f, "Efficiency ( 92dB@1W1m )"},   {0.25f, "Efficiency ( 86dB@1W1m )"},
        {0.1f, "Efficiency ( 82dB@1W1m )"},   {0.3f, "Efficiency ( 86.8dB@1W1m )"}, {0.0f, "Efficiency ( -- dB@1W1m )"},
        {-1.0f, "Efficiency ( -- dB@1W1m )"}, {-0.0f, "Efficiency ( -- dB@1W1m )"},
    };
    for (const auto& [effi, line] : cases) EXPECT_EQ(EfficiencyLine(effi), line) << effi;
    EXPECT_EQ(std::string(ColumnLabel(16)) + ColumnLabel(-1), ""); // past either end of the columns: no label
}
