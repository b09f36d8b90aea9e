// Save and load of a full 30 m test (300 readings, vane data on every fifth,
// 8 layers): in memory, and through a file in the temporary directory (the
// save there includes the fsync of the atomic write).
#include "SampleTest.h"
#include "files/TestFile.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <unistd.h>

namespace {

std::unique_ptr<TEngine> FullTest() {
    auto engine = std::make_unique<TEngine>();
    FillSampleTest(*engine, 30.0, 8);
    return engine;
}

std::string TempFile() {
    return (std::filesystem::temp_directory_path() /
            ("quistra-bench-" + std::to_string(::getpid()) + ".sdn"))
        .string();
}

void EncodeFullTest(benchmark::State& state) {
    auto engine = FullTest();
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeTest(*engine));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(EncodeTest(*engine).size()));
}
BENCHMARK(EncodeFullTest);

void DecodeFullTest(benchmark::State& state) {
    auto source = FullTest();
    const std::string image = EncodeTest(*source);
    TEngine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(DecodeTest(engine, image));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(image.size()));
}
BENCHMARK(DecodeFullTest);

void SaveFullTest(benchmark::State& state) {
    auto engine = FullTest();
    const std::string path = TempFile();
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->SaveTest(path));
    std::filesystem::remove(path);
}
BENCHMARK(SaveFullTest)->Unit(benchmark::kMicrosecond);

void LoadFullTest(benchmark::State& state) {
    auto source = FullTest();
    const std::string path = TempFile();
    source->SaveTest(path);
    TEngine engine;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine.LoadTest(path));
    std::filesystem::remove(path);
}
BENCHMARK(LoadFullTest)->Unit(benchmark::kMicrosecond);

} // namespace
