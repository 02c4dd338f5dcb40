#include "print/print_layout.h"

#include <gtest/gtest.h>
#include <tuple>

// The pages of 0, 40, 41 and 500 models are read back from PDFs in the print tests; here the full table's.
TEST(PrintLayout, AFullTableTakes820Pages)
{
    EXPECT_EQ(std::tuple(PageCount(32767), FirstRowOfPage(820), LastRowOfPage(820, 32767)),
              std::tuple(820, 32761, 32767));
}

TEST(PrintLayout, TheScaleFitsTheTableAndTakesThePercentageOnce)
{
    EXPECT_EQ(BasePrintScale(806, 559), 78);    // A4 landscape less a quarter inch: by the height
    EXPECT_EQ(BasePrintScale(559, 806), 56);    // portrait: by the width
    EXPECT_EQ(BasePrintScale(756, 576), 76);    // Letter landscape is too square to go by the height
    EXPECT_EQ(BasePrintScale(1350, 1000), 136); // exactly 1.35 still goes by the width
    EXPECT_EQ(BasePrintScale(1351, 1000), 139);
    EXPECT_EQ(std::tuple(PrintScale(78, 100), PrintScale(78, 50), PrintScale(78, 200)), std::tuple(78.0, 39.0, 156.0));
}

TEST(PrintLayout, TitleAndCounterTexts)
{
    EXPECT_EQ(PrintTitle("Woofers.SpData"), "Thiele/Small Parameters Table of ''Woofers''");
    EXPECT_EQ(PrintTitle("a.spdata.spdata"), "Thiele/Small Parameters Table of ''a.spdata''");
    EXPECT_EQ(PrintTitle("drivers"), "Thiele/Small Parameters Table of ''drivers''");
    EXPECT_EQ(PrintTitle(""), "Thiele/Small Parameters Table");
    EXPECT_EQ(PrintTitle(".spdata"), "Thiele/Small Parameters Table");
    EXPECT_EQ(PageCounterText(13, 820), "Page :  13/ 820");
}
