#include "shading/ColorVariation.h"
#include "shading/GammaPower.h"
#include "shading/Generator.h"

#include <chrono>
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

namespace {

struct PowerInput {
    float x, p;
};

// What the gamma step meets with the default span (1 +/- 0.2): 8-bit
// channels, and the exponents the draws give, in a scrambled order.
std::vector<PowerInput> gammaStepInputs() {
    ColorVariation v{};
    v.allGamma = 1.0f;
    v.rndGamma = 0.2f;
    v.occGamma = 0.5f;
    std::vector<PowerInput> inputs;
    for (int i = 0; i < 4096; ++i) {
        const float x = static_cast<float>((i * 37) % 256) / 255.0f;
        inputs.push_back({x, gammaExponent(v, (i * 7919) % (kGeneratorMax + 1))});
    }
    return inputs;
}

// gammaPower against the runtime's std::pow(float, float) on the same
// inputs in the same iterations; the benchmark's time is gammaPower's, and
// "ratio" is gammaPower's time over std::pow's.
void BM_GammaPowerAgainstStdPow(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const std::vector<PowerInput> inputs = gammaStepInputs();
    std::chrono::duration<double> own{0};
    std::chrono::duration<double> runtime{0};
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        for (const PowerInput& in : inputs) {
            benchmark::DoNotOptimize(gammaPower(in.x, in.p));
        }
        const Clock::time_point middle = Clock::now();
        for (const PowerInput& in : inputs) {
            benchmark::DoNotOptimize(std::pow(in.x, in.p));
        }
        const Clock::time_point end = Clock::now();
        own += middle - start;
        runtime += end - middle;
        state.SetIterationTime(std::chrono::duration<double>(middle - start).count());
    }
    const double calls = static_cast<double>(state.iterations()) * inputs.size();
    state.SetItemsProcessed(static_cast<std::int64_t>(calls));
    state.counters["gammaPower_ns"] = own.count() * 1e9 / calls;
    state.counters["std_pow_ns"] = runtime.count() * 1e9 / calls;
    state.counters["ratio"] = own.count() / runtime.count();
}
BENCHMARK(BM_GammaPowerAgainstStdPow)->UseManualTime();

} // namespace
