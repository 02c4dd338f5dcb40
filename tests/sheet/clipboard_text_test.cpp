#include "sheet/clipboard_text.h"
#include "sheet/sheet_globals.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(ClipboardText, ModelTextAndSplittingItBack)
{
    SheetGlobalsDefaults();
    ClipboardTextDefaults();
    Row(1).name = Str255("n/a");
    Row(1).range = Str255("n/a");
    EXPECT_EQ(ModelText(1).size(), 63u); // a new model
    Row(1).name = Str255("A");
    Row(1).range = Str255("Woofer");
    Row(1).Param(kColDia) = 16.0f;
    Row(1).Param(kColFs) = 45.25f;
    std::string expected = "A  Woofer   16   45.25  ";
    for (int k = 0; k < 11; ++k) expected += " 0  ";
    EXPECT_EQ(ModelText(1).view(), expected + "\r"); // 69 bytes
    EXPECT_EQ((std::vector{s_SP, s_FS}), (std::vector{Str255("A"), Str255(" 45.25")}));
    // Rounded ties to even, signs kept, nothing below the last decimal.
    Row(1).Param(kColVas) = 25.1234f;
    Row(1).Param(kColDia) = 16.25f;
    ModelText(1);
    EXPECT_EQ((std::vector{s_VAS, s_DIA}), (std::vector{Str255(" 25.123"), Str255(" 16.2")}));
    Row(1).Param(kColVas) = 0.0004f;
    Row(1).Param(kColEffi) = -0.5f;
    Row(1).Param(kColDia) = 16.45f; // 1 decimal: 164.5 goes to 164
    Row(1).Param(kColPemax) = 60.25f;
    ModelText(1);
    EXPECT_EQ((std::vector{s_VAS, s_EFI, s_DIA, s_PEMX}),
              (std::vector{Str255(" 0"), Str255("-0.5"), Str255(" 16.4"), Str255(" 60.2")}));
    for (int c = kFirstParamColumn; c <= kColLe; ++c) Row(1).Param(c) = 1.23456f; // each column's decimals
    ModelText(1);
    EXPECT_EQ(
        (std::vector{s_DIA, s_FS, s_VAS, s_QTS, s_QES, s_QMS, s_EFI, s_RE, s_PEMX, s_SD, s_XMAX, s_VD, s_LE}),
        (std::vector<Str255>{Str255(" 1.2"), Str255(" 1.23"), Str255(" 1.235"), Str255(" 1.235"), Str255(" 1.235"),
                             Str255(" 1.235"), Str255(" 1.235"), Str255(" 1.235"), Str255(" 1.2"), Str255(" 1.2"),
                             Str255(" 1.23"), Str255(" 1.23"), Str255(" 1.235")}));
    Row(1).name = Str255(std::string(255, 'n')); // a long name cuts the text at 255 bytes
    EXPECT_EQ(ModelText(1).view(), std::string(255, 'n'));
    // Splitting a text fills the working copy.
    Row(1).name = Str255("KW 380");
    Row(1).range = Str255("Woofer");
    for (int c = kFirstParamColumn; c <= kColLe; ++c) Row(1).Param(c) = float(c) + 0.25f;
    cellH = 0;
    TextToParameterValue(ModelText(1));
    EXPECT_EQ((std::vector{s_SP, s_RANG}), (std::vector{Str255("KW 380"), Str255("Woofer")})); // single blanks are safe
    // Dia has 1 decimal, so 3.25 rounds to even.
    EXPECT_EQ((std::vector{DIA, FS, PEMX, LE}), (std::vector{3.2f, 4.25f, 11.2f, 15.25f}));
    Row(1).Param(kColLe) = 1e-3f; // exponential forms read back
    Row(1).Param(kColVd) = 5e9f;
    TextToParameterValue(ModelText(1));
    EXPECT_EQ((std::vector{LE, VD}), (std::vector{1e-3f, 5e9f}));
    TextToParameterValue(Str255("Two  blanks  Woofer   16"));
    // Two blanks in a name shift every later field.
    EXPECT_EQ(std::tuple(s_SP.str(), s_RANG.str(), DIA, FS), std::tuple("Two", "blanks", 0.0f, 16.0f));
    cellH = 1; // a cell selected: nothing is split
    TextToParameterValue(Str255("X  Y   1  "));
    EXPECT_EQ(s_SP, Str255("Two"));
}
