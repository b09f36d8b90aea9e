#include "Json.h"

#include "base/Values.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string JsonWriter::Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        auto u = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (u < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", u);
                out += buf;
            } else {
                out += c; // UTF-8 passes through
            }
        }
    }
    out += '"';
    return out;
}

std::string JsonWriter::FormatDouble(double number) {
    if (!std::isfinite(number) || number == NoValue)
        return "null";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, number);
    std::string text(buf, res.ptr);
    // Always show a double as a double, so 3 reads as 3.0 and not as an int.
    if (text.find_first_of(".e") == std::string::npos)
        text += ".0";
    return text;
}

void JsonWriter::Newline() {
    if (!pretty_)
        return;
    out_ += '\n';
    out_.append(first_.size() * 2, ' ');
}

void JsonWriter::Key(std::string_view key) {
    if (!first_.empty()) {
        if (!first_.back())
            out_ += ',';
        first_.back() = false;
        Newline();
    }
    if (!key.empty()) {
        out_ += Quote(key);
        out_ += pretty_ ? ": " : ":";
    }
}

JsonWriter& JsonWriter::BeginObject(std::string_view key) {
    Key(key);
    out_ += '{';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty)
        Newline();
    out_ += '}';
    if (first_.empty() && pretty_)
        out_ += '\n';
    return *this;
}

JsonWriter& JsonWriter::BeginArray(std::string_view key) {
    Key(key);
    out_ += '[';
    first_.push_back(true);
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    bool empty = first_.back();
    first_.pop_back();
    if (!empty)
        Newline();
    out_ += ']';
    return *this;
}

JsonWriter& JsonWriter::Value(std::string_view key, const std::string& text) {
    Key(key);
    out_ += Quote(text);
    return *this;
}

JsonWriter& JsonWriter::Value(std::string_view key, const char* text) {
    return Value(key, std::string(text));
}

JsonWriter& JsonWriter::Value(std::string_view key, bool flag) {
    Key(key);
    out_ += flag ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Value(std::string_view key, int number) {
    Key(key);
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::Value(std::string_view key, unsigned number) {
    Key(key);
    out_ += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::Number(std::string_view key, double number) {
    Key(key);
    out_ += FormatDouble(number);
    return *this;
}

JsonWriter& JsonWriter::Null(std::string_view key) {
    Key(key);
    out_ += "null";
    return *this;
}
