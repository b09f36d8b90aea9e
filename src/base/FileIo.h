#pragma once

#include <string>
#include <string_view>

// Whole-file reading and safe saving shared by every file format.

struct FileResult {
    bool ok = false;
    std::string error; // the system's reason when !ok, e.g. "No such file or directory"
};

// Reads the whole file into bytes.
FileResult ReadWholeFile(const std::string& path, std::string& bytes);

// Writes the bytes to a temporary file beside the target, flushes it to disk
// and renames it over the target, so a failure half-way (disk full, no
// permission, a killed process) leaves the previous file as it was.
FileResult WriteFileAtomically(const std::string& path, std::string_view bytes);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
