#include "sheet/model_table.h"
#include "sheet/sheet_texts.h"

#include <gtest/gtest.h>

TEST(SheetTexts, EfficiencyLineGivesTheLevelInDecibels)
{
    EXPECT_EQ(EfficiencyLine(0.5f), "Efficiency ( 89dB@1W1m )");
    EXPECT_EQ(EfficiencyLine(1.0f), "Efficiency ( 92dB@1W1m )");
    EXPECT_EQ(EfficiencyLine(0.25f), "Efficiency ( 86dB@1W1m )");
    EXPECT_EQ(EfficiencyLine(0.1f), "Efficiency ( 82dB@1W1m )");
    EXPECT_EQ(EfficiencyLine(0.3f), "Efficiency ( 86.8dB@1W1m )");
}

TEST(SheetTexts, NoLevelForNoEfficiency)
{
    for (float effi : {0.0f, -1.0f, -0.0f}) {
        const std::string line = EfficiencyLine(effi);
        EXPECT_EQ(line, "Efficiency ( -- dB@1W1m )");
        EXPECT_EQ(line.find("inf"), std::string::npos);
        EXPECT_EQ(line.find("nan"), std::string::npos);
    }
}
