#include "base/Text.h"

#include <gtest/gtest.h>

TEST(Text, GetTokenFields) {
    struct Case {
        const char* text;
        int index;
        const char* expected;
    };
    const Case cases[] = {
        {"a:b:c", 0, "a"}, {"a:b:c", 1, "b"}, {"a:b:c", 2, "c"},
        {"a:b:c", 3, ""},  {"a:b:c", -1, ""}, {"", 0, ""},
        {"abc", 0, "abc"}, {"x::y", 1, ""},   {"P[d]#Pg", 1, "Pg"},
    };
    for (const Case& c : cases) {
        char sep = std::string(c.text).find('#') != std::string::npos ? '#' : ':';
        EXPECT_EQ(GetToken(c.text, sep, c.index), c.expected) << c.text << " " << c.index;
    }
}

TEST(Text, ReplaceCharAndFileNameSafety) {
    EXPECT_EQ(ReplaceChar("a#b#c", '#', '\n'), "a\nb\nc");
    EXPECT_EQ(MakeFileNameSafe("a*b<c>d?e/f\\g|h:i\"j"), "a@b@c@d@e_f_g_h;i'j");
    EXPECT_EQ(MakeFileNameSafe("S-1 Łódź"), "S-1 Łódź");
}

TEST(Text, PrefixesWithAndWithoutCase) {
    EXPECT_TRUE(StartsWith("P[d]", "P["));
    EXPECT_FALSE(StartsWith("p[d]", "P["));
    EXPECT_TRUE(StartsWithIgnoringCase("piasek", "PI"));
    EXPECT_TRUE(StartsWithIgnoringCase("Symbol", "symbol"));
    EXPECT_FALSE(StartsWithIgnoringCase("P", "PI"));
    EXPECT_FALSE(StartsWithIgnoringCase("ps", "PI"));
}

TEST(Text, TrimSplitUpper) {
    EXPECT_EQ(Trim("  x y\r\n"), "x y");
    EXPECT_EQ(Split("a;;b", ';'), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(ToUpperPolish("piasek żółty ąę"), "PIASEK ŻÓŁTY ĄĘ");
}
