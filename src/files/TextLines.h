#pragma once

#include "model/Engine.h"

#include <string>
#include <string_view>
#include <vector>

// Plain text files of lines as other Windows programs read them: Windows-1250
// bytes on disk, UTF-8 in memory, every line ended by CR LF.

// Splits at CR LF, LF or CR; a terminator at the very end opens no further line.
std::vector<std::string> SplitLines(std::string_view text);

// The lines each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the file as lines; false (lines untouched, error set) when it cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string* error);

// Writes UTF-8 text in Windows-1250, replacing the file atomically; lossyText
// tells whether some character had to be written as "?".
FileOperationResult WriteTextFile(const std::string& path, std::string_view text);

// Writes the lines in Windows-1250, replacing the file atomically.
FileOperationResult WriteTextLines(const std::string& path, const std::vector<std::string>& lines);
