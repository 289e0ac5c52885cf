#include "bench/BenchFixtures.h"
#include "bench/PairedTiming.h"
#include "bench/PlainKernel.h"

#include <chrono>
#include <thread>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

constexpr int kBatch = 4096;

// Samples keys first to first + count - 1 of the map; each sample is a new
// shading point, so nothing comes from the cache.
template <typename Sample>
void sampleKeys(KeyContext& sc, int first, int count, Sample sample) {
    for (int key = first; key < first + count; ++key) {
        sc.ResetCache();
        sc.mtlNum = key;
        benchmark::DoNotOptimize(sample(sc));
    }
}

// The map's sample against its constant sub-map's own: "overhead_ns" is
// what the map adds to every sample.
void BM_MapOverSubMap(benchmark::State& state) {
    Quiltra* map = newBenchMap(1);
    SolidMap solid;
    KeyContext sc;
    timeAgainst(
        state, "map",
        [&] { sampleKeys(sc, 1, kBatch, [&](ShadeContext& s) { return map->EvalColor(s); }); },
        "submap",
        [&] { sampleKeys(sc, 1, kBatch, [&](ShadeContext& s) { return solid.EvalColor(s); }); },
        kBatch);
    state.counters["overhead_ns"] = state.counters["map_ns"] - state.counters["submap_ns"];
    map->DeleteMe();
}
BENCHMARK(BM_MapOverSubMap)->UseManualTime();

// The map's sample against the plain transcription of the same sample, on
// the same map and keys (target: ratio at most 0.6).
void BM_MapOverPlainKernel(benchmark::State& state) {
    Quiltra* map = newBenchMap(static_cast<int>(state.range(0)));
    KeyContext sc;
    for (int key = 1; key <= kBatch; ++key) {
        sc.ResetCache();
        sc.mtlNum = key;
        const AColor own = map->EvalColor(sc);
        sc.ResetCache();
        if (!(plainKernelSample(*map, map->shading, sc) == own)) {
            state.SkipWithError("the two paths disagree");
            map->DeleteMe();
            return;
        }
    }
    timeAgainst(
        state, "map",
        [&] { sampleKeys(sc, 1, kBatch, [&](ShadeContext& s) { return map->EvalColor(s); }); },
        "plain",
        [&] {
            sampleKeys(sc, 1, kBatch,
                       [&](ShadeContext& s) { return plainKernelSample(*map, map->shading, s); });
        },
        kBatch);
    map->DeleteMe();
}
BENCHMARK(BM_MapOverPlainKernel)->Arg(1)->Arg(16)->UseManualTime();

// Picks across lists of 1, 16 and 10,000 entries of one colour against the
// one-entry list, in the same run (target: ratio near 1, the cost not
// growing). "distinct" makes every entry its own sub-map object: then a
// long list also pays for reaching objects spread over memory, which is the
// sub-maps' cost, not the pick's.
void BM_MapPicks(benchmark::State& state) {
    Quiltra* map = newBenchMap(static_cast<int>(state.range(0)), state.range(1) == 0, true);
    Quiltra* single = newBenchMap(1, false, true);
    KeyContext sc;
    timeAgainst(
        state, "map",
        [&] { sampleKeys(sc, 1, kBatch, [&](ShadeContext& s) { return map->EvalColor(s); }); },
        "one_entry",
        [&] { sampleKeys(sc, 1, kBatch, [&](ShadeContext& s) { return single->EvalColor(s); }); },
        kBatch);
    single->DeleteMe();
    map->DeleteMe();
}
BENCHMARK(BM_MapPicks)
    ->ArgsProduct({{1, 16, 10000}, {0, 1}})
    ->ArgNames({"entries", "distinct"})
    ->UseManualTime();

// The same samples on two threads at once against one thread: "scaling" is
// how many times one thread's throughput two threads reach (target: 1.85).
void BM_MapThreads(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    Quiltra* map = newBenchMap(16);
    constexpr int kPerThread = 64 * kBatch;
    auto work = [map](int first) {
        KeyContext sc;
        sampleKeys(sc, first, kPerThread, [&](ShadeContext& s) { return map->EvalColor(s); });
    };
    std::chrono::duration<double> one{0};
    std::chrono::duration<double> two{0};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        work(1);
        const Clock::time_point middle = Clock::now();
        std::thread other(work, 1 + kPerThread);
        work(1);
        other.join();
        const Clock::time_point end = Clock::now();
        one += middle - start;
        two += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(end - middle).count());
    }
    state.counters["one_thread_ns"] = one.count() * 1e9 / (state.iterations() * kPerThread);
    state.counters["two_threads_ns"] = two.count() * 1e9 / (state.iterations() * 2.0 * kPerThread);
    state.counters["scaling"] = 2.0 * one.count() / two.count();
    map->DeleteMe();
}
BENCHMARK(BM_MapThreads)->UseManualTime()->Iterations(20);

} // namespace
