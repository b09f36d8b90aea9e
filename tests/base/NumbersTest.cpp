#include "base/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>

TEST(Numbers, RoundHalfUpRoundsTowardsPlusInfinityAtHalf) {
    const std::pair<double, int> cases[] = {{2.5, 3}, {-2.5, -2}, {2.4999, 2}, {3.75, 4},
                                            {4.5, 5}, {-0.5, 0},  {-0.51, -1}, {0.0, 0}};
    for (auto [x, expected] : cases)
        EXPECT_EQ(RoundHalfUp(x), expected) << x;
}

TEST(Numbers, FormattingUsesTheDecimalCommaWhateverTheLocale) {
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(FormatNumber(0.1, 2), "0,10");
    EXPECT_EQ(FormatNumber(-12.345, 1), "-12,3");
    EXPECT_EQ(FormatFixedPoint(0.1, 3, 2), "0.10");
    EXPECT_EQ(FormatFixedPoint(1.5, 6, 2), "  1.50");
}

TEST(Numbers, ParsingAcceptsCommaOrPointAndRejectsJunk) {
    EXPECT_DOUBLE_EQ(*ParseNumber("0,10"), 0.1);
    EXPECT_DOUBLE_EQ(*ParseNumber(" 2.5 "), 2.5);
    EXPECT_DOUBLE_EQ(*ParseNumber("-3"), -3.0);
    EXPECT_DOUBLE_EQ(*ParseNumber("+1e2"), 100.0);
    for (const char* bad : {"", " ", "abc", "1,2,3", "1.5x", "nan", "inf", "--1"})
        EXPECT_FALSE(ParseNumber(bad)) << bad;
    EXPECT_EQ(*ParseInteger(" 12 "), 12);
    EXPECT_EQ(*ParseInteger("-7"), -7);
    for (const char* bad : {"", "1,5", "x", "99999999999"})
        EXPECT_FALSE(ParseInteger(bad)) << bad;
}
