#include "files/TextLines.h"

#include "base/Cp1250.h"
#include "base/FileIo.h"

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        lines.emplace_back(text.substr(start));
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string* error) {
    std::string bytes;
    FileResult read = ReadWholeFile(path, bytes);
    if (!read.ok) {
        if (error)
            *error = read.error;
        return false;
    }
    lines = SplitLines(Cp1250ToUtf8(bytes));
    return true;
}

FileOperationResult WriteTextFile(const std::string& path, std::string_view text) {
    FileOperationResult result;
    std::string bytes = Utf8ToCp1250(text, &result.lossyText);
    FileResult written = WriteFileAtomically(path, bytes);
    result.ok = written.ok;
    result.error = written.error;
    return result;
}

FileOperationResult WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    return WriteTextFile(path, JoinLines(lines));
}
