#pragma once

#include <string>
#include <vector>

// Runs the built command-line tool as a separate process and collects what
// it printed.
struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args);

// A private directory that disappears with the object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    const std::string& Dir() const { return dir_; }

private:
    std::string dir_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
