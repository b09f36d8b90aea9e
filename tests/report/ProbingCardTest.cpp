#include "PageProbe.h"

#include "model/Protocol.h"
#include "pages/Pages.h"
#include "report/ProbingCard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Top = 87;

class ProbingCardTest : public testing::Test {
protected:
    TProtocol t;
    TVrPages pages;

    TGeoProfileItem* AddLayer(double start, const char* name, int category = 2) {
        auto layer = std::make_unique<TGeoProfileItem>(start, name, 0xC0FFFF);
        layer->Category = static_cast<int16_t>(category);
        return t.Profile.AddLayer(std::move(layer));
    }
    // An evaluated reading as the verification leaves it.
    TMeasure* Reading(double depth, int nkor, double id = 0.5, double is = 0.95,
                      const char* state = "średnio zagęszczony") {
        TMeasure* m = t.AddReading(depth, nkor, NoValue);
        m->NKor = nkor;
        m->ID = id;
        m->IS = is;
        m->State = state;
        return m;
    }
    std::vector<TProbeOp> Card(double startDepth = 0, int metres = 5, int number = 1,
                               int count = 1) {
        pages.Clear();
        TVrPage* page = pages.NewPage();
        DrawProbingCard(*page, t, number, 0, Top, count, startDepth, metres);
        return ProbePage(*page);
    }
};

std::vector<TProbeOp> Where(const std::vector<TProbeOp>& ops, auto pred) {
    std::vector<TProbeOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), pred);
    return out;
}

TEST_F(ProbingCardTest, DefaultPortraitCaptionsAndPageNumber) {
    const auto ops = Card(0, 5, 2, 3);
    EXPECT_TRUE(HasText(ops, "Ilość uderzeń*")); // D = 45: no "co 10cm" part
    EXPECT_TRUE(HasText(ops, "N10"));
    EXPECT_TRUE(HasText(ops, "I_D"));
    EXPECT_TRUE(HasText(ops, "W.z."));
    const auto number = TextsEqual(ops, "Strona 2 / 3");
    ASSERT_EQ(number.size(), 1u);
    EXPECT_DOUBLE_EQ(number[0].X1, 186);
    EXPECT_DOUBLE_EQ(number[0].Y1, 278);
    EXPECT_EQ(number[0].Justify, jtBottom | jtRight);
    // The identification line: right-justified at PW - 2 below the card.
    const auto id = Where(Texts(ops), [](const TProbeOp& o) {
        return o.Text.rfind("Ardelven Quistra v. 2.42", 0) == 0;
    });
    ASSERT_EQ(id.size(), 1u);
    EXPECT_DOUBLE_EQ(id[0].X1, 186);
    EXPECT_DOUBLE_EQ(id[0].Y1, Top + 150 + 7);
    EXPECT_DOUBLE_EQ(id[0].FontHeight, 2.5);
}

TEST_F(ProbingCardTest, LandscapePageNumberStaysOnThePaperClearOfTheIdentificationLine) {
    t.Sheet.SetVaneKind(1);
    t.Sheet.Portrait = false;
    const auto number = TextsEqual(Card(), "Strona 1 / 1");
    ASSERT_EQ(number.size(), 1u);
    // Centred on the 297 x 210 paper, 5 mm from its bottom.
    EXPECT_DOUBLE_EQ(number[0].X1 + 12, 297 / 2.0);
    EXPECT_DOUBLE_EQ(number[0].Y1 + 12, 210 - 5);
    EXPECT_EQ(number[0].Justify, TJustify(jtBottom | jtCenter));
}

TEST_F(ProbingCardTest, LongBlowCaptionWhenTheDiagramIsWide) {
    t.Sheet.PrintProfile = t.Sheet.PrintIdChart = t.Sheet.PrintIsIndex = false;
    t.Sheet.CorrectMode = 0;
    EXPECT_TRUE(HasText(Card(), "Ilość uderzeń co 10cm poł. sondy"));
}

