#pragma once

#include "model/Engine.h"
#include "model/Protocol.h"

#include <string>
#include <string_view>
#include <vector>

// Exchange of the readings table (depth; blow count) with spreadsheets: CSV
// files and clipboard text. Depths carry the decimal comma; a line is
// "0,10;5". Only depth and N travel.

// The message the window shows (through Translate) when a pasted table does
// not parse; a failed CSV import gets it too, with the line number.
inline constexpr std::string_view TableFormatMessage =
    "Nieprawidłowy format - muszą być dwie kolumny (głębokość ; odczyt)";

struct TableImportResult {
    bool ok = false;
    int badLine = 0;     // 1-based line (blank lines counted) whose depth did not parse; 0 if none
    std::string badText; // the depth text of that line
    std::string error;   // the system's reason when the file could not be read
};

// Replaces the readings by the lines, in their order, as they stand (not
// rounded to the depth grid, not sorted, duplicates kept). Blank lines are
// skipped; a missing or unparsable count gives 0. Every line is parsed before
// anything changes: when a depth does not parse the readings stay as they
// were and badLine tells which line it was.
TableImportResult ImportTable(TProtocol& test, const std::vector<std::string>& lines);

// One line for the user about a failed import: "line 7: depth 'abc' is not
// a number", or "cannot read: <system reason>".
std::string TableImportMessage(const TableImportResult& result);

// A CSV file (Windows-1250); after success the corrected counts are recomputed.
TableImportResult ImportCsv(TProtocol& test, const std::string& path);

// Text copied from a spreadsheet (tab-separated cells, UTF-8 as the clipboard
// gives it). Empty text changes nothing and returns false with badLine 0.
TableImportResult ImportClipboard(TProtocol& test, const std::string& text);

// The readings sorted by depth (stably; the test keeps its order), one line
// each: the depth with two decimals and the comma, the separator, N (-1 when
// the row has no count), CR LF.
std::string ReadingsTableText(const TProtocol& test, char separator);

// ReadingsTableText with ";" into a Windows-1250 file, replaced atomically.
FileOperationResult ExportCsv(const TProtocol& test, const std::string& path);
