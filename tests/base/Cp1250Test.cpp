#include "base/Cp1250.h"

#include <gtest/gtest.h>

TEST(Cp1250, PolishLettersRoundTripWithExactBytes) {
    const std::string utf8 = "ąćęłńóśźżĄĆĘŁŃÓŚŹŻ°";
    const std::string expected = "\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF"
                                 "\xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF\xB0";
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp1250(utf8, &lossy), expected);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(Cp1250ToUtf8(expected), utf8);
}

TEST(Cp1250, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp1250(Cp1250ToUtf8(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(Cp1250, UnrepresentableCharactersBecomeQuestionMarksAndAreReported) {
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"π", "?"},           // Greek
        {"a\xE2\x82", "a??"}, // cut UTF-8 sequence: each stray byte
        {"\xFFx", "?x"},      // invalid byte
        {"€1", "\x80"
               "1"}, // the euro sign is in the code page
    };
    for (const Case& c : cases) {
        bool lossy = false;
        EXPECT_EQ(Utf8ToCp1250(c.utf8, &lossy), c.bytes) << c.utf8;
        EXPECT_EQ(lossy, c.bytes.find('?') != std::string::npos) << c.utf8;
    }
}