TEST_F(ProbingCardTest, WideIsColumnCarriesTheLongCaption) {
    t.Sheet.PrintIdChart = false;
    const auto ops = Card();
    EXPECT_TRUE(HasText(ops, "Wskaźnik"));
    EXPECT_TRUE(HasText(ops, "zagęszczenia I_S"));
    EXPECT_FALSE(HasText(ops, "W.z."));
}

TEST_F(ProbingCardTest, DpshbRowsAreSixMillimetres) {
    t.SetProbeType(ProbeDPSHB);
    for (int r = 1; r <= 10; ++r)
        Reading(r * 0.2, 10 + r);
    const auto ops = Card(0, 2);
    EXPECT_TRUE(HasText(ops, "N20"));
    EXPECT_FALSE(HasText(ops, "N10"));
    // Depth labels every 0,2 m: 10 rows in 2 metres, each twice.
    EXPECT_EQ(TextsEqual(ops, "0,2").size(), 2u);
    EXPECT_TRUE(TextsEqual(ops, "0,3").empty());
    const auto at = TextsEqual(ops, "1,4");
    ASSERT_EQ(at.size(), 2u);
    EXPECT_DOUBLE_EQ(at[0].Y1, Top + 30 + 12);
    // Bars 6 mm high, the step line's verticals too; I_D points 3 mm above the row line.
    const auto bars = Where(OpsOfKind(ops, TVrPE_FillRect::KindCode),
                            [](const TProbeOp& o) { return o.BrushColor == VrRgb(120, 100, 60); });
    ASSERT_EQ(bars.size(), 10u);
    for (const TProbeOp& b : bars)
        EXPECT_DOUBLE_EQ(b.Y2 - b.Y1, 6);
    const auto moves = OpsOfKind(ops, TVrPE_MoveTo::KindCode);
    ASSERT_FALSE(moves.empty());
    EXPECT_DOUBLE_EQ(moves.back().Y1, Top + 6 - 3); // the I_D line starts in the first row's middle
}

TEST_F(ProbingCardTest, MetreLabelsOfAPageStartingAtSixMetres) {
    const auto ops = Card(6, 6);
    for (int m = 7; m <= 12; ++m) {
        const auto label = TextsEqual(ops, std::to_string(m) + " m");
        ASSERT_EQ(label.size(), 1u) << m;
        EXPECT_DOUBLE_EQ(label[0].Y1, Top + 30 * (m - 6) - 0.5);
        EXPECT_DOUBLE_EQ(label[0].X1, 46);
        EXPECT_DOUBLE_EQ(label[0].FontHeight, 5.5);
    }
    EXPECT_FALSE(HasText(ops, "6 m"));
    // The first visited row is 6,1; 6,0 belongs to the page above, 12,0 to this one.
    EXPECT_FALSE(HasText(ops, "6,0"));
    EXPECT_EQ(TextsEqual(ops, "12,0").size(), 2u);
}

TEST_F(ProbingCardTest, ProfileCaptionSplitsWhenWaterIsNearTheTop) {
    t.Profile.Water1 = 5.3;
    t.Profile.Water2 = 9.0;
    auto ops = Card(5, 6);
    EXPECT_TRUE(HasText(ops, "litolog."));
    EXPECT_TRUE(HasText(ops, "Poz."));
    EXPECT_FALSE(HasText(ops, "litologiczny"));

    t.Profile.Water1 = 5.5;
    ops = Card(5, 6);
    EXPECT_TRUE(HasText(ops, "litologiczny"));
    const auto level = TextsEqual(ops, "poziom");
    ASSERT_EQ(level.size(), 1u);
    EXPECT_EQ(level[0].FontColor, VrRgb(0, 0, 255));

    t.Profile.Water2 = NoValue; // an absent level does not lie below
    EXPECT_TRUE(HasText(Card(5, 6), "litolog."));
}

