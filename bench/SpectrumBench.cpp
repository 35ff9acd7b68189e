#include "Spectrum.h"
#include "SpectrumOracle.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

Samples Tone()
{
    Samples x{};
    for (std::size_t n = 0; n < ANALYSIS_LENGTH; ++n)
        x[n] = std::nearbyint(20000.0 * std::sin(0.1425 * static_cast<double>(n)));
    return x;
}

void BM_OracleLevels(benchmark::State& state)
{
    const Samples x = Tone();
    for (auto _ : state)
        benchmark::DoNotOptimize(OracleLevels(x));
}
BENCHMARK(BM_OracleLevels)->Unit(benchmark::kMillisecond);

void BM_TransformAndBands(benchmark::State& state)
{
    const Samples x = Tone();
    std::array<double, ANALYSIS_LENGTH> magnitudes{};
    Levels levels{};
    for (auto _ : state) {
        CosineTransformMagnitudes(x, magnitudes);
        BandLevels(magnitudes, levels);
        benchmark::DoNotOptimize(levels);
    }
}
BENCHMARK(BM_TransformAndBands)->Unit(benchmark::kMillisecond);

}  // namespace
