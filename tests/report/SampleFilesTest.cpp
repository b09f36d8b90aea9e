#include "PageProbe.h"

#include "pages/Pages.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace {

struct SampleFile {
    const char* name;
    int pages;
    TOrientation orientation;
};

// The sample tests as the program saved them: loading verifies them, and
// their reports keep the page counts of the tests they were built from.
TEST(SampleFiles, LoadAndBuildTheirReports) {
    const SampleFile files[] = {{"DPL-piasek-woda", 5, orVertical},
                                {"DPSH-B", 5, orVertical},
                                {"FVT", 3, orHorizontal},
                                {"SLVT", 3, orHorizontal}};
    for (const SampleFile& f : files) {
        TEngine engine;
        const std::string path = std::string(QUISTRA_TEST_DATA_DIR) + "/report/" + f.name + ".sdn";
        const FileOperationResult loaded = engine.LoadTest(path);
        ASSERT_TRUE(loaded.ok) << path << ": " << loaded.error;
        TVrPages pages;
        BuildReport(engine, pages);
        EXPECT_EQ(pages.Count(), f.pages) << f.name;
        EXPECT_EQ(pages.Orientation(), f.orientation) << f.name;
        EXPECT_TRUE(HasText(ProbePage(*pages.Page(0)), "KARTA SONDOWANIA")) << f.name;
    }
}

} // namespace
