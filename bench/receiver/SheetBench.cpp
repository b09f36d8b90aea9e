// Decoding and applying a sheet: a real probing (300 rows) must be instant on
// the event-loop thread; the largest sheet the receiver accepts (16 MiB, about
// 840 000 records) shows the worst a sender can make the window wait.
#include "model/Protocol.h"
#include "receiver/SheetDecoder.h"
#include "receiver/SheetEncoder.h"

#include <benchmark/benchmark.h>

namespace {

std::string SheetWithRecords(int count) {
    TProtocol p;
    for (int i = 1; i <= count; ++i)
        p.AddReading(i * 0.1, i % 30, i % 7 == 0 ? 12.5 : NoValue);
    p.TestSite = "Wrocław";
    return EncodeSheet(p);
}

void BM_DecodeSheet(benchmark::State& state) {
    const std::string bytes = SheetWithRecords(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeSheet(bytes));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeSheet)->Arg(300)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_DecodeAndApplySheet(benchmark::State& state) {
    const std::string bytes = SheetWithRecords(static_cast<int>(state.range(0)));
    TProtocol p;
    for (auto _ : state) {
        ApplySheet(p, DecodeSheet(bytes));
        benchmark::DoNotOptimize(p.Measures.Count());
    }
}
BENCHMARK(BM_DecodeAndApplySheet)->Arg(300)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace
