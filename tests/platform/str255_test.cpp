#include "platform/str255.h"

#include <gtest/gtest.h>
#include <string>

TEST(Str255, CutsEveryJoiningAt255Bytes)
{
    const std::string long300(300, 'a');
    EXPECT_EQ(Str255(long300).size(), 255u);

    Str255 s(std::string(250, 'x'));
    s += "0123456789";
    EXPECT_EQ(s.size(), 255u);
    EXPECT_EQ(s.view().substr(250), "01234");

    const Str255 joined = Str255("ab") + Str255(std::string(254, 'c'));
    EXPECT_EQ(joined.size(), 255u);
    EXPECT_EQ(joined.view().substr(0, 3), "abc");
}

TEST(Str255, KeepsEveryByteValue)
{
    std::string all;
    for (int b = 0; b < 255; ++b) all.push_back(static_cast<char>(b));
    const Str255 s(all);
    EXPECT_EQ(s.view(), all);
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[254], 254);
}

TEST(Str255, ComparesLengthAndBytes)
{
    EXPECT_EQ(Str255("n/a"), Str255("n/a"));
    EXPECT_FALSE(Str255("n/a") == Str255("n/a "));
    EXPECT_FALSE(Str255(std::string_view("a\0", 2)) == Str255("a"));
    EXPECT_TRUE(Str255().empty());
}
