#include "base/DateTime.h"

#include <gtest/gtest.h>

TEST(DateTime, DayNumbersCountFrom30December1899) {
    struct Case {
        CalendarDateTime parts;
        double days;
    };
    const Case cases[] = {
        {{1899, 12, 30, 0, 0, 0, 0}, 0.0},    {{1900, 1, 1, 0, 0, 0, 0}, 2.0},
        {{2000, 1, 1, 12, 0, 0, 0}, 36526.5}, {{2024, 5, 17, 9, 30, 0, 0}, 45429.0 + 9.5 / 24},
        {{1899, 12, 29, 0, 0, 0, 0}, -1.0},
    };
    for (const Case& c : cases) {
        auto encoded = EncodeDateTime(c.parts);
        ASSERT_TRUE(encoded);
        EXPECT_NEAR(*encoded, c.days, 1e-9);
        CalendarDateTime back = DecodeDateTime(c.days);
        EXPECT_EQ(back.year, c.parts.year);
        EXPECT_EQ(back.month, c.parts.month);
        EXPECT_EQ(back.day, c.parts.day);
        EXPECT_EQ(back.hour, c.parts.hour);
        EXPECT_EQ(back.minute, c.parts.minute);
    }
}

TEST(DateTime, InvalidDatesAreRefused) {
    EXPECT_FALSE(EncodeDateTime({2023, 2, 29, 0, 0, 0, 0}));
    EXPECT_TRUE(EncodeDateTime({2024, 2, 29, 0, 0, 0, 0}));
    EXPECT_FALSE(EncodeDateTime({0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(EncodeDateTime({2024, 1, 1, 24, 0, 0, 0}));
}

TEST(DateTime, NowIsARecentDayAndDecodesToTheLastMillisecondOfADay) {
    EXPECT_GT(NowDateTime(), 45000.0);
    CalendarDateTime late = DecodeDateTime(45429.0 + 86399999.0 / 86400000.0);
    EXPECT_EQ(late.day, 17);
    EXPECT_EQ(late.hour, 23);
    EXPECT_EQ(late.second, 59);
    EXPECT_EQ(late.millisecond, 999);
}
