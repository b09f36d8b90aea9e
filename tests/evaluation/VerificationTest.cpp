#include "TestSheet.h"

#include "base/Numbers.h"
#include "evaluation/SoilState.h"
#include "evaluation/VaneShear.h"
#include "evaluation/Verification.h"
#include "model/Engine.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr const char* NoErrors = "Brak błędów.";
constexpr const char* PnNotSand =
    "Profil gruntowy musi obejmować piasek aby zachować zgodność z normą PN";
constexpr const char* UMissing = "Brak określenia parametru U dla profilu gruntowego";
constexpr const char* PnUTooSmall =
    "Parametr U dla profilu gruntowego musi być większy niż 3 aby zachować zgodność z normą PN";
constexpr const char* IbpgNotSand =
    "Profil gruntowy musi obejmować piasek aby zachować zgodność z normą";
constexpr const char* IbpgUTooLarge =
    "Parametr U dla profilu gruntowego musi być mniejszy lub równy 3 aby zachować zgodność z "
    "normą";

// A DPL test with one sand layer of the given U over 0-5 m and readings of
// 10 blows every 10 cm down to 2 m.
void SandTest(TestSheet& t, int norm, bool strict, double u) {
    t.Norm(norm).Strict(strict).ProfileEnd(5.0).Layer({.start = 0.0, .soil = 1, .u = u});
    t.Rows(1, 20, 10);
}

std::string Lines(int fromRow, int toRow, const char* message) {
    std::string text;
    for (int row = fromRow; row <= toRow; ++row)
        text += FormatFixedPoint(row * 0.1, 3, 2) + " m : " + message + "\r\n";
    return text;
}

} // namespace

TEST(Verify, ATestWithoutReadingsIsIncomplete) {
    TestSheet t;
    t->MaxDepth = 4;
    t->Errors = "old";
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors, "");
    EXPECT_EQ(t->MaxDepth, 0.0);
}

TEST(Verify, SimplifiedPnEvaluatesEveryReading) {
    TestSheet t;
    SandTest(t, NormPN, false, 2.0);
    EXPECT_TRUE(Verify(*t));
    EXPECT_EQ(t->Errors, NoErrors);
    for (const TMeasure& reading : t->Measures) {
        EXPECT_NEAR(reading.ID, 0.5, 1e-12) << reading.Depth;
        EXPECT_NEAR(reading.IS, 0.9392, 5e-5);
        EXPECT_EQ(reading.State, "śr.zagęszczony");
    }
    EXPECT_NEAR(t->Profile.Layer(0)->IDAvg, 0.5, 1e-12);
    EXPECT_NEAR(t->MaxDepth, 2.0, 1e-12);
}

TEST(Verify, StrictPnWritesOneLinePerFailingReading) {
    TestSheet t;
    SandTest(t, NormPN, true, 2.0);
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors.substr(0, 9), "0.10 m : ");
    EXPECT_EQ(t->Errors, Lines(1, 20, PnUTooSmall));
    for (const TMeasure& reading : t->Measures) {
        EXPECT_EQ(reading.ID, NoValue);
        EXPECT_EQ(reading.IS, NoValue);
        EXPECT_EQ(reading.State, "");
    }
    EXPECT_EQ(t->Profile.Layer(0)->IDAvg, NoValue);
}

TEST(Verify, StrictConditionsReportTheFirstFailure) {
    const struct {
        int norm;
        LayerFields layer;
        const char* message; // nullptr: conforms
    } cases[] = {
        {NormPN, {.soil = 1, .u = 3.5}, nullptr},
        {NormPN, {.soil = 1, .u = 3.0}, PnUTooSmall},
        {NormPN, {.soil = 1}, UMissing},
        {NormPN, {.soil = 2, .u = 2.0}, PnNotSand},
        {NormPN, {.soil = 0}, PnNotSand},
        {NormIBPG, {.soil = 1, .u = 3.0}, nullptr},
        {NormIBPG, {.soil = 1, .u = 3.01}, IbpgUTooLarge},
        {NormIBPG, {.soil = 1}, UMissing},
        {NormIBPG, {.soil = 3, .u = 2.0}, IbpgNotSand},
    };
    for (const auto& c : cases) {
        TestSheet t;
        t.Norm(c.norm).Strict().ProfileEnd(5.0).Layer(c.layer).Rows(1, 3, 10);
        const bool complete = Verify(*t);
        if (c.message) {
            EXPECT_FALSE(complete);
            EXPECT_EQ(t->Errors, Lines(1, 3, c.message)) << c.message;
        } else {
            EXPECT_TRUE(complete);
            EXPECT_EQ(t->Errors, NoErrors);
        }
    }
}

