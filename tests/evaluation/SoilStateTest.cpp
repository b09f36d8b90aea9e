#include "TestSheet.h"

#include "evaluation/SoilState.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// I_D of a reading with the given corrected count in the given layer.
double IdFor(TProtocol& test, int nKor, const TGeoProfileItem* layer) {
    TMeasure reading(1.5, nKor, NoValue);
    reading.NKor = nKor;
    return DensityIndex(test, reading, layer);
}

constexpr LayerFields PoorlyGradedSand = {.start = 1.0, .soil = 1, .cu = 2.5, .gradingKnown = true};
constexpr LayerFields WellGradedSandGravel = {
    .start = 1.0, .soil = 2, .cu = 6.0, .gradingKnown = true, .wellGraded = true};

} // namespace

TEST(DensityIndex, PnAndIbpgCorrelationByProbe) {
    const struct {
        int probe;
        double expected; // a + b at NKor 10
    } cases[] = {{ProbeNone, NoValue}, {ProbeDPL, 0.500},   {ProbeDPM, 0.607},
                 {ProbeDPH, 0.712},    {ProbeDPSHA, 0.637}, {ProbeDPSHB, 0.637}};
    for (int norm : {NormPN, NormIBPG}) {
        for (const auto& c : cases) {
            TestSheet t;
            t.Norm(norm).Probe(c.probe);
            EXPECT_NEAR(IdFor(*t, 10, nullptr), c.expected, 1e-9)
                << "norm " << norm << ", probe " << c.probe;
        }
    }
    TestSheet t;
    t.Probe(ProbeDPH);
    EXPECT_NEAR(IdFor(*t, 1, nullptr), 0.271, 1e-9);
    EXPECT_NEAR(IdFor(*t, 100, nullptr), 2 * 0.441 + 0.271, 1e-9);
}

TEST(DensityIndex, NoBlowsAfterCorrectionGiveNoIndex) {
    for (int norm : {NormPN, NormIBPG, NormISO, NormUser}) {
        TestSheet t;
        t.Norm(norm);
        t->Sheet.ParA = 1;
        t->Sheet.ParB = 0;
        EXPECT_EQ(IdFor(*t, 0, nullptr), NoValue) << norm;
        EXPECT_EQ(IdFor(*t, -1, nullptr), NoValue) << norm;
    }
}

TEST(DensityIndex, IsoRowsAboveAndBelowTheWaterTable) {
    // The layer's top is at 1.0 m; NKor 10, so a + b.
    const struct {
        const char* name;
        LayerFields layer;
        int probe;
        double waterM;
        double strict;     // no fallback
        double simplified; // with the fallback
    } cases[] = {
        {"sand, DPL, top 1 m below water", PoorlyGradedSand, ProbeDPL, 0.0, 0.44, 0.44},
        {"sand, DPL, top at the water level", PoorlyGradedSand, ProbeDPL, 1.0, 0.44, 0.44},
        {"sand, DPL, water level a hair lower", PoorlyGradedSand, ProbeDPL, 1.000005, 0.44, 0.44},
        {"sand, DPL, top 1 m above water", PoorlyGradedSand, ProbeDPL, 2.0, 0.41, 0.41},
        {"sand, DPL, no water level", PoorlyGradedSand, ProbeDPL, NoValue, 0.41, 0.41},
        {"sand, DPH, below water", PoorlyGradedSand, ProbeDPH, 0.5, 0.61, 0.61},
        {"sand, DPH, above water", PoorlyGradedSand, ProbeDPH, 2.0, 0.535, 0.535},
        {"sand-gravel, DPH, above water", WellGradedSandGravel, ProbeDPH, 2.0, 0.41, 0.41},
        {"sand-gravel, DPH, no water level", WellGradedSandGravel, ProbeDPH, NoValue, 0.41, 0.41},
        {"sand-gravel, DPH, below water", WellGradedSandGravel, ProbeDPH, 0.5, NoValue, 0.535},
        {"sand-gravel, DPL, above water", WellGradedSandGravel, ProbeDPL, 2.0, NoValue, 0.41},
        {"sand, DPM", PoorlyGradedSand, ProbeDPM, 2.0, NoValue, NoValue},
    };
    for (const auto& c : cases) {
        for (bool strict : {true, false}) {
            TestSheet t;
            t.Norm(NormISO).Probe(c.probe).Strict(strict).Water(c.waterM);
            t.ProfileEnd(10).Layer({.start = 0.0, .soil = 3}).Layer(c.layer);
            const double expected = strict ? c.strict : c.simplified;
            EXPECT_NEAR(IdFor(*t, 10, t->Profile.Layer(1)), expected, 1e-9)
                << c.name << (strict ? ", strict" : ", simplified");
        }
    }
}

