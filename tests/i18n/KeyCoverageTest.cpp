// Every text the program passes to Translate as a string literal must have an
// English row, or the English interface would show "?" and the Polish key.
// The keys are collected from the sources themselves, so a caption added
// later is checked without anyone keeping a list.
#include "i18n/Localization.h"

#include "base/FileIo.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace {

bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Reads a C++ string literal starting at the opening quote; returns false
// when it is not one this collector understands.
bool ReadStringLiteral(std::string_view source, size_t& at, std::string& value) {
    if (at >= source.size() || source[at] != '"')
        return false;
    value.clear();
    for (++at; at < source.size(); ++at) {
        char c = source[at];
        if (c == '"') {
            ++at;
            return true;
        }
        if (c == '\n')
            return false;
        if (c == '\\' && at + 1 < source.size()) {
            char escaped = source[++at];
            switch (escaped) {
            case 'n':
                value += '\n';
                break;
            case 'r':
                value += '\r';
                break;
            case 't':
                value += '\t';
                break;
            default:
                value += escaped;
                break;
            }
            continue;
        }
        value += c;
    }
    return false;
}

void SkipBlanks(std::string_view source, size_t& at) {
    while (at < source.size() &&
           (source[at] == ' ' || source[at] == '\t' || source[at] == '\r' || source[at] == '\n'))
        ++at;
}

// The literal keys of the calls Translate("key") and Translate("key", ...):
// a literal that is the whole first argument (not part of an expression).
std::vector<std::string> TranslateKeys(std::string_view source) {
    static constexpr std::string_view call = "Translate(";
    std::vector<std::string> keys;
    for (size_t at = source.find(call); at != std::string_view::npos;
         at = source.find(call, at + 1)) {
        if (at > 0 && IsIdentifierChar(source[at - 1]))
            continue;
        size_t pos = at + call.size();
        SkipBlanks(source, pos);
        std::string key;
        if (!ReadStringLiteral(source, pos, key))
            continue;
        SkipBlanks(source, pos);
        if (pos < source.size() && (source[pos] == ',' || source[pos] == ')'))
            keys.push_back(key);
    }
    return keys;
}

// key -> the files that use it
std::map<std::string, std::set<std::string>> KeysOfSources(const std::filesystem::path& root) {
    std::map<std::string, std::set<std::string>> keys;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::filesystem::path& path = entry.path();
        if (!entry.is_regular_file() || (path.extension() != ".cpp" && path.extension() != ".h"))
            continue;
        std::string source;
        if (!ReadWholeFile(path.string(), source).ok)
            continue;
        for (const std::string& key : TranslateKeys(source))
            keys[key].insert(std::filesystem::relative(path, root).string());
    }
    return keys;
}

TEST(KeyCoverage, CollectorFindsLiteralFirstArgumentsOnly) {
    const char* source = "x = Translate(\"Strona\", \" \");\n"
                         "y = Translate( \"Styl \\\"Noc\\\"\" );\n"
                         "z = Translate(key);\n"
                         "w = Translate(\"a\" + b);\n"
                         "v = MyTranslate(\"no\");\n"
                         "u = Translate(\n    \">1Profil\")";
    EXPECT_EQ(TranslateKeys(source),
              (std::vector<std::string>{"Strona", "Styl \"Noc\"", ">1Profil"}));
}

TEST(KeyCoverage, EveryLiteralKeyOfTheProgramHasAnEnglishRow) {
    auto keys = KeysOfSources(QUISTRA_SOURCE_DIR);
    // The catalogue, the main window and the report all pass literals; a scan
    // that finds next to nothing has lost the sources.
    ASSERT_GT(keys.size(), 5u) << "no Translate keys found under " << QUISTRA_SOURCE_DIR;
    std::string missing;
    for (const auto& [key, files] : keys) {
        // A key with a colon can never be found (the colon separates fields).
        if (key.find(':') != std::string::npos || EnglishTable().Find(key) != nullptr)
            continue;
        missing += "\n  \"" + key + "\" (" + *files.begin() + ")";
    }
    EXPECT_TRUE(missing.empty()) << "keys without an English row:" << missing;
}

TEST(KeyCoverage, EveryLiteralContextKeyHasAPolishRow) {
    // ">1Profil" and the like are made unique for the English table only; the
    // Polish table must map them back, or Polish users see the prefix.
    std::string missing;
    for (const auto& [key, files] : KeysOfSources(QUISTRA_SOURCE_DIR)) {
        bool context = key.rfind(">", 0) == 0 ||
                       (key.size() > 1 && key[1] == '>' && key[0] >= '0' && key[0] <= '9');
        if (context && PolishTable().Find(key) == nullptr)
            missing += "\n  \"" + key + "\" (" + *files.begin() + ")";
    }
    EXPECT_TRUE(missing.empty()) << "context keys without a Polish row:" << missing;
}

} // namespace
