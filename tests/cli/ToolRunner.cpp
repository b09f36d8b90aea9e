#include "ToolRunner.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string ShellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

} // namespace

ScratchDir::ScratchDir() {
    std::string templ = (fs::temp_directory_path() / "quistra-cli-XXXXXX").string();
    dir_ = ::mkdtemp(templ.data());
}

ScratchDir::~ScratchDir() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

ToolRun RunTool(const std::vector<std::string>& args) {
    ScratchDir scratch;
    std::string command = ShellQuote(QUISTRA_CLI);
    for (const std::string& a : args)
        command += " " + ShellQuote(a);
    command += " >" + ShellQuote(scratch.Path("out")) + " 2>" + ShellQuote(scratch.Path("err")) +
               " </dev/null";
    int status = std::system(command.c_str());
    ToolRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadFile(scratch.Path("out"));
    run.err = ReadFile(scratch.Path("err"));
    return run;
}

BackgroundTool::BackgroundTool(const std::vector<std::string>& args) {
    std::string out = scratch_.Path("out");
    std::string err = scratch_.Path("err");
    pid_ = ::fork();
    if (pid_ == 0) {
        if (!std::freopen(out.c_str(), "w", stdout) || !std::freopen(err.c_str(), "w", stderr))
            ::_exit(127);
        std::vector<char*> argv;
        std::string tool = QUISTRA_CLI;
        argv.push_back(tool.data());
        std::vector<std::string> copy = args;
        for (std::string& a : copy)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(tool.c_str(), argv.data());
        ::_exit(127);
    }
}

BackgroundTool::~BackgroundTool() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

int BackgroundTool::Wait(int timeoutMs) {
    for (int waited = 0; pid_ > 0 && waited <= timeoutMs; waited += 20) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        ::usleep(20000);
    }
    return -1;
}

std::string BackgroundTool::Out() const {
    return ReadFile(scratch_.Path("out"));
}
std::string BackgroundTool::Err() const {
    return ReadFile(scratch_.Path("err"));
}