TEST(DensityIndex, IsoLayerConditions) {
    auto changed = [](LayerFields layer, auto change) {
        change(layer);
        return layer;
    };
    const struct {
        const char* name;
        LayerFields layer;
        int probe;
        bool meetsARow;
    } cases[] = {
        {"sand CU 3", changed(PoorlyGradedSand, [](LayerFields& s) { s.cu = 3; }), ProbeDPL, true},
        {"sand CU 3.01", changed(PoorlyGradedSand, [](LayerFields& s) { s.cu = 3.01; }), ProbeDPL,
         false},
        {"sand without CU", changed(PoorlyGradedSand, [](LayerFields& s) { s.cu = NoValue; }),
         ProbeDPL, false},
        {"sand, grading not answered",
         changed(PoorlyGradedSand, [](LayerFields& s) { s.gradingKnown = false; }), ProbeDPL,
         false},
        {"well-graded sand", changed(PoorlyGradedSand, [](LayerFields& s) { s.wellGraded = true; }),
         ProbeDPL, false},
        {"gravelly sand CU 6", WellGradedSandGravel, ProbeDPH, true},
        {"gravelly sand CU 5.9", changed(WellGradedSandGravel, [](LayerFields& s) { s.cu = 5.9; }),
         ProbeDPH, false},
        {"gravelly sand CU 12", changed(WellGradedSandGravel, [](LayerFields& s) { s.cu = 12; }),
         ProbeDPH, true},
        {"poorly graded gravelly sand",
         changed(WellGradedSandGravel, [](LayerFields& s) { s.wellGraded = false; }), ProbeDPH,
         false},
        {"other soil", changed(PoorlyGradedSand, [](LayerFields& s) { s.soil = 3; }), ProbeDPL,
         false},
    };
    for (const auto& c : cases) {
        TestSheet t;
        t.Norm(NormISO).Probe(c.probe).Strict().ProfileEnd(10).Layer(c.layer);
        EXPECT_EQ(HasValue(IdFor(*t, 10, t->Profile.Layer(0))), c.meetsARow) << c.name;
    }
}

TEST(DensityIndex, IsoNeedsThreeBlowsAndALayer) {
    for (bool strict : {true, false}) {
        TestSheet t;
        t.Norm(NormISO).Strict(strict).ProfileEnd(10).Layer(PoorlyGradedSand);
        const TGeoProfileItem* sand = t->Profile.Layer(0);
        EXPECT_EQ(IdFor(*t, 2, sand), NoValue);
        EXPECT_NEAR(IdFor(*t, 3, sand), 0.15 + 0.26 * std::log10(3.0), 1e-9);
        EXPECT_EQ(IdFor(*t, 2, nullptr), NoValue);
        if (strict) {
            EXPECT_EQ(IdFor(*t, 10, nullptr), NoValue);
        } else {
            EXPECT_NEAR(IdFor(*t, 10, nullptr), 0.41, 1e-12);
        }
    }
}

TEST(DensityIndex, UserFormulaNeedsBothCoefficientsAndIsNotClamped) {
    TestSheet t;
    t.Norm(NormUser).Probe(ProbeDPM);
    t->Sheet.ParA = 0.5;
    EXPECT_EQ(IdFor(*t, 10, nullptr), NoValue);
    t->Sheet.ParB = 0.1;
    EXPECT_NEAR(IdFor(*t, 100, nullptr), 1.1, 1e-12);
    t->Sheet.ParA = NoValue;
    EXPECT_EQ(IdFor(*t, 10, nullptr), NoValue);
}

TEST(DensityState, ThresholdsBelongToTheDenserState) {
    const std::pair<double, const char*> cases[] = {
        {-0.2, "luźny"},
        {0.3299, "luźny"},
        {0.33, "śr.zagęszczony"},
        {0.6699, "śr.zagęszczony"},
        {0.67, "zagęszczony"},
        {0.7999, "zagęszczony"},
        {0.8, "bardzo zagęszcz."},
        {1.4, "bardzo zagęszcz."},
        {NoValue, ""},
    };
    for (auto [id, state] : cases)
        EXPECT_EQ(DensityState(id), state) << id;
}

TEST(CompactionIndex, FromDensityIndex) {
    EXPECT_NEAR(CompactionIndex(0.5), 0.9392, 5e-5);
    EXPECT_NEAR(CompactionIndex(0.0), 0.818 / 0.958, 1e-12);
    EXPECT_EQ(CompactionIndex(NoValue), NoValue);
}

