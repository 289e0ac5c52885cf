#include "bench/BenchFixtures.h"

#include <chrono>

#include <benchmark/benchmark.h>

namespace {

// An update that reads everything: the table copied, every value read, every
// sub-map updated. "per_submap_ns" should stay flat as the list grows.
void BM_UpdateOutsideValidity(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Quiltra* map = newBenchMap(count);
    for (auto _ : state) {
        map->ivalid.SetEmpty();
        Interval valid = FOREVER;
        map->Update(0, valid);
        benchmark::DoNotOptimize(valid);
    }
    state.counters["per_submap_ns"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * count,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    map->DeleteMe();
}
BENCHMARK(BM_UpdateOutsideValidity)->Arg(1)->Arg(100)->Arg(1000)->Arg(10000);

// An update inside the validity: one interval test, whatever the list.
void BM_UpdateInsideValidity(benchmark::State& state) {
    Quiltra* map = newBenchMap(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Interval valid = FOREVER;
        map->Update(0, valid);
        benchmark::DoNotOptimize(valid);
    }
    map->DeleteMe();
}
BENCHMARK(BM_UpdateInsideValidity)->Arg(1)->Arg(100)->Arg(10000);

// Full updates of 10,000 sub-maps against 1,000 in the same run (target:
// ratio at most 12, linear growth).
void BM_UpdateScaling(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Quiltra* small = newBenchMap(1000);
    Quiltra* large = newBenchMap(10000);
    std::chrono::duration<double> smallTime{0};
    std::chrono::duration<double> largeTime{0};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        small->ivalid.SetEmpty();
        Interval valid = FOREVER;
        small->Update(0, valid);
        const Clock::time_point middle = Clock::now();
        large->ivalid.SetEmpty();
        large->Update(0, valid);
        const Clock::time_point end = Clock::now();
        smallTime += middle - start;
        largeTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["ratio_10000_to_1000"] = largeTime.count() / smallTime.count();
    small->DeleteMe();
    large->DeleteMe();
}
BENCHMARK(BM_UpdateScaling)->UseManualTime();

} // namespace
