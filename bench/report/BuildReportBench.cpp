// Composing the report of long tests: the preview rebuilds it on every
// option change, so it has to stay far below a frame's time.

#include "ReportSamples.h"

#include "evaluation/Verification.h"
#include "pages/Pages.h"
#include "report/Report.h"

#include <benchmark/benchmark.h>

namespace {

void Run(benchmark::State& state, TProtocol& test) {
    Verify(test);
    TVrPages pages;
    for (auto _ : state) {
        BuildReport(test, pages);
        benchmark::DoNotOptimize(pages.Count());
    }
    state.counters["pages"] = pages.Count();
    int elements = 0;
    for (int i = 0; i < pages.Count(); ++i)
        elements += pages.Page(i)->Count();
    state.counters["elements"] = elements;
}

void BM_BuildReport_Dpl30m(benchmark::State& state) {
    TProtocol test;
    BuildDplSample(test, 30.0);
    Run(state, test);
}
BENCHMARK(BM_BuildReport_Dpl30m)->Unit(benchmark::kMillisecond);

void BM_BuildReport_Dpshb60m(benchmark::State& state) {
    TProtocol test;
    BuildDpshbSample(test, 60.0);
    Run(state, test);
}
BENCHMARK(BM_BuildReport_Dpshb60m)->Unit(benchmark::kMillisecond);

} // namespace
