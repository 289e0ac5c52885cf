#pragma once

#include <chrono>

#include <benchmark/benchmark.h>

// Times two pieces of work in alternating batches within the same
// iterations, so that both meet the same machine state. The benchmark's own
// time is the first's; the counters give each one's time per call and the
// ratio of the first to the second, the figure that is stable from one
// machine to the next.
template <typename Measured, typename Reference>
void timeAgainst(benchmark::State& state, const char* measuredName, Measured measured,
                 const char* referenceName, Reference reference, int callsPerBatch) {
    using Clock = std::chrono::steady_clock;
    std::chrono::duration<double> measuredTime{0};
    std::chrono::duration<double> referenceTime{0};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        measured();
        const Clock::time_point middle = Clock::now();
        reference();
        const Clock::time_point end = Clock::now();
        measuredTime += middle - start;
        referenceTime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    const double calls = static_cast<double>(state.iterations()) * callsPerBatch;
    state.counters[std::string(measuredName) + "_ns"] = measuredTime.count() * 1e9 / calls;
    state.counters[std::string(referenceName) + "_ns"] = referenceTime.count() * 1e9 / calls;
    state.counters["ratio"] = measuredTime.count() / referenceTime.count();
}
