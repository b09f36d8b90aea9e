#include "base/Text.h"

#include <array>
#include <utility>

std::string GetToken(std::string_view text, char separator, int index) {
    if (index < 0)
        return {};
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        size_t at = text.find(separator, start);
        if (at == std::string_view::npos)
            return {};
        start = at + 1;
    }
    size_t end = text.find(separator, start);
    // The last field runs to the end of the text.
    if (end == std::string_view::npos)
        end = text.size();
    return std::string(text.substr(start, end - start));
}

std::string ReplaceChar(std::string_view text, char from, char to) {
    std::string out(text);
    for (char& c : out)
        if (c == from)
            c = to;
    return out;
}

std::string MakeFileNameSafe(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        switch (c) {
        case '*':
        case '<':
        case '>':
        case '?':
            c = '@';
            break;
        case '/':
        case '\\':
        case '|':
            c = '_';
            break;
        case ':':
            c = ';';
            break;
        case '"':
            c = '\'';
            break;
        default:
            break;
        }
    }
    return out;
}

std::string Trim(std::string_view text) {
    const char* blanks = " \t\r\n";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    size_t last = text.find_last_not_of(blanks);
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            return fields;
        }
        fields.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
}

std::string ToUpperPolish(std::string_view text) {
    // Lower- and upper-case pairs of the Polish letters, as UTF-8.
    static const std::array<std::pair<std::string_view, std::string_view>, 9> polish = {{
        {"ą", "Ą"},
        {"ć", "Ć"},
        {"ę", "Ę"},
        {"ł", "Ł"},
        {"ń", "Ń"},
        {"ó", "Ó"},
        {"ś", "Ś"},
        {"ź", "Ź"},
        {"ż", "Ż"},
    }};
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto& [lower, upper] : polish) {
            if (text.substr(i, lower.size()) == lower) {
                out += upper;
                i += lower.size();
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        char c = text[i++];
        out += (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    }
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[i]) != lower(prefix[i]))
            return false;
    return true;
}

bool EndsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}
