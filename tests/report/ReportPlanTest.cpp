#include "report/ReportPlan.h"
#include "model/Protocol.h"
#include "report/CardLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PlanCase {
    const char* name;
    double maxDepth;
    bool remarks;
    const char* first;
    const char* last;
    int pageCount;
    std::vector<double> starts;
    std::vector<int> numbers;
};

// Portrait, full header on every page: r 5 (6 without remarks), a 6.
const PlanCase PlanCases[] = {
    {"no readings", 0.0, true, "", "", 1, {0}, {1}},
    {"11.0 m", 11.0, true, "", "", 2, {0, 5}, {1, 2}},
    {"11.0 m built as 110 x 0.1", 110 * 0.1, true, "", "", 2, {0, 5}, {1, 2}},
    {"11.3 m", 11.3, true, "", "", 3, {0, 5, 11}, {1, 2, 3}},
    {"exactly r", 5.0, true, "", "", 1, {0}, {1}},
    {"first page number 3", 11.3, true, "3", "", 3, {0, 5, 11}, {3, 4, 5}},
    {"last page number 0", 11.3, true, "", "0", 1, {0, 5, 11}, {1, 2, 3}},
    {"page texts not numbers", 11.3, true, "x", "y", 1, {0, 5, 11}, {1, 2, 3}},
    {"remarks off", 11.3, false, "", "", 2, {0, 6}, {1, 2}},
};

class ReportPlanTest : public testing::TestWithParam<PlanCase> {};

TEST_P(ReportPlanTest, PagesStartDepthsAndNumbers) {
    const PlanCase& c = GetParam();
    TProtocol t;
    t.Sheet.SmallerHeaderOnNextPages = false;
    t.Sheet.PrintRemarks = c.remarks;
    t.MaxDepth = c.maxDepth;
    t.FirstPageNumber = c.first;
    t.LastPageNumber = c.last;
    const TReportPlan plan = PlanReport(t);
    EXPECT_EQ(plan.PageCount, c.pageCount);
    ASSERT_EQ(plan.Pages.size(), c.starts.size());
    for (size_t i = 0; i < c.starts.size(); ++i) {
        EXPECT_NEAR(plan.Pages[i].StartDepth, c.starts[i], 1e-9) << "page " << i;
        EXPECT_EQ(plan.Pages[i].Number, c.numbers[i]) << "page " << i;
    }
    EXPECT_EQ(plan.Pages[0].Metres, c.remarks ? 5 : 6);
    EXPECT_TRUE(plan.Pages[0].Remarks == c.remarks);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReportPlanTest, testing::ValuesIn(PlanCases), [](const auto& info) {
    std::string n = info.param.name;
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return n;
});

struct SpanCase {
    bool portrait, everyPage, smaller, remarks;
    int r, a;
    double top;
    TReportPage::THeader header;
};

TEST(ReportPlan, SpanTable) {
    const SpanCase cases[] = {
        {true, false, true, true, 5, 8, 17, TReportPage::NoHeader},
        {true, true, false, false, 6, 6, 87, TReportPage::FullHeader},
        {true, true, true, true, 2, 3, 65, TReportPage::CompactHeader},
        {true, true, true, false, 6, 3, 65, TReportPage::CompactHeader},
        {false, false, false, false, 3, 5, 17, TReportPage::NoHeader},
        {false, true, false, true, 2, 3, 87, TReportPage::FullHeader},
        {false, true, true, false, 3, 4, 65, TReportPage::CompactHeader},
    };
    for (const SpanCase& c : cases) {
        TProtocol t;
        t.Sheet.Portrait = c.portrait;
        t.Sheet.HeaderOnEveryPage = c.everyPage;
        t.Sheet.SmallerHeaderOnNextPages = c.smaller;
        t.Sheet.PrintRemarks = c.remarks;
        t.MaxDepth = 20;
        const TReportPlan plan = PlanReport(t);
        SCOPED_TRACE(testing::Message() << c.portrait << c.everyPage << c.smaller << c.remarks);
        EXPECT_EQ(plan.FirstSpan, c.r);
        EXPECT_EQ(plan.NextSpan, c.a);
        ASSERT_GE(plan.Pages.size(), 2u);
        EXPECT_EQ(plan.Pages[0].Header, TReportPage::FullHeader);
        EXPECT_DOUBLE_EQ(plan.Pages[0].CardTop, 87);
        EXPECT_DOUBLE_EQ(plan.Pages[1].CardTop, c.top);
        EXPECT_EQ(plan.Pages[1].Header, c.header);
        EXPECT_FALSE(plan.Pages[1].Remarks);
    }
}

