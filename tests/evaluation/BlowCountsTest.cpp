#include "TestSheet.h"

#include "base/Numbers.h"
#include "evaluation/BlowCounts.h"

#include <gtest/gtest.h>

namespace {

// NKor of a reading with the given blow count at the given depth.
int Corrected(TProtocol& test, double depthM, int blows) {
    TMeasure reading(depthM, blows, NoValue);
    CorrectBlows(test, reading);
    return reading.NKor;
}

} // namespace

TEST(RoundHalfUp, RoundsHalvesUpOnBothSides) {
    const std::pair<double, int> cases[] = {{2.5, 3},  {-2.5, -2}, {2.4999, 2}, {-2.6, -3},
                                            {3.75, 4}, {10.5, 11}, {0.0, 0}};
    for (auto [x, expected] : cases)
        EXPECT_EQ(RoundHalfUp(x), expected) << x;
}

TEST(ReadingStep, TwentyCentimetresForDpshBOnly) {
    TestSheet t;
    for (int probe = 0; probe <= 5; ++probe) {
        t.Probe(probe);
        EXPECT_DOUBLE_EQ(ReadingStep(*t), probe == ProbeDPSHB ? 0.2 : 0.1) << probe;
    }
}

TEST(CorrectBlows, RoadAndBridgeBandsInTheTopHalfMetre) {
    TestSheet t;
    t.CorrectMode(1);
    const struct {
        double depthM;
        int blows;
        int expected;
    } cases[] = {
        {0.0, 3, 18}, {0.1, 3, 18}, {0.2, 3, 9}, {0.3, 3, 6}, {0.4, 3, 5},  {0.5, 3, 4},
        {0.6, 3, 3},  {0.1, 4, 24}, {0.5, 4, 5}, {0.6, 4, 4}, {-0.1, 4, 4}, {5.0, 4, 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Corrected(*t, c.depthM, c.blows), c.expected) << c.depthM << " m, N " << c.blows;
}

TEST(CorrectBlows, UserBandsUseTheirOwnCoefficients) {
    TestSheet t;
    t.CorrectMode(2);
    T050Param& user = t->Sheet.UserCorr;
    user.K0_10 = 1.1;
    user.K10_20 = 1.2;
    user.K20_30 = 1.3;
    user.K30_40 = 1.4;
    user.K40_50 = 1.5;
    const int expected[] = {11, 12, 13, 14, 15, 10};
    for (int row = 1; row <= 6; ++row)
        EXPECT_EQ(Corrected(*t, row * 0.1, 10), expected[row - 1]) << row;
}

TEST(CorrectBlows, UserUniformCoefficientAppliesAtEveryDepth) {
    TestSheet t;
    t.CorrectMode(2);
    t->Sheet.UserCorr.UseUniform = true;
    t->Sheet.UserCorr.Uniform = 1.3;
    for (double depthM : {0.1, 0.5, 0.6, 5.0})
        EXPECT_EQ(Corrected(*t, depthM, 10), 13) << depthM;
}

TEST(CorrectBlows, NoCorrectionLeavesTheCountAndNoCountStaysNone) {
    TestSheet t;
    EXPECT_EQ(Corrected(*t, 0.1, 4), 4);
    t.CorrectMode(1);
    EXPECT_EQ(Corrected(*t, 0.1, -1), -1);
}

TEST(CorrectBlows, WaterBandFromOneMetreAboveToThreeMetresBelow) {
    TestSheet t;
    t.Water(3.00);
    t->Sheet.WaterCorr = {2.0, 3.0, 4.0, true};
    for (int row = 1; row <= 80; ++row) {
        const double depthM = row * 0.1;
        const int factor = row >= 21 && row <= 30   ? 2
                           : row >= 31 && row <= 50 ? 3
                           : row >= 51 && row <= 60 ? 4
                                                    : 1;
        EXPECT_EQ(Corrected(*t, depthM, 2), 2 * factor) << depthM << " m";
    }
}

TEST(CorrectBlows, WaterCorrectionWorksOnTheTopCorrectedCount) {
    TestSheet t;
    t.CorrectMode(1).Water(2.5);
    t->Sheet.WaterCorr.Apply = true;
    EXPECT_EQ(Corrected(*t, 2.0, 7), 11); // 7 x 1.5 = 10.5
    t.Water(0.5);
    EXPECT_EQ(Corrected(*t, 0.1, 3), 27); // 3 x 6 = 18, x 1.5
}

TEST(CorrectBlows, WaterOffOrWithoutLevelCorrectsNothing) {
    TestSheet t;
    t.Water(3.0);
    EXPECT_EQ(Corrected(*t, 2.5, 2), 2);
    t->Sheet.WaterCorr.Apply = true;
    t.Water(NoValue);
    EXPECT_EQ(Corrected(*t, 2.5, 2), 2);
}

TEST(CorrectBlows, WaterLevelTypedWithCommaCountsInWholeCentimetres) {
    // 2,30 m is 230 cm: the reading at 1.3 m lies a full metre above it
    // (outside the band) and the one at 2.3 m at the level itself.
    TestSheet t;
    t.Water(ParseNumber("2,30").value());
    t->Sheet.WaterCorr = {2.0, 3.0, 3.0, true};
    EXPECT_EQ(Corrected(*t, 1.3, 10), 10);
    EXPECT_EQ(Corrected(*t, 1.4, 10), 20);
    EXPECT_EQ(Corrected(*t, 2.3, 10), 20);
    EXPECT_EQ(Corrected(*t, 2.4, 10), 30);
}

TEST(CorrectAllBlows, RecomputesEveryReading) {
    TestSheet t;
    t.Reading(0.1, 3).Reading(0.4, 3).Reading(1.0, 3);
    t.CorrectMode(1);
    t->CorrectAllBlows();
    EXPECT_EQ(t->Measures.Get(0)->NKor, 18);
    EXPECT_EQ(t->Measures.Get(1)->NKor, 5);
    EXPECT_EQ(t->Measures.Get(2)->NKor, 3);
    t.CorrectMode(0);
    CorrectAllBlows(*t);
    EXPECT_EQ(t->Measures.Get(0)->NKor, 3);
}

TEST(SetReadingCell, TypingABlowCountCreatesTheReadingAndClearingRemovesIt) {
    TestSheet t;
    t.CorrectMode(1);
    SetReadingCell(*t, 5, ColumnBlows, "12");
    ASSERT_EQ(t->Measures.Count(), 1);
    const TMeasure& reading = *t->Measures.Get(0);
    EXPECT_NEAR(reading.Depth, 0.5, 1e-12);
    EXPECT_EQ(reading.N, 12);
    EXPECT_EQ(reading.NKor, 15); // 12 x 1.25
    EXPECT_TRUE(reading.Included);
    EXPECT_EQ(reading.Torque, NoValue);
    EXPECT_EQ(reading.MMax, NoValue);
    SetReadingCell(*t, 5, ColumnBlows, "");
    EXPECT_EQ(t->Measures.Count(), 0);
}

TEST(SetReadingCell, ClearingTheCountOfAReadingWithATorqueKeepsIt) {
    TestSheet t;
    SetReadingCell(*t, 3, ColumnBlows, "7");
    SetReadingCell(*t, 3, ColumnTorque, "12,5");
    SetReadingCell(*t, 3, ColumnBlows, "x");
    ASSERT_EQ(t->Measures.Count(), 1);
    EXPECT_EQ(t->Measures.Get(0)->N, -1);
    EXPECT_EQ(t->Measures.Get(0)->NKor, -1);
    EXPECT_DOUBLE_EQ(t->Measures.Get(0)->Torque, 12.5);
}

TEST(SetReadingCell, DecimalFieldsTakeCommaOrPointAndJunkAsNoValue) {
    TestSheet t;
    SetReadingCell(*t, 10, ColumnBlows, "4");
    const TMeasure& reading = *t->Measures.Get(0);
    SetReadingCell(*t, 10, ColumnTorque, "1.5");
    EXPECT_DOUBLE_EQ(reading.Torque, 1.5);
    SetReadingCell(*t, 10, ColumnSpeed, "6,25");
    EXPECT_DOUBLE_EQ(reading.Speed, 6.25);
    SetReadingCell(*t, 10, ColumnTimeToShear, " 2,5 ");
    EXPECT_DOUBLE_EQ(reading.TimeToShear, 2.5);
    SetReadingCell(*t, 10, ColumnSpeed, "abc");
    EXPECT_EQ(reading.Speed, NoValue);
    SetReadingCell(*t, 10, 3, "99"); // a column with no field
    SetReadingCell(*t, 10, 9, "99");
    EXPECT_EQ(reading.N, 4);
    EXPECT_EQ(t->Measures.Count(), 1);
}

TEST(SetReadingCell, AVaneTorqueRerunsTheVerification) {
    TestSheet t;
    t.VaneKind(1);
    SetReadingCell(*t, 10, ColumnBlows, "4");
    const TMeasure& reading = *t->Measures.Get(0);
    EXPECT_EQ(reading.TauPeak, NoValue);
    SetReadingCell(*t, 10, ColumnMMax, "10");
    EXPECT_NEAR(reading.TauPeak, 0.0426, 5e-5);
    SetReadingCell(*t, 10, ColumnMRMax, "4");
    EXPECT_NEAR(reading.TauRes, 0.0171, 5e-5);
    EXPECT_NEAR(reading.IR, 2.5, 1e-9);
}

TEST(SetReadingCell, VaneTorquesAloneDoNotKeepARow) {
    TestSheet t;
    t.VaneKind(1);
    SetReadingCell(*t, 10, ColumnMMax, "10");
    EXPECT_EQ(t->Measures.Count(), 0);
}

TEST(SetReadingCell, RowsFollowTheProbeGridAndFindTypedDepths) {
    TestSheet t;
    t.Reading(0.3, 5); // typed, not built as 3 x 0.1
    SetReadingCell(*t, 3, ColumnBlows, "6");
    ASSERT_EQ(t->Measures.Count(), 1);
    EXPECT_EQ(t->Measures.Get(0)->N, 6);

    t.Probe(ProbeDPSHB);
    SetReadingCell(*t, 7, ColumnBlows, "9");
    TMeasure* reading = t->FindReading(1.4);
    ASSERT_NE(reading, nullptr);
    EXPECT_EQ(reading->N, 9);
}

TEST(SetReadingCell, RowsOutsideTheGridAreIgnored) {
    TestSheet t;
    SetReadingCell(*t, 0, ColumnBlows, "5");
    SetReadingCell(*t, ReadingRows + 1, ColumnBlows, "5");
    EXPECT_EQ(t->Measures.Count(), 0);
    SetReadingCell(*t, ReadingRows, ColumnBlows, "5");
    ASSERT_EQ(t->Measures.Count(), 1);
    EXPECT_NEAR(t->Measures.Get(0)->Depth, 30.0, 1e-9);
}
