#include "PageProbe.h"
#include "ReportSamples.h"

#include "evaluation/Verification.h"
#include "pages/Pages.h"
#include "report/HeaderBlock.h"
#include "report/RemarksBlock.h"
#include "report/Report.h"

#include <gtest/gtest.h>

namespace {

std::vector<TProbeOp> Header(const TProtocol& t, bool compact) {
    TVrPages pages;
    TVrPage* page = pages.NewPage();
    DrawHeaderBlock(*page, t, compact, 0, 5);
    return ProbePage(*page);
}

// The text of the wrapped value cells (drawn with one trailing blank).
bool HasCell(const std::vector<TProbeOp>& ops, const std::string& text) {
    return HasText(ops, text + " ");
}

TEST(HeaderBlock, FullHeaderShowsOrderAndSite) {
    TProtocol t;
    FillSampleHeader(t, "SD-7");
    const auto ops = Header(t, false);
    EXPECT_TRUE(HasText(ops, "KARTA SONDOWANIA"));
    EXPECT_TRUE(HasText(ops, "SONDĄ DYNAMICZNĄ LEKKĄ (SD-10)"));
    EXPECT_TRUE(HasCell(ops, t.Contractor));
    EXPECT_TRUE(HasCell(ops, t.TestSite));
    EXPECT_TRUE(HasCell(ops, "Kraków , dnia 14-06-2024"));
    EXPECT_TRUE(HasCell(ops, "231,45 m"));
    EXPECT_TRUE(HasCell(ops, "49,9871234 °"));
    EXPECT_TRUE(HasCell(ops, "12-06-2024"));
    EXPECT_TRUE(HasText(ops, "Wykonano zgodnie z normą PN-B-04452"));
    const auto frame = OpsOfKind(ops, TVrPE_Rectangle::KindCode);
    ASSERT_FALSE(frame.empty());
    EXPECT_DOUBLE_EQ(frame[0].Y1, 5);
    EXPECT_DOUBLE_EQ(frame[0].Y2, 17 + 55);
    EXPECT_DOUBLE_EQ(frame[0].X2, 188);
}

TEST(HeaderBlock, CompactHeaderLeavesOutOrderData) {
    TProtocol t;
    FillSampleHeader(t, "SD-7");
    const auto ops = Header(t, true);
    for (const std::string& gone : {t.Contractor, t.TestSite, t.ProjectNumber, t.OrderNumber})
        EXPECT_FALSE(HasCell(ops, gone)) << gone;
    EXPECT_FALSE(HasText(ops, "Wykonawca"));
    EXPECT_FALSE(HasText(ops, "Nr tematu"));
    EXPECT_TRUE(HasCell(ops, t.Client));
    EXPECT_TRUE(HasCell(ops, "SD-7"));
    const auto frame = OpsOfKind(ops, TVrPE_Rectangle::KindCode);
    ASSERT_FALSE(frame.empty());
    EXPECT_DOUBLE_EQ(frame[0].Y2 - frame[0].Y1, 45);
    // The rows move up by 22 mm: the client label sits at E + 23 with E = B - 22.
    const auto client = TextsEqual(ops, "Zleceniodawca");
    ASSERT_EQ(client.size(), 1u);
    EXPECT_DOUBLE_EQ(client[0].Y1, 17 - 22 + 23);
}

TEST(HeaderBlock, PlaceholdersForMissingGpsAndDates) {
    TProtocol t;
    t.SetProbeType(ProbeNone);
    t.Sheet.SetNorm(3);
    t.TestDate = 0; // a new test starts with today
    const auto ops = Header(t, false);
    EXPECT_TRUE(HasCell(ops, "____,___ m"));
    EXPECT_EQ(TextsEqual(ops, "__._______ ° ").size(), 2u);
    EXPECT_TRUE(HasCell(ops, "_________________ , dnia __-__-____"));
    EXPECT_TRUE(HasCell(ops, "__-__-____"));
    EXPECT_TRUE(HasText(ops, "Wykonano zgodnie z normami: "));
    EXPECT_FALSE(HasText(ops, "SONDĄ DYNAMICZNĄ LEKKĄ (SD-10)"));
}

TEST(HeaderBlock, ConeVaneTestInLandscape) {
    TProtocol t;
    BuildSlvtSample(t);
    t.Sheet.Portrait = false;
    const auto ops = Header(t, false);
    EXPECT_TRUE(HasText(ops, "SONDĄ STOŻKOWO-KRZYŻAKOWĄ (SLVT)"));
    EXPECT_TRUE(HasCell(ops, "Stożkowo-krzyżakowa SLVT"));
    EXPECT_TRUE(HasCell(ops, "KD-200/03"));
    EXPECT_TRUE(HasCell(ops, "poza osią żerdzi"));
    EXPECT_TRUE(HasCell(ops, "07-11-2023"));
    EXPECT_TRUE(HasCell(ops, "50 mm"));
    EXPECT_TRUE(HasCell(ops, "SONDOWANIE DYNAMICZNE UDAROWO-OBROTOWE"));
    EXPECT_TRUE(HasText(ops, "Typ końcówki"));
    const auto frame = OpsOfKind(ops, TVrPE_Rectangle::KindCode);
    ASSERT_FALSE(frame.empty());
    EXPECT_DOUBLE_EQ(frame[0].X2, 276);
    // Compact: wrench number, range and accuracy go, the mounting stays.
    const auto compact = Header(t, true);
    EXPECT_FALSE(HasCell(compact, "KD-200/03"));
    EXPECT_TRUE(HasCell(compact, "poza osią żerdzi"));
    const auto mount = TextsEqual(compact, "Mocowanie klucza");
    ASSERT_EQ(mount.size(), 1u);
    EXPECT_DOUBLE_EQ(mount[0].X1, 194);
}

TEST(RemarksBlock, TesterAndClientVariants) {
    TProtocol t;
    FillSampleHeader(t, "SD-1");
    TVrPages pages;
    TVrPage* tester = pages.NewPage();
    DrawRemarksBlock(*tester, t, 0, 249, false);
    auto ops = ProbePage(*tester);
    EXPECT_TRUE(HasCell(ops, t.TestedBy));
    EXPECT_TRUE(HasCell(ops, t.PreparedBy));
    EXPECT_TRUE(HasText(ops, "Badanie wykonał"));
    EXPECT_FALSE(HasText(ops, "Zleceniodawcy"));

    TVrPage* client = pages.NewPage();
    DrawRemarksBlock(*client, t, 0, 249, true);
    ops = ProbePage(*client);
    EXPECT_FALSE(HasCell(ops, t.TestedBy));
    EXPECT_TRUE(HasText(ops, "Zleceniodawcy"));
    EXPECT_TRUE(HasText(ops, "Wykonawcy"));
    const auto boxes = OpsOfKind(ops, TVrPE_Rectangle::KindCode);
    const auto dotted = std::count_if(boxes.begin(), boxes.end(),
                                      [](const TProbeOp& o) { return o.PenStyle == psDot; });
    EXPECT_EQ(dotted, 2);
}

TEST(BuildReport, EmptyTestGivesOnePageOfOne) {
    TEngine engine;
    TVrPages pages;
    EXPECT_TRUE(BuildReport(engine, pages));
    ASSERT_EQ(pages.Count(), 1);
    const auto ops = ProbePage(*pages.Page(0));
    EXPECT_TRUE(HasText(ops, "Strona 1 / 1"));
    EXPECT_TRUE(HasText(ops, "Uwagi / podsumowanie badania"));
    EXPECT_DOUBLE_EQ(pages.Margins.X1, 12);
    EXPECT_DOUBLE_EQ(pages.Margins.Y2, 252);
    EXPECT_FALSE(pages.Page(0)->MeasureByBox);
}

TEST(BuildReport, DplSampleOverFivePages) {
    TEngine engine;
    BuildDplSandSample(*engine.Protocol);
    TVrPages pages;
    const TShowReportResult shown = ShowReport(engine, pages);
    EXPECT_NEAR(engine.Protocol->MaxDepth, 12.0, 1e-6);
    // Portrait, compact header on following pages: r 2, a 3 -> 0, 2, 5, 8, 11.
    ASSERT_EQ(pages.Count(), 5);
    EXPECT_EQ(pages.Orientation(), orVertical);
    for (int i = 0; i < pages.Count(); ++i) {
        const auto ops = ProbePage(*pages.Page(i));
        EXPECT_TRUE(HasText(ops, "Strona " + std::to_string(i + 1) + " / 5")) << i;
        EXPECT_EQ(HasText(ops, "Uwagi / podsumowanie badania"), i == 0) << i;
        EXPECT_TRUE(HasText(ops, "Zleceniodawca")) << i;
    }
    EXPECT_TRUE(HasText(ProbePage(*pages.Page(4)), "12 m"));
    EXPECT_FALSE(shown.Errors.empty());
}

TEST(BuildReport, VaneTestIsLandscape) {
    TEngine engine;
    BuildFvtSample(*engine.Protocol);
    TVrPages pages;
    ShowReport(engine, pages);
    EXPECT_EQ(pages.Orientation(), orHorizontal);
    EXPECT_DOUBLE_EQ(pages.Range.X2, 297);
    const auto ops = ProbePage(*pages.Page(0));
    EXPECT_TRUE(HasText(ops, "Legenda"));
    EXPECT_TRUE(HasText(ops, "Stopień plastycz."));
    EXPECT_TRUE(HasText(ops, "Ścinanie"));
}

} // namespace

TEST(ReportJobTitle, ProjectNumberMadeSafeOrTheGenericTitle) {
    TProtocol test;
    EXPECT_EQ(ReportJobTitle(test), "Ardelven Quistra - Wydruk");
    test.ProjectNumber = "12/2013: A";
    EXPECT_EQ(ReportJobTitle(test), "QuistSD_12_2013; A");
}