TEST_F(ProbingCardTest, BlowCountAboveSixtyIsClampedButPrinted) {
    Reading(0.3, 75);
    const auto ops = Card();
    const auto bars = Where(OpsOfKind(ops, TVrPE_FillRect::KindCode),
                            [](const TProbeOp& o) { return o.BrushColor == VrRgb(120, 100, 60); });
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_DOUBLE_EQ(bars[0].X2, 94); // the diagram's right edge
    EXPECT_DOUBLE_EQ(bars[0].Y1, Top + 6);
    EXPECT_DOUBLE_EQ(bars[0].Y2, Top + 9);
    const auto count = TextsEqual(ops, "75");
    ASSERT_EQ(count.size(), 1u);
    EXPECT_EQ(count[0].FontColor, VrRgb(0, 0, 255));
    EXPECT_DOUBLE_EQ(count[0].FontWidth, 3.0);
    EXPECT_DOUBLE_EQ(count[0].Y1, Top + 9 + 0.6);
    const auto steps = Where(OpsOfKind(ops, TVrPE_LineTo::KindCode),
                             [](const TProbeOp& o) { return o.PenColor == VrRgb(255, 0, 0); });
    ASSERT_FALSE(steps.empty());
    EXPECT_DOUBLE_EQ(steps[0].X1, 94);
}

TEST_F(ProbingCardTest, CohesiveLayerSkipsDensityButKeepsVaneValues) {
    t.Sheet.SetVaneKind(1);
    t.Sheet.Portrait = false;
    AddLayer(0, "G[pz]", 1)->ForVane = true;
    t.Profile.End = 5;
    t.Profile.Normalize();
    TMeasure* m = Reading(0.5, 8, 0.41, 0.93);
    m->TauRes = 0.031;
    m->TauPeak = 0.072;
    m->IR = 2.32;
    const auto ops = Card(0, 3);
    EXPECT_FALSE(HasText(ops, "0,41"));
    EXPECT_FALSE(HasText(ops, "0,93"));
    EXPECT_TRUE(OpsOfKind(ops, TVrPE_MoveTo::KindCode).size() <= 1u); // no I_D point
    const auto tau = TextsEqual(ops, "0,031");
    ASSERT_EQ(tau.size(), 1u);
    EXPECT_EQ(tau[0].FontColor, VrRgb(120, 100, 255));
    const auto ir = TextsEqual(ops, "2,32");
    ASSERT_EQ(ir.size(), 1u);
    EXPECT_EQ(ir[0].FontColor, VrRgb(0, 128, 0));
}

TEST_F(ProbingCardTest, MissingResultsAreMarkedRed) {
    Reading(0.4, 3, NoValue, NoValue, "");
    const auto ops = Card();
    const auto dash = TextsEqual(ops, "-,--");
    ASSERT_EQ(dash.size(), 1u);
    EXPECT_EQ(dash[0].FontColor, VrRgb(255, 0, 0));
    EXPECT_DOUBLE_EQ(dash[0].X1, 124);
    const auto error = TextsEqual(ops, "błąd obliczeń!");
    ASSERT_EQ(error.size(), 1u);
    EXPECT_EQ(error[0].FontColor, VrRgb(255, 0, 0));
    EXPECT_EQ(error[0].Justify, jtBottom | jtLeft);
    EXPECT_DOUBLE_EQ(error[0].X1, 126);
}

TEST_F(ProbingCardTest, IdLineBreaksAtAMissingValue) {
    Reading(0.1, 5, 0.30);
    Reading(0.2, 6, 0.35);
    Reading(0.3, 6, NoValue, NoValue, "");
    Reading(0.4, 7, 0.40);
    const auto ops = Card();
    const auto moves = Where(OpsOfKind(ops, TVrPE_MoveTo::KindCode),
                             [](const TProbeOp& o) { return o.X1 > 126 && o.X1 < 156; });
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_NEAR(moves[0].X1, 126 + 9 - 0.2, 1e-9);
    EXPECT_NEAR(moves[1].X1, 126 + 12 - 0.2, 1e-9);
    EXPECT_DOUBLE_EQ(moves[1].Y1, Top + 12 - 1.5);
}

