#pragma once

#include <string>
#include <string_view>
#include <vector>

// A small streaming JSON writer for the command-line tool's machine-readable
// output. Numbers use a decimal point and the shortest text that reads back
// as the same double; NoValue (an absent optional number) is written as null.
class JsonWriter {
public:
    explicit JsonWriter(bool pretty = true) : pretty_(pretty) {}

    JsonWriter& BeginObject(std::string_view key = {});
    JsonWriter& EndObject();
    JsonWriter& BeginArray(std::string_view key = {});
    JsonWriter& EndArray();

    JsonWriter& Value(std::string_view key, const std::string& text);
    JsonWriter& Value(std::string_view key, const char* text);
    JsonWriter& Value(std::string_view key, bool flag);
    JsonWriter& Value(std::string_view key, int number);
    JsonWriter& Value(std::string_view key, unsigned number);
    // A double with full precision; NoValue, NaN and infinities become null.
    JsonWriter& Number(std::string_view key, double number);
    JsonWriter& Null(std::string_view key);

    const std::string& Text() const { return out_; }

    static std::string Quote(std::string_view text);
    static std::string FormatDouble(double number);

private:
    void Key(std::string_view key);
    void Newline();

    std::string out_;
    std::vector<bool> first_; // one entry per open container: no element written yet
    bool pretty_;
};
