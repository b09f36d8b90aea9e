#include "Json.h"

#include "base/Values.h"

#include <gtest/gtest.h>

TEST(JsonWriter, NumbersKeepFullPrecisionAndAPoint) {
    const std::pair<double, const char*> cases[] = {
        {0.1, "0.1"},      {3.0, "3.0"},
        {-2.5, "-2.5"},    {0.30000000000000004, "0.30000000000000004"},
        {NoValue, "null"}, {1e300, "1e+300"},
        {0.0, "0.0"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(JsonWriter::FormatDouble(value), text) << value;
}

TEST(JsonWriter, StringsAreEscaped) {
    EXPECT_EQ(JsonWriter::Quote("a\"b\\c\r\n\x01ż"), "\"a\\\"b\\\\c\\r\\n\\u0001ż\"");
}

TEST(JsonWriter, NestedObjectsAndArrays) {
    JsonWriter json(false);
    json.BeginObject().Value("a", 1).BeginArray("b").BeginObject().Value("c", true).EndObject();
    json.BeginObject().EndObject().EndArray().Null("d").EndObject();
    EXPECT_EQ(json.Text(), "{\"a\":1,\"b\":[{\"c\":true},{}],\"d\":null}");
}
