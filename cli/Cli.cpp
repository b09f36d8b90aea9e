#include "Cli.h"

#include <cstdio>
#include <cstdlib>

bool Arguments::Flag(const std::string& name) {
    for (auto it = args_.begin(); it != args_.end(); ++it) {
        if (*it == name) {
            args_.erase(it);
            return true;
        }
    }
    return false;
}

std::optional<std::string> Arguments::Option(const std::string& name) {
    for (auto it = args_.begin(); it != args_.end(); ++it) {
        if (*it == name) {
            if (it + 1 == args_.end()) {
                Fail("option " + name + " needs a value");
                args_.erase(it);
                return std::nullopt;
            }
            std::string value = *(it + 1);
            args_.erase(it, it + 2);
            return value;
        }
        if (it->rfind(name + "=", 0) == 0) {
            std::string value = it->substr(name.size() + 1);
            args_.erase(it);
            return value;
        }
    }
    return std::nullopt;
}

std::vector<std::string> Arguments::Positional() {
    std::vector<std::string> rest;
    for (const std::string& a : args_) {
        if (a.size() > 1 && a[0] == '-')
            Fail("unknown option '" + a + "'");
        else
            rest.push_back(a);
    }
    args_.clear();
    return rest;
}

int UsageError(const std::string& command, const std::string& message) {
    std::fprintf(stderr, "quistra %s: %s (see 'quistra %s --help')\n", command.c_str(),
                 message.c_str(), command.c_str());
    return ExitUsage;
}

void FileError(const std::string& file, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), message.c_str());
}

void PrepareHeadlessQt() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || !*platform)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}
