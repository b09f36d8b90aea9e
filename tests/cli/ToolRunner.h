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

// A tool process running in the background (for `quistra receive`).
class BackgroundTool {
public:
    explicit BackgroundTool(const std::vector<std::string>& args);
    ~BackgroundTool(); // kills the process if it still runs
    // Waits up to timeoutMs for the process to end; its exit code, or -1.
    int Wait(int timeoutMs);
    std::string Out() const;
    std::string Err() const;

private:
    ScratchDir scratch_;
    int pid_ = -1;
};