TEST(Verify, StrictReadingBelowTheProfileIsNotInSand) {
    TestSheet t;
    t.Norm(NormIBPG).Strict().ProfileEnd(0.2).Layer({.start = 0.0, .soil = 1, .u = 2.0});
    t.Rows(1, 4, 10);
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors, Lines(3, 4, IbpgNotSand)); // 0.2-0.3 and 0.3-0.4 m lie below 0.2 m
    EXPECT_NEAR(t->Measures.Get(0)->ID, 0.5, 1e-12);
}

TEST(Verify, ErrorLinesFollowTheReadingListOrderAndWidenWithDepth) {
    TestSheet t;
    t.Strict().ProfileEnd(50).Layer({.soil = 3});
    t.Reading(12.3, 4).Reading(0.5, 4);
    Verify(*t);
    EXPECT_EQ(t->Errors,
              std::string("12.30 m : ") + PnNotSand + "\r\n0.50 m : " + PnNotSand + "\r\n");
}

TEST(Verify, StrictIsoWithSiltGivesNoIndexAndNoLines) {
    TestSheet t;
    t.Norm(NormISO).Strict().ProfileEnd(5.0).Layer({.soil = 3}).Rows(1, 10, 10);
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors, "");
    for (const TMeasure& reading : t->Measures)
        EXPECT_EQ(reading.ID, NoValue);

    t.Strict(false);
    EXPECT_TRUE(Verify(*t)); // the fallback
    EXPECT_NEAR(t->Measures.Get(0)->ID, 0.41, 1e-12);
}

TEST(Verify, IsoUsesTheWaterPositionOfTheReadingsLayer) {
    TestSheet t;
    t.Norm(NormISO).Strict().Water(2.0).ProfileEnd(5.0);
    t.Layer({.start = 0.0, .soil = 1, .cu = 2.5, .gradingKnown = true});
    t.Layer({.start = 2.0, .soil = 1, .cu = 2.5, .gradingKnown = true});
    t.Reading(2.0, 10).Reading(2.1, 10);
    EXPECT_TRUE(Verify(*t));
    EXPECT_NEAR(t->FindReading(2.0)->ID, 0.41, 1e-12); // upper layer, above water
    EXPECT_NEAR(t->FindReading(2.1)->ID, 0.44, 1e-12); // lower layer, top at the water level
}

TEST(Verify, ProbeTypeNoneUnderPnLeavesEveryReadingWithoutIndex) {
    TestSheet t;
    SandTest(t, NormPN, false, 4.0);
    t.Probe(ProbeNone);
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors, "");
    for (const TMeasure& reading : t->Measures)
        EXPECT_EQ(reading.ID, NoValue);
}

TEST(Verify, DpshBSkipsReadingsOffItsGrid) {
    TestSheet t;
    t.Probe(ProbeDPSHB).ProfileEnd(5.0).Layer({.soil = 1, .u = 4});
    for (int cm = 10; cm <= 200; cm += 10)
        t->AddReading(cm / 100.0, 10, NoValue)->ID = 0.123;
    EXPECT_TRUE(Verify(*t));
    for (const TMeasure& reading : t->Measures) {
        const bool onGrid = RoundHalfUp(reading.Depth * 100) % 20 == 0;
        EXPECT_NEAR(reading.ID, onGrid ? 0.441 + 0.196 : 0.123, 1e-12) << reading.Depth;
    }
    EXPECT_NEAR(t->MaxDepth, 2.0, 1e-12);
}

TEST(Verify, RecomputesCorrectedCounts) {
    TestSheet t;
    t.ProfileEnd(5.0).Layer({.soil = 1, .u = 4}).Rows(1, 10, 3);
    t.CorrectMode(1);
    EXPECT_TRUE(Verify(*t));
    EXPECT_EQ(t->FindReading(0.1)->NKor, 18);
    EXPECT_NEAR(t->FindReading(0.1)->ID, 0.429 * std::log10(18.0) + 0.071, 1e-12);
    EXPECT_EQ(t->FindReading(1.0)->NKor, 3);
}

