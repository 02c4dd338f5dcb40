#include "prefs/prefs_format.h"

#include <gtest/gtest.h>

TEST(PrefsFormat, RectanglesAsThePreferenceFileKeepsThem)
{
    EXPECT_EQ(RectText(LTRB(0, 44, 941, 444)), " 44, 0, 444, 941");
    EXPECT_EQ(RectText(LTRB(-1280, -20, 330, 305)), "-20,-1280, 305, 330");
    for (const Rect r : {LTRB(0, 44, 941, 444), LTRB(-1280, -20, 330, 305), LTRB(32767, -32768, 1, 0)})
        EXPECT_EQ(ReadRectText(RectText(r)), r);
    EXPECT_EQ(ReadRectText("  44,   0,444 ,941"), LTRB(0, 44, 941, 444));
    for (const char* bad : {"", "44, 0, 444", "44, 0, 444, 941, 5", "44; 0; 444; 941", "a, 0, 444, 941",
                            "44, 0, 444, 941x", "44, 0, 40000, 941", "44,, 444, 941"})
        EXPECT_FALSE(ReadRectText(bad).has_value()) << bad;
}

TEST(PrefsFormat, VersionsCompareByTheirDottedNumbers)
{
    struct Case {
        const char *a, *b;
        int order;
    };
    for (const Case& c :
         {Case{"1.10", "1.9.9", 1}, Case{"1.2.10", "1.3", -1}, Case{"1.2", "1.2.0", 0}, Case{"1.2.4", "1.2.3", 1},
          Case{"1.2.3", "1.2.3", 0}, Case{"2", "10", -1}, Case{" 1.2.4\n", "1.2.3", 1}, Case{"1.2.3.", "1.2.3", 0},
          Case{"1.2.3beta", "1.2.3", 0}, Case{"99999999999999999999999.1", "1", 1}, Case{"1..2", "1.0.2", -1}}) {
        EXPECT_EQ(CompareVersions(c.a, c.b), c.order) << c.a << " : " << c.b;
        EXPECT_EQ(CompareVersions(c.b, c.a), -c.order) << c.b << " : " << c.a;
    }
}

TEST(PrefsFormat, TheServerBaseKeepsAGivenSchemeAndPort)
{
    EXPECT_EQ(WebServerBase("kelvane.example"), "https://kelvane.example");
    EXPECT_EQ(WebServerBase("http://127.0.0.1:8765"), "http://127.0.0.1:8765");
    EXPECT_EQ(WebServerBase("https://kelvane.example/"), "https://kelvane.example");
}
