#include "ToolRunner.h"

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
