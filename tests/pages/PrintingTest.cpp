#include "RecordingSurface.h"

#include "pages/Pages.h"

#include <gtest/gtest.h>

namespace {

// A printer with fixed geometry that records the job on a recording surface.
class TStubPrinter final : public TVrPrinter {
public:
    int Dpi = 600;
    int Offset = 100;
    bool HasJobSettings = true;
    bool FailBegin = false;
    TPrinterJobSettings Job;
    std::vector<std::string> Events;
    TRecordingSurface Paper;

    std::string DeviceName() const override { return "Stub"; }
    std::optional<TPrinterJobSettings> JobSettings() const override {
        if (!HasJobSettings)
            return std::nullopt;
        return Job;
    }
    void SetJobSettings(const TPrinterJobSettings& settings) override {
        Job = settings;
        Events.push_back("settings");
    }
    int ResolutionX() const override { return Dpi; }
    int ResolutionY() const override { return Dpi; }
    int PhysicalOffsetX() const override { return Offset; }
    int PhysicalOffsetY() const override { return Offset; }
    bool BeginDoc(const std::string& title, std::string& error) override {
        if (FailBegin) {
            error = "no paper";
            return false;
        }
        Events.push_back("begin " + title);
        return true;
    }
    void NewPage() override { Events.push_back("new sheet"); }
    bool EndDoc(std::string&) override {
        Events.push_back("end");
        return true;
    }
    TVrSurface& Surface() override { return Paper; }
};

struct PrintFixture : ::testing::Test {
    TVrPages pages;
    TStubPrinter printer;

