// Every text the program passes to Translate as a string literal must have an
// English row, or the English interface would show "?" and the Polish key.
// The keys are collected from the sources themselves, so a caption added
// later is checked without anyone keeping a list.
#include "i18n/Localization.h"

#include "base/FileIo.h"
#include "base/Text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
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

// The literal keys of the calls Translate("key") and Translate("key", ...)
// and of the same calls to the given wrappers: a literal that is the whole
// first argument (not part of an expression).
std::vector<std::string> TranslateKeys(std::string_view source,
                                       const std::set<std::string>& wrappers = {}) {
    std::vector<std::string> keys;
    for (size_t at = source.find('('); at != std::string_view::npos;
         at = source.find('(', at + 1)) {
        size_t nameStart = at;
        while (nameStart > 0 && IsIdentifierChar(source[nameStart - 1]))
            --nameStart;
        std::string name(source.substr(nameStart, at - nameStart));
        if (name != "Translate" && wrappers.count(name) == 0)
            continue;
        size_t pos = at + 1;
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

// Functions that hand their first parameter, a text, straight to Translate
// (for example a wrapper that returns the translation as a toolkit string):
// their literal first arguments are keys as well.
std::set<std::string> TranslateWrappers(std::string_view source) {
    static const std::regex definition(
        R"(^\s*[\w:<>*& ]*?\b(\w+)\((?:std::string_view|const char ?\*|const std::string ?&) ?(\w+)[,)])");
    std::set<std::string> wrappers;
    std::vector<std::string> lines = Split(source, '\n');
    for (size_t i = 0; i < lines.size(); ++i) {
        std::smatch match;
        if (!std::regex_search(lines[i], match, definition) || match[1] == "Translate")
            continue;
        const std::string call = "Translate(" + match[2].str();
        for (size_t j = i; j < std::min(lines.size(), i + 4); ++j)
            if (lines[j].find(call) != std::string::npos)
                wrappers.insert(match[1]);
    }
    return wrappers;
}

// key -> the files that use it
std::map<std::string, std::set<std::string>> KeysOfSources(const std::filesystem::path& root) {
    std::map<std::filesystem::path, std::string> sources;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::filesystem::path& path = entry.path();
        if (entry.is_regular_file() && (path.extension() == ".cpp" || path.extension() == ".h"))
            ReadWholeFile(path.string(), sources[path]);
    }
    std::set<std::string> wrappers;
    for (const auto& [path, source] : sources)
        wrappers.merge(TranslateWrappers(source));
    std::map<std::string, std::set<std::string>> keys;
    for (const auto& [path, source] : sources)
        for (const std::string& key : TranslateKeys(source, wrappers))
            keys[key].insert(std::filesystem::relative(path, root).string());
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

TEST(KeyCoverage, WrappersThatForwardTheirFirstParameterAreFound) {
    const char* source = "QString TrQ(std::string_view key, std::string_view suffix) {\n"
                         "    return QString::fromStdString(Translate(key, suffix));\n"
                         "}\n"
                         "static QString Tr(const char* key) { return Q(Translate(key)); }\n"
                         "int Count(std::string_view text) { return Other(text); }\n"
                         "std::string Translate(std::string_view key, std::string_view s) {\n";
    std::set<std::string> wrappers = TranslateWrappers(source);
    EXPECT_EQ(wrappers, (std::set<std::string>{"Tr", "TrQ"}));
    EXPECT_EQ(
        TranslateKeys("a = TrQ(\"Nowy\"); b = Tr(\"Zamknij\", x); c = XTr(\"no\");", wrappers),
        (std::vector<std::string>{"Nowy", "Zamknij"}));
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