TEST(FindLayer, BoundariesBelongToTheLowerLayer) {
    TestSheet t;
    t.ProfileEnd(3.0).Layer({.start = 0.5}).Layer({.start = 1.0}).Layer({.start = 2.0});
    const TGeoProfile& profile = t->Profile;
    const TGeoProfileItem* top = profile.Layer(0);
    const TGeoProfileItem* middle = profile.Layer(1);
    const TGeoProfileItem* bottom = profile.Layer(2);
    const struct {
        double from, to;
        const TGeoProfileItem* expected;
    } cases[] = {
        {0.9, 10000, top},    // the reading at 1.0 m: interval 0.9-1.0
        {1.0, 10000, middle}, // the reading at 1.1 m
        {1.1 - 0.1, 10000, middle},
        {1.9999999, 10000, bottom},
        {0.0, 10000, top}, // above the first layer
        {2.95, 10000, bottom},
        {3.0, 10000, nullptr}, // the end of the profile
        {3.1, 10000, nullptr},
        {1.2, 1.8, middle},  // covered whole
        {0.7, 1.5, top},     // the layer holding the top
        {0.0, 0.5, nullptr}, // ends at the first layer's top
        {0.0, 0.5000001, nullptr},
        {0.0, 0.6, top},
    };
    for (const auto& c : cases)
        EXPECT_EQ(profile.FindLayer(c.from, c.to), c.expected) << c.from << " .. " << c.to;
    EXPECT_EQ(FindLayer(profile, 1.0, 10000), middle);

    TestSheet empty;
    EXPECT_EQ(empty->Profile.FindLayer(0.0, 10000), nullptr);
}

TEST(FindLayer, TypedAndGridDepthsLandInTheSameLayer) {
    // 0.3 - 0.1 is 0.19999999999999998: without the tolerance a reading typed
    // at 0.3 m would fall into the layer above the boundary at 0.2 m.
    TestSheet t;
    t.ProfileEnd(1.0).Layer({.start = 0.0}).Layer({.start = 0.2});
    t.Reading(0.3, 5).Reading(3 * 0.1, 5);
    for (const TMeasure& reading : t->Measures)
        EXPECT_EQ(ReadingLayer(*t, reading), t->Profile.Layer(1)) << reading.Depth;
}

TEST(LayerAverages, CollectsTheReadingsWhoseIntervalsStartInTheLayer) {
    // I_D = depth and I_S = 2 x depth, so the means tell which readings counted.
    TestSheet t;
    t.ProfileEnd(3.0).Layer({.start = 0.0}).Layer({.start = 1.0}).Layer({.start = 2.0});
    t.Rows(1, 30, 1);
    for (TMeasure& reading : t->Measures) {
        reading.ID = reading.Depth;
        reading.IS = 2 * reading.Depth;
    }
    LayerAverages(*t);
    const TGeoProfileItem& middle = *t->Profile.Layer(1);
    EXPECT_NEAR(middle.IDAvg, 1.55, 1e-9); // 1.1 .. 2.0
    EXPECT_NEAR(middle.ISAvg, 3.10, 1e-9);
    EXPECT_NEAR(t->Profile.Layer(0)->IDAvg, 0.55, 1e-9);
}

TEST(LayerAverages, LeavesOutReadingsWithoutBlowsOrResults) {
    TestSheet t;
    t.ProfileEnd(2.0).Layer({.start = 0.0}).Layer({.start = 1.0});
    t.Rows(11, 20, 5);
    for (TMeasure& reading : t->Measures)
        reading.ID = reading.IS = 0.6;
    t->Measures.Get(0)->ID = 5.0; // 1.1 m: an I_D but no I_S
    t->Measures.Get(0)->IS = NoValue;
    // In the upper layer two rows hold only a torque-wrench reading and still
    // carry the I_D 0 and I_S 0 they were created with.
    t->AddReading(0.5, -1, 3.0);
    t->AddReading(0.6, -1, 3.0);
    TMeasure* evaluated = t->AddReading(0.7, 8, NoValue);
    evaluated->ID = 0.9;
    evaluated->IS = 1.1;
    LayerAverages(*t);
    EXPECT_NEAR(t->Profile.Layer(1)->IDAvg, 0.6, 1e-12);
    EXPECT_NEAR(t->Profile.Layer(0)->IDAvg, 0.9, 1e-12);
    EXPECT_NEAR(t->Profile.Layer(0)->ISAvg, 1.1, 1e-12);

    TestSheet bare;
    bare.ProfileEnd(2.0).Layer({.start = 0.0});
    bare->Profile.Layer(0)->IDAvg = 0.5;
    LayerAverages(*bare);
    EXPECT_EQ(bare->Profile.Layer(0)->IDAvg, NoValue);
    EXPECT_EQ(bare->Profile.Layer(0)->ISAvg, NoValue);
}

TEST(LayerAverages, DpshBStepsByTwentyCentimetres) {
    TestSheet t;
    t.Probe(ProbeDPSHB).ProfileEnd(3.0).Layer({.start = 0.0}).Layer({.start = 1.0});
    for (int cm = 110; cm <= 200; cm += 10)
        t.Reading(cm / 100.0, 4);
    for (TMeasure& reading : t->Measures) {
        reading.ID = reading.Depth;
        reading.IS = 1;
    }
    LayerAverages(*t);
    EXPECT_NEAR(t->Profile.Layer(1)->IDAvg, 1.6, 1e-9); // 1.2, 1.4 .. 2.0
}