TEST_F(ProbingCardTest, LayerOverTwoPagesIsClippedToEach) {
    AddLayer(0, "P[d]");
    AddLayer(3.5, "P[s]");
    t.Profile.End = 9;
    t.Profile.Normalize();
    auto colourFills = [](const std::vector<TProbeOp>& ops) {
        return Where(OpsOfKind(ops, TVrPE_FillRect::KindCode),
                     [](const TProbeOp& o) { return o.BrushColor == 0xC0FFFF && o.X1 == 8; });
    };
    const auto upper = colourFills(Card(0, 5));
    ASSERT_EQ(upper.size(), 2u);
    EXPECT_DOUBLE_EQ(upper[1].Y1, Top + 105);
    EXPECT_DOUBLE_EQ(upper[1].Y2, Top + 150); // cut at the card's bottom
    const auto lower = colourFills(Card(5, 6));
    ASSERT_EQ(lower.size(), 1u);
    EXPECT_DOUBLE_EQ(lower[0].Y1, Top);
    EXPECT_DOUBLE_EQ(lower[0].Y2, Top + 120);
    EXPECT_TRUE(HasText(Card(5, 6), "P_s"));
}

TEST_F(ProbingCardTest, WaterJustBelowThePageTopHasNoTriangle) {
    t.Profile.Water1 = 5.05;
    auto ops = Card(5, 6);
    const auto value = TextsEqual(ops, "5,05");
    ASSERT_EQ(value.size(), 1u);
    EXPECT_DOUBLE_EQ(value[0].Y1, Top + 1.5);
    EXPECT_TRUE(OpsOfKind(ops, TVrPE_PolyLine::KindCode).size() == 2u); // the frame's corners only

    t.Profile.Water1 = 5.6;
    ops = Card(5, 6);
    const auto polys = OpsOfKind(ops, TVrPE_PolyLine::KindCode);
    ASSERT_EQ(polys.size(), 3u);
    EXPECT_EQ(polys[2].BrushColor, VrRgb(0, 0, 255));
    EXPECT_DOUBLE_EQ(polys[2].Points[0].Y, Top + 18); // the tip on the level
    EXPECT_NEAR(polys[2].Points[1].Y, Top + 18 - 2.8, 1e-9);
}

TEST_F(ProbingCardTest, TopsoilHasNoLayerMeans) {
    TGeoProfileItem* soil = AddLayer(0, "Gleba");
    soil->Gleba = true;
    soil->IDAvg = 0.21;
    soil->ISAvg = 0.88;
    TGeoProfileItem* sand = AddLayer(1, "P[d]");
    sand->IDAvg = 0.47;
    sand->ISAvg = 0.94;
    t.Profile.End = 5;
    t.Profile.Normalize();
    const auto ops = Card();
    EXPECT_FALSE(HasText(ops, "0,21"));
    EXPECT_FALSE(HasText(ops, "0,88"));
    const auto mean = TextsEqual(ops, "0,47");
    ASSERT_EQ(mean.size(), 1u);
    EXPECT_DOUBLE_EQ(mean[0].X1, 171);
    EXPECT_DOUBLE_EQ(mean[0].Y1, Top + (30 + 150) / 2.0 + 1.5);
    EXPECT_EQ(mean[0].FontColor, VrRgb(0, 80, 0));
    EXPECT_TRUE(HasText(ops, "0,94"));
}

TEST_F(ProbingCardTest, WrenchReadingWithHalo) {
    t.AddReading(1.0, 12, 18.5);
    const auto ops = Card();
    const auto values = TextsEqual(ops, "18,5");
    ASSERT_EQ(values.size(), 5u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(values[size_t(i)].FontColor, VrRgb(255, 255, 255));
    EXPECT_EQ(values[4].FontColor, 0u);
    EXPECT_DOUBLE_EQ(values[4].X1, 94 - 6);
    EXPECT_DOUBLE_EQ(values[4].Y1, Top + 30 + 0.5);
}

} // namespace
