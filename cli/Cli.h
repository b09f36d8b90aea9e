#pragma once

#include <optional>
#include <string>
#include <vector>

// Exit codes of the command-line tool.
enum ExitCode : int {
    ExitOk = 0,
    ExitIncomplete = 1, // verify: the evaluation is not complete
    ExitUsage = 2,      // bad command line
    ExitFile = 3,       // a file could not be read or written
};

// The arguments of one command, consumed option by option.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> args) : args_(std::move(args)) {}

    // True (and consumed) when the flag is present.
    bool Flag(const std::string& name);
    // The value after the option (consumed); nothing when absent. A missing
    // value is a usage error recorded for Finish().
    std::optional<std::string> Option(const std::string& name);
    // What is left: the positional arguments. Unknown options are usage errors.
    std::vector<std::string> Positional();
    // The first usage error, if any.
    const std::string& Error() const { return error_; }
    void Fail(const std::string& message) {
        if (error_.empty())
            error_ = message;
    }

private:
    std::vector<std::string> args_;
    std::string error_;
};

// Prints "quistra COMMAND: message" and the hint to --help; returns ExitUsage.
int UsageError(const std::string& command, const std::string& message);
// Prints "FILE: message" on standard error.
void FileError(const std::string& file, const std::string& message);

// The command line Qt's application object is created with. Declare it
// before the application object: Qt keeps a reference to argc.
struct QtArguments {
    int argc = 1;
    char name[8] = "quistra";
    char* argv[2] = {name, nullptr};
};

// Sets QT_QPA_PLATFORM=offscreen when no platform is chosen, so the tool
// renders fonts, PDF and PNG without a display.
void PrepareHeadlessQt();

int RunVerify(Arguments& args);
int RunReport(Arguments& args);
int RunDump(Arguments& args);
int RunImportCsv(Arguments& args);
int RunExportCsv(Arguments& args);
int RunReceive(Arguments& args);
int RunSend(Arguments& args);
