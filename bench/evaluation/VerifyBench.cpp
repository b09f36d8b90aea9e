#include "TestSheet.h"

#include "evaluation/SoilState.h"
#include "evaluation/VaneShear.h"
#include "evaluation/Verification.h"

#include <benchmark/benchmark.h>

namespace {

// A full 30 m DPL probing with field vane tests: 300 readings, 8 layers of
// mixed soils, a water level, both top and water corrections, and vane
// torques on every fifth reading.
void FullDplTest(TestSheet& t, int norm, bool strict) {
    t.Probe(ProbeDPL).Norm(norm).Strict(strict).CorrectMode(1).VaneKind(VaneKindFVT);
    t.Water(4.3).ProfileEnd(30.0);
    t->Sheet.WaterCorr.Apply = true;
    const LayerFields layers[] = {
        {.start = 0.0, .soil = 3, .topsoil = true},
        {.start = 0.4, .soil = 1, .u = 2.5, .cu = 2.0, .gradingKnown = true},
        {.start = 3.2, .soil = 1, .u = 4.0, .cu = 2.8, .gradingKnown = true},
        {.start = 6.5, .soil = 2, .u = 7.0, .cu = 8.0, .gradingKnown = true, .wellGraded = true},
        {.start = 10.0, .soil = 3, .mu = 0.8},
        {.start = 14.7, .soil = 1, .u = 3.0, .cu = 3.0, .gradingKnown = true},
        {.start = 19.3, .soil = 2, .u = 6.0, .cu = 6.0, .gradingKnown = true, .wellGraded = true},
        {.start = 24.0, .soil = 1, .u = 5.0, .cu = 1.8, .gradingKnown = true},
    };
    for (const LayerFields& layer : layers)
        t.Layer(layer);
    for (int row = 1; row <= ReadingRows; ++row) {
        t.Reading(row * ReadingStep(*t), 2 + (row * 7) % 23);
        if (row % 5 == 0) {
            TMeasure& reading = *t->Measures.Get(row - 1);
            reading.MMax = 8 + row % 7;
            reading.MRMax = 3 + row % 4;
        }
    }
}

void BM_VerifyFullDplTest(benchmark::State& state) {
    TestSheet t;
    FullDplTest(t, static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(Verify(*t));
    state.SetItemsProcessed(state.iterations() * t->Measures.Count());
}

} // namespace

// Simplified PN-B-04452, strict PN-B-04452 (error lines for most readings)
// and simplified ISO.
BENCHMARK(BM_VerifyFullDplTest)
    ->Args({NormPN, 0})
    ->Args({NormPN, 1})
    ->Args({NormISO, 0})
    ->Unit(benchmark::kMicrosecond);
