#include "sheet/clipboard_text.h"
#include "sheet/sheet_globals.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

class ClipboardText : public ::testing::Test {
protected:
    void SetUp() override
    {
        SheetGlobalsDefaults();
        ClipboardTextDefaults();
    }
};

TEST_F(ClipboardText, TheSixtyNineByteExample)
{
    Row(1).name = Str255("A");
    Row(1).range = Str255("Woofer");
    Row(1).Param(kColDia) = 16.0f;
    Row(1).Param(kColFs) = 45.25f;
    std::string expected = "A  Woofer   16   45.25  ";
    for (int k = 0; k < 11; ++k) expected += " 0  ";
    expected += "\r";
    const Str255 text = ModelText(1);
    EXPECT_EQ(text.view(), expected);
    EXPECT_EQ(text.size(), 69u);
    EXPECT_EQ(s_SP, Str255("A"));
    EXPECT_EQ(s_FS, Str255(" 45.25"));
    Row(1).Param(kColVas) = 25.1234f; // each parameter with its decimals
    Row(1).Param(kColDia) = 16.25f;
    ModelText(1);
    EXPECT_EQ(s_VAS, Str255(" 25.123"));
    EXPECT_EQ(s_DIA, Str255(" 16.2")); // ties to even
}

TEST_F(ClipboardText, RoundingSignsAndTheNewModel)
{
    ModelRecord& m = Row(1);
    m.name = Str255("n/a");
    m.range = Str255("n/a");
    EXPECT_EQ(ModelText(1).size(), 63u); // a new model
    m.Param(kColVas) = 0.0004f;
    m.Param(kColEffi) = -0.5f;
    m.Param(kColDia) = 16.45f; // 1 decimal, ties to even on 164.5
    m.Param(kColPemax) = 60.25f;
    ModelText(1);
    EXPECT_EQ(s_VAS, Str255(" 0"));
    EXPECT_EQ(s_EFI, Str255("-0.5"));
    EXPECT_EQ(s_DIA, Str255(" 16.4"));
    EXPECT_EQ(s_PEMX, Str255(" 60.2"));
}

TEST_F(ClipboardText, ALongNameCutsTheTextAt255Bytes)
{
    Row(1).name = Str255(std::string(255, 'n'));
    const Str255 text = ModelText(1);
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.view(), std::string(255, 'n'));
}

TEST_F(ClipboardText, SplittingFillsTheWorkingCopy)
{
    Row(1).name = Str255("KW 380");
    Row(1).range = Str255("Woofer");
    for (int c = kFirstParamColumn; c <= kColLe; ++c) Row(1).Param(c) = float(c) + 0.25f;
    const Str255 text = ModelText(1);
    cellH = 0;
    TextToParameterValue(text);
    EXPECT_EQ(s_SP, Str255("KW 380")); // single blanks inside a text are safe
    EXPECT_EQ(s_RANG, Str255("Woofer"));
    EXPECT_EQ(DIA, 3.2f); // 1 decimal: 3.25 rounds to even
    EXPECT_EQ(FS, 4.25f);
    EXPECT_EQ(PEMX, 11.2f);
    EXPECT_EQ(LE, 15.25f);

    TextToParameterValue(Str255("Two  blanks  Woofer   16"));
    EXPECT_EQ(s_SP, Str255("Two"));
    EXPECT_EQ(s_RANG, Str255("blanks")); // two blanks in a name shift every later field
    EXPECT_EQ(DIA, 0.0f);
    EXPECT_EQ(FS, 16.0f);

    cellH = 1; // a cell selected: nothing is split
    TextToParameterValue(Str255("X  Y   1  "));
    EXPECT_EQ(s_SP, Str255("Two"));
}

TEST_F(ClipboardText, ExponentialFormsReadBack)
{
    Row(1).Param(kColLe) = 1e-3f;
    Row(1).Param(kColVd) = 5e9f;
    const Str255 text = ModelText(1);
    cellH = 0;
    TextToParameterValue(text);
    EXPECT_EQ(LE, 1e-3f);
    EXPECT_EQ(VD, 5e9f);
}

} // namespace