    void SetUp() override {
        pages.Margins = {12, 12, 186, 252};
        for (int i = 0; i < 3; ++i) {
            TVrPage* page = pages.NewPage();
            page->MoveTo(0, 0);
            page->TextOut("page" + std::to_string(i), 0, 0);
        }
        pages.PrintSettings.Title = "QuistSD_12";
    }
    // The job as begin/end, sheets and the pages drawn.
    std::vector<std::string> Job() {
        std::vector<std::string> job;
        for (const std::string& e : printer.Events)
            if (e != "settings")
                job.push_back(e);
        return job;
    }
    std::vector<std::string> DrawnPages() {
        std::vector<std::string> drawn;
        for (const std::string& call : printer.Paper.Matching("DrawTextBox"))
            drawn.push_back(call.substr(12, 5));
        return drawn;
    }
};

TEST_F(PrintFixture, A4At600DpiPrintsAtPhysicalScaleFromThePaperCorner) {
    const int all[] = {0};
    const TPrintResult result = pages.Print(printer, all, 1, false);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_NEAR(pages.PrintSettings.PageRect.X2, 4960.63, 0.005);
    EXPECT_NEAR(pages.PrintSettings.PageRect.Y2, 7015.75, 0.005);
    EXPECT_EQ(pages.PrintSettings.ResolutionX, 600);
    EXPECT_EQ(pages.PrintSettings.PrinterName, "Stub");
    // 12 mm x 23.622 px/mm = 283.46, minus the 100 px offset, truncated.
    EXPECT_EQ(printer.Paper.Matching("MoveTo").front(), "MoveTo(183,183)");
    // On paper only the brush colour is set: no background fill.
    EXPECT_TRUE(printer.Paper.Matching("FillRect").empty());
    EXPECT_EQ(Job(), (std::vector<std::string>{"begin QuistSD_12", "end"}));
}

TEST_F(PrintFixture, PaperSizeAndOrientationStretchThePage) {
    struct Case {
        int paperCode;
        int orientation;
        double widthMm;
        double heightMm;
    };
    const Case cases[] = {
        {PaperCodeA4, 2, 297, 210},
        {PaperCodeA3, 1, 297, 420},
        {PaperCodeA5, 1, 148, 210},
    };
    for (const Case& c : cases) {
        printer.Job.PaperCode = c.paperCode;
        printer.Job.Orientation = c.orientation;
        pages.PrintSettings.ReadFromPrinter(printer);
        EXPECT_NEAR(pages.PrintSettings.PageRect.X2, c.widthMm * 600 / 25.4, 1e-6);
        EXPECT_NEAR(pages.PrintSettings.PageRect.Y2, c.heightMm * 600 / 25.4, 1e-6);
    }
    // A3 paper stretches the A4 model by 1.414 in both directions.
    printer.Job.PaperCode = PaperCodeA3;
    printer.Job.Orientation = 1;
    const int first[] = {0};
    pages.Print(printer, first, 1, false);
    EXPECT_NEAR(pages.Kalibrator().Kx() / (600 / 25.4), 297.0 / 210.0, 1e-9);
    EXPECT_NEAR(pages.Kalibrator().Ky() / (600 / 25.4), 420.0 / 297.0, 1e-9);
}

TEST_F(PrintFixture, InvalidIndicesAreSkippedWithoutASheet) {
    const int indices[] = {0, 7, 1};
    const TPrintResult result = pages.Print(printer, indices, 3, false);
    EXPECT_EQ(result.sheets, 2);
    EXPECT_EQ(DrawnPages(), (std::vector<std::string>{"page0", "page1"}));
    EXPECT_EQ(Job(), (std::vector<std::string>{"begin QuistSD_12", "new sheet", "end"}));
}

TEST_F(PrintFixture, PagesPrintInTheOrderGiven) {
    const int indices[] = {2, 0};
    pages.Print(printer, indices, 2, false);
    EXPECT_EQ(DrawnPages(), (std::vector<std::string>{"page2", "page0"}));
    EXPECT_EQ(Job(), (std::vector<std::string>{"begin QuistSD_12", "new sheet", "end"}));
}

TEST_F(PrintFixture, NoPageBreaksPutsAllPagesOnOneSheet) {
    const int indices[] = {0, 1, 2};
    const TPrintResult result = pages.Print(printer, indices, 3, true);
    EXPECT_EQ(result.sheets, 1);
    EXPECT_EQ(DrawnPages().size(), 3u);
    EXPECT_EQ(Job(), (std::vector<std::string>{"begin QuistSD_12", "end"}));
}

TEST_F(PrintFixture, WithoutIndicesOnlyTheSettingsAreExchanged) {
    pages.SetOrientation(orHorizontal);
    pages.PrintSettings.Copies = 2;
    pages.PrintSettings.Color = false;
    pages.PrintSettings.Size = psA3;
    printer.Job.Copies = 2;
    printer.Job.ColorMode = 1;
    printer.Job.PaperCode = PaperCodeA3;
    const TPrintResult result = pages.Print(printer, nullptr, 0, false);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(Job(), std::vector<std::string>{});
    EXPECT_EQ(printer.Job.Orientation, 2);
    EXPECT_EQ(printer.Job.Copies, 2);
    EXPECT_EQ(printer.Job.ColorMode, 1);
    EXPECT_EQ(printer.Job.PaperCode, PaperCodeA3);
    EXPECT_EQ(printer.Job.Scale, 100);
    EXPECT_EQ(printer.Job.Fields, 0x913u);
}

TEST_F(PrintFixture, WithoutJobSettingsTheSettingsStayAndGeometryFollowsThem) {
    printer.HasJobSettings = false;
    pages.PrintSettings.Size = psA5;
    pages.PrintSettings.Copies = 3;
    pages.PrintSettings.ReadFromPrinter(printer);
    EXPECT_EQ(pages.PrintSettings.Copies, 3);
    EXPECT_NEAR(pages.PrintSettings.PageRect.X2, 148 * 600 / 25.4, 1e-6);
    pages.PrintSettings.WriteToPrinter(printer);
    EXPECT_TRUE(printer.Events.empty());
}

TEST_F(PrintFixture, AJobThatCannotStartReportsWhy) {
    printer.FailBegin = true;
    const int first[] = {0};
    const TPrintResult result = pages.Print(printer, first, 1, false);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "no paper");
    EXPECT_EQ(pages.Target(), nullptr);
}

} // namespace
