#pragma once

#include <filesystem>
#include <string>
#include <unistd.h>

// A private directory for one test, removed afterwards.
class TTempDir {
public:
    TTempDir() {
        static int counter = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("quistra-files-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~TTempDir() { std::filesystem::remove_all(path_); }
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    std::string Dir() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
