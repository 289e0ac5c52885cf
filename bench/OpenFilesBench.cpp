#include "bench/BenchFixtures.h"
#include "host/FileDialog.h"

#include <chrono>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

std::vector<std::string> fileNames(int count) {
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
        names.push_back("tile " + std::to_string(i) + ".png");
    }
    return names;
}

// One "Open files" with count names through the file dialog: the table
// emptied, one bitmap texture per name made and appended, the update. No
// image is decoded. "per_file_ns" should stay flat as the count grows.
void BM_OpenFiles(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const std::vector<std::string> names = fileNames(count);
    Quiltra* map = newBenchMap(0);
    for (auto _ : state) {
        PickInNextFileDialog("/textures/floor", names);
        map->OpenFiles(nullptr);
    }
    state.counters["per_file_ns"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * count,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    map->DeleteMe();
}
BENCHMARK(BM_OpenFiles)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// 10,000 names against 1,000 in the same run (target: ratio at most 12).
// Each map is opened with the same count every time, so that each pays for
// replacing a table of its own size.
void BM_OpenFilesScaling(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::vector<std::string> few = fileNames(1000);
    const std::vector<std::string> many = fileNames(10000);
    Quiltra* fewMap = newBenchMap(0);
    Quiltra* manyMap = newBenchMap(0);
    std::chrono::duration<double> fewTime{0};
    std::chrono::duration<double> manyTime{0};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        PickInNextFileDialog("/textures/floor", few);
        fewMap->OpenFiles(nullptr);
        const Clock::time_point middle = Clock::now();
        PickInNextFileDialog("/textures/floor", many);
        manyMap->OpenFiles(nullptr);
        const Clock::time_point end = Clock::now();
        fewTime += middle - start;
        manyTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["ratio_10000_to_1000"] = manyTime.count() / fewTime.count();
    fewMap->DeleteMe();
    manyMap->DeleteMe();
}
BENCHMARK(BM_OpenFilesScaling)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
