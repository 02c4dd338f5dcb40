#include "print/print_layout.h"

#include <gtest/gtest.h>

TEST(PrintLayout, FortyModelsAPageAndAlwaysOnePage)
{
    struct Case {
        int models, pages, lastPageFirst, lastPageLast;
    };
    for (const Case& c : {Case{0, 1, 1, 0}, Case{1, 1, 1, 1}, Case{40, 1, 1, 40}, Case{41, 2, 41, 41},
                          Case{500, 13, 481, 500}, Case{32767, 820, 32761, 32767}}) {
        SCOPED_TRACE(c.models);
        EXPECT_EQ(PageCount(c.models), c.pages);
        EXPECT_EQ(FirstRowOfPage(c.pages), c.lastPageFirst);
        EXPECT_EQ(LastRowOfPage(c.pages, c.models), c.lastPageLast);
    }
    EXPECT_EQ(LastRowOfPage(1, 41), 40);
}

TEST(PrintLayout, TheScaleFitsTheTableAndTakesThePercentageOnce)
{
    EXPECT_EQ(BasePrintScale(806, 559), 78);   // A4 landscape less a quarter inch: by the height
    EXPECT_EQ(BasePrintScale(559, 806), 56);   // portrait: by the width
    EXPECT_EQ(BasePrintScale(756, 576), 76);   // Letter landscape is too square to go by the height
    EXPECT_EQ(BasePrintScale(1350, 1000), 136); // exactly 1.35 still goes by the width
    EXPECT_EQ(BasePrintScale(1351, 1000), 139);
    EXPECT_DOUBLE_EQ(PrintScale(78, 100), 78);
    EXPECT_DOUBLE_EQ(PrintScale(78, 50), 39);
    EXPECT_DOUBLE_EQ(PrintScale(78, 200), 156);
}

TEST(PrintLayout, TitleAndCounterTexts)
{
    EXPECT_EQ(PrintTitle("untitled.spdata"), "Thiele/Small Parameters Table of ''untitled''");
    EXPECT_EQ(PrintTitle("Woofers.SpData"), "Thiele/Small Parameters Table of ''Woofers''");
    EXPECT_EQ(PrintTitle("a.spdata.spdata"), "Thiele/Small Parameters Table of ''a.spdata''");
    EXPECT_EQ(PrintTitle("drivers"), "Thiele/Small Parameters Table of ''drivers''");
    EXPECT_EQ(PrintTitle(""), "Thiele/Small Parameters Table");
    EXPECT_EQ(PrintTitle(".spdata"), "Thiele/Small Parameters Table");
    EXPECT_EQ(PageCounterText(2, 3), "Page :  2/ 3");
    EXPECT_EQ(PageCounterText(13, 820), "Page :  13/ 820");
}