TEST(Verify, TopsoilReadingsLeaveThePresentationButKeepTheirIndex) {
    TestSheet t;
    t.ProfileEnd(5.0).Layer({.start = 0.0, .topsoil = true}).Layer({.start = 0.3, .soil = 1});
    t.Rows(1, 5, 10);
    TMeasure* noBlows = t->AddReading(0.7, 0, 2.0);
    noBlows->Included = false;
    TMeasure* noBlowsIncluded = t->AddReading(0.8, -1, 2.0);
    EXPECT_TRUE(Verify(*t));
    const bool expected[] = {false, false, false, true, true};
    for (int row = 1; row <= 5; ++row) {
        const TMeasure& reading = *t->FindReading(row * 0.1);
        EXPECT_EQ(reading.Included, expected[row - 1]) << reading.Depth;
        EXPECT_NEAR(reading.ID, 0.5, 1e-12);
    }
    EXPECT_FALSE(noBlows->Included);
    EXPECT_TRUE(noBlowsIncluded->Included);
    EXPECT_EQ(noBlows->ID, 0.0); // not evaluated: left as it was
    EXPECT_NEAR(t->Profile.Layer(0)->IDAvg, 0.5, 1e-12);

    // Once the layer is no longer topsoil its readings take part again.
    t->FindReading(0.1)->N = 10;
    t->Profile.Layer(0)->Gleba = false;
    Verify(*t);
    EXPECT_TRUE(t->FindReading(0.1)->Included);
}

TEST(Verify, MaxDepthCountsReadingsWithBlowsOnly) {
    TestSheet t;
    t.Rows(1, 20, 5).Reading(3.0, 0).Reading(4.0, -1);
    Verify(*t);
    EXPECT_NEAR(t->MaxDepth, 2.0, 1e-12);
}

TEST(Verify, PortraitOnlyWithoutVaneTests) {
    TestSheet t;
    t.Rows(1, 2, 5);
    Verify(*t);
    EXPECT_TRUE(t->Sheet.Portrait);
    t.VaneKind(VaneKindSLVT);
    Verify(*t);
    EXPECT_FALSE(t->Sheet.Portrait);
}

TEST(Verify, VaneResultsUseTheLayerCoefficient) {
    TestSheet t;
    t.VaneKind(VaneKindFVT).ProfileEnd(5.0).Layer({.start = 0.0, .mu = 0.8});
    t.Layer({.start = 2.0}).Reading(1.0, 5).Reading(2.5, 5).Reading(4.0, -1);
    for (TMeasure& reading : t->Measures) {
        reading.MMax = 10;
        reading.MRMax = 4;
    }
    Verify(*t);
    EXPECT_NEAR(t->FindReading(1.0)->TauPeak, 0.0426 * 0.8, 5e-5);
    EXPECT_EQ(t->FindReading(1.0)->Mu, 0.8);
    EXPECT_NEAR(t->FindReading(2.5)->TauPeak, 0.0426, 5e-5);
    EXPECT_NEAR(t->FindReading(2.5)->IR, 2.5, 1e-12);
    EXPECT_EQ(t->FindReading(4.0)->TauPeak, NoValue); // no blows: not evaluated
}

TEST(Verify, UserFormulaWithoutCoefficientsIsIncompleteWithoutLines) {
    TestSheet t;
    t.Norm(NormUser).Strict().Rows(1, 5, 10);
    t->Sheet.ParA = 0.5;
    EXPECT_FALSE(Verify(*t));
    EXPECT_EQ(t->Errors, "");
    t->Sheet.ParB = 0.1;
    EXPECT_TRUE(Verify(*t));
    EXPECT_EQ(t->Errors, NoErrors);
    EXPECT_NEAR(t->FindReading(0.3)->ID, 0.6, 1e-12);
}

TEST(Verify, TheEngineVerifiesItsTest) {
    TEngine engine;
    TProtocol& test = *engine.Protocol;
    test.Profile.End = 5;
    test.Profile.AddLayer(std::make_unique<TGeoProfileItem>(0.0, "Ps", 0))->SoilType = SoilSand;
    test.AddReading(1.0, 10, NoValue);
    EXPECT_TRUE(engine.Verify());
    EXPECT_EQ(test.Errors, NoErrors);
    EXPECT_NEAR(test.Measures.Get(0)->ID, 0.5, 1e-12);
}