std::vector<double> Edges(const TCardLayout& l) {
    return {l.DepthLabels.Left, l.Profile.Left,  l.MetreLabels.Left, l.Staff.Left,
            l.Diagram.Left,     l.Readings.Left, l.IdValues.Left,    l.IdChart.Left,
            l.IsValues.Left,    l.Means.Left,    l.LastRight()};
}

TEST(CardLayout, DefaultPortraitColumns) {
    TProtocol t;
    const TCardLayout l = ComputeCardLayout(t, 0);
    EXPECT_EQ(Edges(l), (std::vector<double>{0, 8, 33, 47, 49, 94, 116, 126, 156, 166, 186}));
    EXPECT_DOUBLE_EQ(l.D, 45);
    EXPECT_DOUBLE_EQ(l.PageWidth, 188);
    EXPECT_EQ(l.RowsPerMetre, 10);
}

TEST(CardLayout, OptionalColumnsWidenTheDiagram) {
    TProtocol t;
    t.Sheet.PrintProfile = t.Sheet.PrintIdChart = t.Sheet.PrintIsIndex = false;
    TCardLayout l = ComputeCardLayout(t, 0);
    EXPECT_DOUBLE_EQ(l.D, 110);
    EXPECT_DOUBLE_EQ(l.LastRight(), 186);

    t.Sheet.PrintIdChart = false;
    t.Sheet.PrintIsIndex = true;
    l = ComputeCardLayout(t, 0);
    EXPECT_DOUBLE_EQ(l.IsValues.Width(), 30);
    EXPECT_DOUBLE_EQ(l.LastRight(), 186);

    // Without vane tests the shear room is reserved only while the option is on.
    t.Sheet.PrintShearChart = false;
    l = ComputeCardLayout(t, 0);
    EXPECT_DOUBLE_EQ(l.LastRight(), 206);
}

TEST(CardLayout, LandscapeWithEveryVaneColumn) {
    TProtocol t;
    t.Sheet.SetVaneKind(1);
    t.Sheet.Portrait = false;
    const TCardLayout l = ComputeCardLayout(t, 0);
    EXPECT_DOUBLE_EQ(l.D, 53);
    EXPECT_DOUBLE_EQ(l.Shear.Left, 194);
    EXPECT_DOUBLE_EQ(l.TauMin.Left, 214);
    EXPECT_DOUBLE_EQ(l.ILMax.Left, 264);
    EXPECT_DOUBLE_EQ(l.LastRight(), 274);
    EXPECT_DOUBLE_EQ(l.PageWidth, 276);
}

TEST(CardLayout, DpshbGrid) {
    TProtocol t;
    t.SetProbeType(ProbeDPSHB);
    const TCardLayout l = ComputeCardLayout(t, 0);
    EXPECT_EQ(l.RowsPerMetre, 5);
    EXPECT_DOUBLE_EQ(l.RowPitch, 6);
    EXPECT_DOUBLE_EQ(l.Step, 0.2);
    EXPECT_DOUBLE_EQ(l.BlowX(75), l.Diagram.Right);
    EXPECT_DOUBLE_EQ(l.BlowX(-1), l.Diagram.Left);
}

} // namespace
