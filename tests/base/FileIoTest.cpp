#include "base/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

TEST(FileIo, AtomicWriteReplacesTheTargetAndLeavesNoTemporaryFile) {
    fs::path dir = fs::temp_directory_path() / ("quistra-fileio-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::string path = (dir / "a.bin").string();
    ASSERT_TRUE(WriteFileAtomically(path, "first").ok);
    ASSERT_TRUE(WriteFileAtomically(path, std::string("sec\0ond", 7)).ok);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(path, bytes).ok);
    EXPECT_EQ(bytes, std::string("sec\0ond", 7));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    fs::remove_all(dir);
}

TEST(FileIo, FailuresCarryTheSystemReason) {
    std::string bytes = "kept";
    FileResult missing = ReadWholeFile("/nonexistent/dir/x.sdn", bytes);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, "No such file or directory");
    EXPECT_EQ(bytes, "kept");
    EXPECT_FALSE(WriteFileAtomically("/nonexistent/dir/x.sdn", "x").ok);
}
