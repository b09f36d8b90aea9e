#pragma once

#include <string>
#include <string_view>
#include <vector>

// The index-th field (from 0) between separator characters. The last field
// runs to the end of the text; an index beyond the last field gives "".
std::string GetToken(std::string_view text, char separator, int index);

// Every occurrence of one character replaced by another.
std::string ReplaceChar(std::string_view text, char from, char to);

// A text made usable as a file name on every system the program's files
// travel to: "*<>?" become "@", "/\|" become "_", ":" becomes ";" and a
// double quote becomes an apostrophe.
std::string MakeFileNameSafe(std::string_view text);

// Leading and trailing spaces, tabs, CR and LF removed.
std::string Trim(std::string_view text);

// Splits at every occurrence of the separator; an empty text gives one empty field.
std::vector<std::string> Split(std::string_view text, char separator);

// Upper-cases ASCII and the Polish letters of a UTF-8 text.
std::string ToUpperPolish(std::string_view text);

bool StartsWith(std::string_view text, std::string_view prefix);
// The same with ASCII letters compared regardless of case ("pi", "PI", "Pi").
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool EndsWith(std::string_view text, std::string_view suffix);
