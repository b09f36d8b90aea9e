#include "FileFuzzTargets.h"

#include "base/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using FuzzBody = bool (*)(std::string_view);

// Runs every seed of one fuzzer's corpus through the fuzzer's body; seeds
// named good-* must be accepted and bad-* refused.
int Replay(const std::string& corpus, FuzzBody body) {
    int seeds = 0;
    for (const fs::directory_entry& entry :
         fs::directory_iterator(std::string(QUISTRA_TEST_DATA_DIR) + "/files/corpus/" + corpus)) {
        std::string bytes;
        EXPECT_TRUE(ReadWholeFile(entry.path().string(), bytes).ok) << entry.path();
        const std::string name = entry.path().filename().string();
        const bool accepted = body(bytes);
        if (name.rfind("good-", 0) == 0) {
            EXPECT_TRUE(accepted) << name;
        } else if (name.rfind("bad-", 0) == 0) {
            EXPECT_FALSE(accepted) << name;
        }
        ++seeds;
    }
    return seeds;
}

} // namespace

TEST(FuzzCorpus, TestFileSeeds) {
    EXPECT_GE(Replay("test", FuzzTestFile), 3);
}
TEST(FuzzCorpus, ProfileFileSeeds) {
    EXPECT_GE(Replay("profile", FuzzProfileFile), 3);
}
TEST(FuzzCorpus, SettingsFileSeeds) {
    EXPECT_GE(Replay("settings", FuzzSettingsFile), 2);
}
TEST(FuzzCorpus, TableImportSeeds) {
    EXPECT_GE(Replay("table", FuzzTableImport), 3);
}
