#include "files/TableExchange.h"

#include "base/Numbers.h"
#include "base/Text.h"
#include "files/TextLines.h"

#include <algorithm>
#include <optional>

namespace {

struct TTableRow {
    double depth;
    int n;
};

// Blanks and every control character count as padding, as spreadsheets
// sometimes leave form feeds or NULs at the end of a row.
std::string_view TrimPadding(std::string_view text) {
    auto padding = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && padding(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && padding(text.back()))
        text.remove_suffix(1);
    return text;
}

// Depths are written with the decimal comma; a point is refused so that a
// table from an English spreadsheet is reported rather than misread.
std::optional<double> ParseDepth(const std::string& text) {
    if (text.find('.') != std::string::npos)
        return std::nullopt;
    return ParseNumber(text);
}

} // namespace

TableImportResult ImportTable(TProtocol& test, const std::vector<std::string>& lines) {
    TableImportResult result;
    std::vector<TTableRow> rows;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = TrimPadding(lines[i]);
        if (line.empty())
            continue;
        std::string depthText = GetToken(line, ';', 0);
        std::optional<double> depth = ParseDepth(depthText);
        if (!depth) {
            result.badLine = static_cast<int>(i + 1);
            result.badText = std::move(depthText);
            return result;
        }
        rows.push_back({*depth, ParseInteger(GetToken(line, ';', 1)).value_or(0)});
    }
    test.Measures.Clear();
    for (const TTableRow& row : rows)
        test.AddReading(row.depth, row.n, NoValue);
    result.ok = true;
    return result;
}

std::string TableImportMessage(const TableImportResult& result) {
    if (result.badLine > 0)
        return "line " + std::to_string(result.badLine) + ": depth '" + result.badText +
               "' is not a number";
    if (!result.error.empty())
        return "cannot read: " + result.error;
    return "no readings";
}

TableImportResult ImportCsv(TProtocol& test, const std::string& path) {
    std::vector<std::string> lines;
    TableImportResult result;
    if (!ReadTextLines(path, lines, &result.error))
        return result;
    result = ImportTable(test, lines);
    if (result.ok)
        test.CorrectAllBlows();
    return result;
}

TableImportResult ImportClipboard(TProtocol& test, const std::string& text) {
    if (text.empty())
        return {};
    TableImportResult result = ImportTable(test, SplitLines(ReplaceChar(text, '\t', ';')));
    if (result.ok)
        test.CorrectAllBlows();
    return result;
}

std::string ReadingsTableText(const TProtocol& test, char separator) {
    std::vector<const TMeasure*> sorted;
    for (const TMeasure& reading : test.Measures)
        sorted.push_back(&reading);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const TMeasure* a, const TMeasure* b) { return a->Depth < b->Depth; });
    std::vector<std::string> lines;
    for (const TMeasure* reading : sorted)
        lines.push_back(FormatNumber(reading->Depth, 2) + separator + std::to_string(reading->N));
    return JoinLines(lines);
}

FileOperationResult ExportCsv(const TProtocol& test, const std::string& path) {
    return WriteTextFile(path, ReadingsTableText(test, ';'));
}
